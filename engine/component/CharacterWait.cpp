#include "CharacterWait.h"

#include "CCharacterWindow.h"

bool CharacterWait::IsQueued(int32_t requestId) { return m_window.IsRequestQueued(requestId); }

// The completion comes as a notification posted to the receiver window, and only its handling
// signals the event: the slice wakes for every message of the thread, lets it through and
// goes on waiting for what is left of the slice, so the wait returns as soon as the
// completion is handled. Once the slice is over, nothing more is let through here: a flood
// of messages still ends the slice on time.
bool CharacterWait::WaitForSignal(uint32_t milliseconds) {
    const DWORD started = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - started;
        if (elapsed >= milliseconds) return IsSignalled();
        const DWORD woke = MsgWaitForMultipleObjectsEx(1, &m_completion, milliseconds - elapsed, QS_ALLINPUT,
                                                       MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0) return true;
        if (woke != WAIT_OBJECT_0 + 1) return false;  // timed out, or the handle is invalid
        if (PumpOneMessage() == PumpResult::Quitting) return false;  // the quit waits for the caller
    }
}

bool CharacterWait::IsSignalled() { return WaitForSingleObject(m_completion, 0) == WAIT_OBJECT_0; }

void CharacterWait::ResetSignal() { ResetEvent(m_completion); }

PumpResult CharacterWait::PumpOneMessage() {
    MSG message;
    // As a well-behaved modal loop: keys typed into the client's windows become characters,
    // and text travels as UTF-16 without passing through the ANSI code page.
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return PumpResult::Nothing;
    if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return PumpResult::Quitting;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return PumpResult::Dispatched;
}
