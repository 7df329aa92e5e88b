#pragma once
// A plain window of one colour below the characters, for tests that read the screen: what a
// character does not cover must show exactly this colour.
#include "Win32Api.h"

#include "UniqueHandle.h"

class BackdropWindow {
public:
    explicit BackdropWindow(COLORREF colour) : m_brush(CreateSolidBrush(colour)) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = m_brush.Get();
        windowClass.lpszClassName = kClassName;
        RegisterClassA(&windowClass);
        m_window.Reset(CreateWindowExA(0, kClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 1000, 800, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), nullptr));
        UpdateWindow(m_window.Get());
    }
    BackdropWindow(const BackdropWindow&) = delete;
    BackdropWindow& operator=(const BackdropWindow&) = delete;
    // The class goes with the window, so that the next backdrop's class has its own brush.
    ~BackdropWindow() {
        m_window.Reset();
        UnregisterClassA(kClassName, GetModuleHandleA(nullptr));
    }

private:
    static constexpr const char* kClassName = "VimroTestBackdrop";
    UniqueBrush m_brush;
    UniqueWindow m_window;
};
