#include "Backdrop.h"

#include "BackdropPainting.h"

namespace {

constexpr const wchar_t* kClassName = L"VimroDemoBackdrop";

int GroundOf(HWND window) { return static_cast<int>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

void Paint(HWND window) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    RECT area{};
    GetClientRect(window, &area);
    PaintBackdrop(dc, area, GroundOf(window));
    EndPaint(window, &paint);
}

LRESULT CALLBACK BackdropProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT covers every pixel
    case WM_WINDOWPOSCHANGING:
        // Stays below the characters whatever is activated.
        reinterpret_cast<WINDOWPOS*>(lParam)->hwndInsertAfter = HWND_BOTTOM;
        return 0;
    case WM_CLOSE:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

bool RegisterBackdropClass() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &BackdropProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    return RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

Backdrop::Backdrop(const StageLayout& layout) {
    if (!RegisterBackdropClass()) return;
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    m_window = OwnedWindow(CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName, L"VimroGE demo",
                                           WS_POPUP | WS_DISABLED,
                                           0, 0, width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    if (m_window.Get() == nullptr) return;
    SetWindowLongPtrW(m_window.Get(), GWLP_USERDATA, layout.groundY);
    SetWindowPos(m_window.Get(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(m_window.Get());
}
