#include "CBalloonWindow.h"

#include <mutex>

#include "CharacterWindowClass.h"
#include "CodeModule.h"

namespace {

constexpr const wchar_t* kBalloonWindowClass = L"VGEBalloonWindow";
std::mutex g_classLock;
bool g_classRegistered = false;

bool RegisterBalloonWindowClass(WNDPROC procedure) {
    const std::lock_guard<std::mutex> guard(g_classLock);
    if (g_classRegistered) return true;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = CodeModule();
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kBalloonWindowClass;
    g_classRegistered = RegisterModuleClass(windowClass);
    return g_classRegistered;
}

ScreenRect WorkAreaOf(const ScreenRect& frame) {
    const RECT rect{frame.left, frame.top, frame.right, frame.bottom};
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info)) {
        return ScreenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    return ScreenRect{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

// Two placements that differ only by where they lie have the same shape.
bool SameShape(const BalloonPlacement& a, const BalloonPlacement& b) {
    const auto relative = [](const BalloonPlacement& p) {
        const int32_t x = p.window.left, y = p.window.top;
        return ScreenRect{p.body.left - x, p.body.top - y, p.tailTip.x - x, p.tailTip.y - y};
    };
    return a.below == b.below && relative(a) == relative(b) && a.tailBase.x - a.window.left == b.tailBase.x - b.window.left &&
           a.window.right - a.window.left == b.window.right - b.window.left &&
           a.window.bottom - a.window.top == b.window.bottom - b.window.top;
}

}  // namespace

bool UnregisterBalloonWindowClass() {
    const std::lock_guard<std::mutex> guard(g_classLock);
    if (g_classRegistered && UnregisterClassW(kBalloonWindowClass, CodeModule())) g_classRegistered = false;
    return !g_classRegistered;
}

// Owned windows go with their owner; one still here is destroyed on its own thread only.
CBalloonWindow::~CBalloonWindow() {
    const HWND window = m_window.Release();
    if (window != nullptr && IsWindow(window) && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
}

LRESULT CALLBACK CBalloonWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_PAINT: {
        const auto* self = reinterpret_cast<const CBalloonWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(window, &paint);
        // Nothing may unwind into the system's message dispatch; the paint still ends.
        try {
            if (self != nullptr && dc != nullptr) self->m_artist.Paint(dc, self->m_placement);
        } catch (...) {
        }
        EndPaint(window, &paint);
        return 0;
    }
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

bool CBalloonWindow::EnsureWindow() {
    if (m_window) return true;
    if (!RegisterBalloonWindowClass(&Procedure)) return false;
    // Layered and transparent to the mouse: clicks reach whatever lies below, of any thread or
    // program (a hit-test answer reaches only windows of this thread). Fully opaque.
    constexpr DWORD kExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT;
    m_window.Reset(CreateWindowExW(kExStyle, kBalloonWindowClass, L"", WS_POPUP, 0, 0, 1, 1, m_character, nullptr,
                                   CodeModule(), nullptr));
    if (!m_window) return false;
    SetLayeredWindowAttributes(m_window.Get(), 0, 255, LWA_ALPHA);
    SetWindowLongPtrW(m_window.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return true;
}

void CBalloonWindow::Show(BalloonKind kind, const BalloonStyle& style, const BalloonPage& page, const ScreenRect& frame,
                          UINT dpi) {
    if (!EnsureWindow() || !m_artist.SetPage(kind, style, page, dpi)) return;
    m_shown = true;
    m_dpi = dpi;
    Place(frame, true);
    // Topmost again after showing: Wine may not keep the style of a window made topmost.
    SetWindowPos(m_window.Get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CBalloonWindow::Follow(const ScreenRect& frame, UINT dpi) {
    if (!m_shown || !m_window) return;
    if (!IsWindowVisible(m_character)) {
        if (IsWindowVisible(m_window.Get())) ShowWindow(m_window.Get(), SW_HIDE);
        return;
    }
    if (dpi != m_dpi && m_artist.Rescale(dpi)) {
        m_dpi = dpi;
        Place(frame, true);
    } else if (!(frame == m_frame)) {
        // A still character costs no placement: only a moved frame asks for the work area again.
        Place(frame, false);
    }
    if (!IsWindowVisible(m_window.Get())) ShowWindow(m_window.Get(), SW_SHOWNA);
}

void CBalloonWindow::Hide() {
    m_shown = false;
    if (m_window) ShowWindow(m_window.Get(), SW_HIDE);
}

// A new shape takes a new region and a repaint; the same shape elsewhere only a move.
void CBalloonWindow::Place(const ScreenRect& frame, bool reshape) {
    m_frame = frame;
    const BalloonPlacement placement = PlaceBalloon(frame, m_artist.Geometry(), WorkAreaOf(frame));
    const bool sameShape = !reshape && SameShape(placement, m_placement);
    if (!reshape && sameShape && placement.window == m_placement.window) return;
    m_placement = placement;
    const ScreenRect& w = placement.window;
    if (sameShape) {
        SetWindowPos(m_window.Get(), nullptr, w.left, w.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    SetWindowPos(m_window.Get(), nullptr, w.left, w.top, w.right - w.left, w.bottom - w.top, SWP_NOZORDER | SWP_NOACTIVATE);
    UniqueRegion shape = m_artist.Shape(placement);
    if (shape && SetWindowRgn(m_window.Get(), shape.Get(), TRUE) != 0) shape.Release();  // the window owns it now
    InvalidateRect(m_window.Get(), nullptr, TRUE);
}
