#pragma once
// The companion's icon in the notification area, removed when the owner goes. The shell
// sends callbackMessage to the window with the mouse message in lParam; after Explorer
// restarts (the TaskbarCreated message) Add puts the icon back.
#include <windows.h>

#include <string>

class TrayIcon {
public:
    TrayIcon(HWND window, UINT callbackMessage, HICON icon, const std::wstring& tip);
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon();

    bool Add();
    bool Added() const { return m_added; }

private:
    NOTIFYICONDATAW m_data{};
    bool m_added = false;
};
