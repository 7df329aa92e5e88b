#include "DeskWindow.h"

namespace desk {

namespace {

constexpr const wchar_t* kClassName = L"VimroDeskCompanion";

}  // namespace

DeskWindow::DeskWindow(HINSTANCE instance, IDeskWindowHandler& handler)
    : m_handler(handler), m_taskbarCreated(RegisterWindowMessageW(L"TaskbarCreated")) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &DeskWindow::Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
    m_window = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"VimroDesk", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               instance, this);
    if (m_window != nullptr) SetTimer(m_window, kLifeTimer, kLifeTimerMs, nullptr);
}

DeskWindow::~DeskWindow() {
    if (m_window == nullptr) return;
    KillTimer(m_window, kLifeTimer);
    SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    DestroyWindow(m_window);
}

LRESULT CALLBACK DeskWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<DeskWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return self->Handle(window, message, wParam, lParam);
}

LRESULT DeskWindow::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == m_taskbarCreated && m_taskbarCreated != 0) {
        m_handler.OnTaskbarCreated();
        return 0;
    }
    switch (message) {
    case kTrayMessage:
        m_handler.OnTray(static_cast<UINT>(LOWORD(lParam)));
        return 0;
    case kHideChosenMessage:
        m_handler.OnHideChosen();
        return 0;
    case WM_COMMAND:
        m_handler.OnCommand(LOWORD(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == kLifeTimer) m_handler.OnLifeTimer();
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam != 0) m_handler.OnEndSession();
        return 0;
    case WM_CLOSE:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace desk
