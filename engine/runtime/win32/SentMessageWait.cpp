#include "SentMessageWait.h"

namespace {

// Peeking with PM_QS_SENDMESSAGE calls the handlers of waiting sent messages and removes
// nothing from the queue.
void HandleSentMessages() {
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

DWORD Remaining(DWORD milliseconds, DWORD started) {
    if (milliseconds == INFINITE) return INFINITE;
    const DWORD elapsed = GetTickCount() - started;
    return elapsed >= milliseconds ? 0 : milliseconds - elapsed;
}

}  // namespace

// The wait wakes only for messages that arrive after the queue was last looked at, so those
// already waiting are handled first.
bool WaitHandlingSentMessages(HANDLE handle, DWORD milliseconds) {
    const DWORD started = GetTickCount();
    HandleSentMessages();
    for (;;) {
        const DWORD result = MsgWaitForMultipleObjectsEx(1, &handle, Remaining(milliseconds, started),
                                                         QS_SENDMESSAGE, 0);
        if (result == WAIT_OBJECT_0) return true;
        if (result != WAIT_OBJECT_0 + 1) return false;  // timed out, or the handle is invalid
        HandleSentMessages();
    }
}
