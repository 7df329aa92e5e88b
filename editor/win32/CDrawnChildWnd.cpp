#include "CDrawnChildWnd.h"

namespace {

constexpr const char* kClassName = "TarvelDrawnChild";

// Registered once, on first use.
const char* RegisteredClass(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExA(&windowClass);
    }();
    return atom != 0 ? kClassName : nullptr;
}

}  // namespace

CDrawnChildWnd::~CDrawnChildWnd() {
    if (m_window != nullptr) DestroyWindow(m_window);
}

void CDrawnChildWnd::MoveTo(const RECT& rect) {
    if (m_window != nullptr)
        MoveWindow(m_window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

bool CDrawnChildWnd::CreateChildWindow(const char* title, const RECT& rect, HWND parent) {
    const char* windowClass = RegisteredClass(&CDrawnChildWnd::WindowProc);
    if (windowClass == nullptr) return false;
    CreateWindowExA(WS_EX_CONTROLPARENT, windowClass, title, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect.left,
                    rect.top, rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                    GetModuleHandleA(nullptr), this);
    return m_window != nullptr;
}

LRESULT CDrawnChildWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        Draw(reinterpret_cast<HDC>(wParam));
        return 1;
    }
    return DefWindowProcA(m_window, message, wParam, lParam);
}

LRESULT CALLBACK CDrawnChildWnd::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<CDrawnChildWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->m_window = window;
    }
    auto* self = reinterpret_cast<CDrawnChildWnd*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->m_window = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    // Nothing may unwind into the system's message dispatch: the default handling instead.
    try {
        return self->OnMessage(message, wParam, lParam);
    } catch (...) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
