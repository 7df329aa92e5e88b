#include "CharacterWait.h"

#include "CCharacterWindow.h"
#include "SentMessageWait.h"

bool CharacterWait::IsQueued(int32_t requestId) { return m_window.IsRequestQueued(requestId); }

bool CharacterWait::WaitForSignal(uint32_t milliseconds) {
    return WaitHandlingSentMessages(m_completion, milliseconds);
}

bool CharacterWait::IsSignalled() { return WaitForSignal(0); }

void CharacterWait::ResetSignal() { ResetEvent(m_completion); }

PumpResult CharacterWait::PumpOneMessage() {
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return PumpResult::Nothing;
    if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return PumpResult::Quitting;
    }
    DispatchMessageA(&message);
    return PumpResult::Dispatched;
}
