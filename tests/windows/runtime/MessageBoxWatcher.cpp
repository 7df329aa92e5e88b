#include "MessageBoxWatcher.h"

namespace {

constexpr int kMessageBoxTextId = 0xFFFF;

// Wine and Windows keep the text in a static control; fall back to the first static with text.
std::string BoxText(HWND box) {
    char text[512] = {};
    if (GetDlgItemTextA(box, kMessageBoxTextId, text, sizeof(text)) > 0) return text;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = {};
        GetClassNameA(child, className, sizeof(className));
        if (lstrcmpiA(className, "Static") == 0 && GetWindowTextA(child, text, sizeof(text)) > 0) return text;
    }
    return std::string();
}

// A static control showing an icon: the box's error icon.
bool HasIconControl(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            SendMessageA(child, STM_GETICON, 0, 0) != 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(std::string caption, DWORD timeoutMs) : m_caption(std::move(caption)) {
    m_thread = std::thread([this, timeoutMs] { Watch(timeoutMs); });
}

MessageBoxWatcher::~MessageBoxWatcher() {
    if (m_thread.joinable()) m_thread.join();
}

bool MessageBoxWatcher::Wait() {
    if (m_thread.joinable()) m_thread.join();
    return m_found.load();
}

void MessageBoxWatcher::Watch(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        const HWND box = FindWindowA("#32770", m_caption.c_str());
        if (box != nullptr && IsWindowVisible(box)) {
            Sleep(50);  // let the box finish its initialisation
            m_text = BoxText(box);
            m_errorIcon = HasIconControl(box);
            m_owned = GetWindow(box, GW_OWNER) != nullptr;
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            m_found.store(true);
            return;
        }
        Sleep(20);
    }
}
