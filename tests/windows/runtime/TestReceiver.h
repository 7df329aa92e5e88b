#pragma once
// A hidden window on the test's thread that records the notifications a character posts,
// and message pumping for the test's thread.
#include "Win32Api.h"

#include <cstdint>
#include <functional>
#include <vector>

#include "UniqueHandle.h"

struct Notification {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD postTime = 0;  // tick count at which the character thread posted it
};

class TestReceiver {
public:
    TestReceiver();
    TestReceiver(const TestReceiver&) = delete;
    TestReceiver& operator=(const TestReceiver&) = delete;

    HWND Handle() const { return m_window.Get(); }
    void Destroy() { m_window.Reset(); }
    const std::vector<Notification>& Received() const { return m_received; }
    void Clear() { m_received.clear(); }

    // The received notifications of one kind, in order.
    std::vector<Notification> Of(UINT message) const;
    bool Has(UINT message, WPARAM wParam) const;
    // Index in Received() of the first notification of that kind and wParam, or -1.
    int IndexOf(UINT message, WPARAM wParam) const;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UniqueWindow m_window;
    std::vector<Notification> m_received;
};

// Dispatches the calling thread's messages until done() holds or the time is up.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
void PumpFor(DWORD milliseconds);
