#pragma once
// The hidden window "CharacterEventReceiver" in the client's thread: the character thread
// posts its notifications here, and the window hands them to the character, which raises
// its events on this thread.
#include "PlatformHeaders.h"

#include "UniqueHandle.h"

class INotificationTarget {
public:
    // One of the CRN_ notifications.
    virtual void HandleNotification(UINT notification, WPARAM wParam, LPARAM lParam) = 0;

protected:
    ~INotificationTarget() = default;
};

// Carries a reference to be released on the receiver's thread (lParam: the key under which
// this process handed the reference over; any other value is ignored).
constexpr UINT kReleaseOnClientThread = WM_APP + 1;

class CEventReceiver {
public:
    CEventReceiver() = default;
    CEventReceiver(const CEventReceiver&) = delete;
    CEventReceiver& operator=(const CEventReceiver&) = delete;

    // A pop-up at (0, 0) of zero size, hidden, without owner; false with the last error set.
    bool Create(INotificationTarget& target);
    void Destroy() { m_window.Reset(); }
    HWND Handle() const { return m_window.Get(); }
    bool Exists() const { return m_window && IsWindow(m_window.Get()); }

    // Hands a reference over to be released on the receiver's thread (at the latest when the
    // receiver is destroyed); false when it cannot, and the caller keeps the reference.
    static bool PostRelease(HWND receiver, IUnknown* reference);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UniqueWindow m_window;
};

// Unregisters the window class before the module goes; false (and still registered) while a
// receiver window remains.
bool UnregisterEventReceiverClass();
