#pragma once
// What a character that yields to full-screen programs watches, on its own thread: the
// system's events for a change of the foreground window and for its minimising (any
// program), and for the destruction, hiding, showing, move or resizing of the foreground
// window (its thread only). Each such event asks the character to look again. Nothing is
// polled, except once a second while the character stands aside, so that it comes back even
// if an event was missed. Events arrive while the thread waits for messages.
#include "Win32Api.h"

#include <functional>

#include "FullScreenRule.h"
#include "UniqueHandle.h"

struct WinEventHookTraits {
    using Handle = HWINEVENTHOOK;
    static Handle Empty() { return nullptr; }
    static void Close(Handle handle) { UnhookWinEvent(handle); }
};
using UniqueWinEventHook = UniqueHandle<WinEventHookTraits>;

// The foreground window and what the rule needs to know of it.
struct ForegroundWindow {
    HWND window = nullptr;
    ForegroundFacts facts;
};
ForegroundWindow ReadForegroundWindow();

class CFullScreenWatch {
public:
    // One watch per thread, made and destroyed on that thread; lookAgain runs on it too,
    // never inside itself.
    explicit CFullScreenWatch(std::function<void()> lookAgain);
    CFullScreenWatch(const CFullScreenWatch&) = delete;
    CFullScreenWatch& operator=(const CFullScreenWatch&) = delete;
    ~CFullScreenWatch();

    // Watches the foreground window's own thread (none for a window of this process).
    void FollowForeground(HWND foreground);
    // The once-a-second look, while standing aside.
    void SetPolling(bool on);
    // The user-notification state, when the system has SHQueryUserNotificationState.
    NotificationState State() const;

private:
    static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child, DWORD thread,
                                 DWORD time);
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void LookAgain();

    using QueryStateEntry = HRESULT(WINAPI*)(int*);
    std::function<void()> m_lookAgain;
    bool m_looking = false;
    bool m_lookPending = false;
    UniqueModule m_shell;
    QueryStateEntry m_queryState = nullptr;
    UniqueWinEventHook m_foregroundHook;
    UniqueWinEventHook m_minimiseHook;
    UniqueWinEventHook m_windowHook;  // the foreground window's thread
    HWND m_followed = nullptr;
    DWORD m_followedThread = 0;
    UINT_PTR m_timer = 0;
};
