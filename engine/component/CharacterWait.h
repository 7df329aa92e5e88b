#pragma once
// What WaitForRequest waits with: the character's queue, its completion event and the
// calling thread's messages.
#include "PlatformHeaders.h"

#include "CompletionWait.h"

class CCharacterWindow;

class CharacterWait final : public ICompletionWaitHost {
public:
    CharacterWait(const CCharacterWindow& window, HANDLE completion, const CompletionBook& book)
        : m_window(window), m_completion(completion), m_book(book) {}

    bool IsQueued(int32_t requestId) override;
    bool WaitForSignal(uint32_t milliseconds) override;
    bool IsSignalled() override;
    void ResetSignal() override;
    // Translated and dispatched. A quit message is put back for the caller's own loop.
    PumpResult PumpOneMessage() override;
    const CompletionBook& Book() const override { return m_book; }

private:
    const CCharacterWindow& m_window;
    HANDLE m_completion;
    const CompletionBook& m_book;
};
