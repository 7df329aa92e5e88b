#pragma once
// The companion's hidden top-level window: it receives the tray icon's messages, the menu's
// commands, the life timer and the shell's TaskbarCreated broadcast (which message-only
// windows would not receive), and hands them to its handler.
#include <windows.h>

namespace desk {

// The messages the window's owner defines.
constexpr UINT kTrayMessage = WM_APP + 1;      // lParam: the mouse message over the icon
constexpr UINT kHideChosenMessage = WM_APP + 2;  // a character's own menu chose "Hide"
constexpr UINT_PTR kLifeTimer = 1;
constexpr UINT kLifeTimerMs = 1000;

class IDeskWindowHandler {
public:
    virtual ~IDeskWindowHandler() = default;
    virtual void OnTray(UINT mouseMessage) = 0;
    virtual void OnCommand(UINT command) = 0;
    virtual void OnLifeTimer() = 0;
    virtual void OnTaskbarCreated() = 0;
    virtual void OnHideChosen() = 0;
    virtual void OnEndSession() = 0;
};

class DeskWindow {
public:
    DeskWindow(HINSTANCE instance, IDeskWindowHandler& handler);
    DeskWindow(const DeskWindow&) = delete;
    DeskWindow& operator=(const DeskWindow&) = delete;
    ~DeskWindow();
    HWND Get() const { return m_window; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    IDeskWindowHandler& m_handler;
    UINT m_taskbarCreated = 0;
    HWND m_window = nullptr;
};

}  // namespace desk
