#pragma once
// Waiting for a request to complete on the client's thread: the completion bookkeeping kept
// by the receiver and the wait of ICharacter.WaitForRequest, over what the platform offers.
#include <cstdint>

// The last two completed request IDs, updated as each completion is handled.
class CompletionBook {
public:
    void Record(int32_t requestId) {
        m_previous = m_last;
        m_last = requestId;
    }
    bool IsRecent(int32_t requestId) const { return requestId == m_last || requestId == m_previous; }
    int32_t Last() const { return m_last; }
    int32_t Previous() const { return m_previous; }

private:
    int32_t m_last = 0;
    int32_t m_previous = 0;
};

enum class PumpResult { Nothing, Dispatched, Quitting };

// What the wait needs: the queue, the completion event and the calling thread's messages.
class ICompletionWaitHost {
public:
    virtual ~ICompletionWaitHost() = default;
    virtual bool IsQueued(int32_t requestId) = 0;
    // Waits up to the slice for the completion event; true when it was signalled.
    virtual bool WaitForSignal(uint32_t milliseconds) = 0;
    // The completion event's state now, without waiting.
    virtual bool IsSignalled() = 0;
    virtual void ResetSignal() = 0;
    // Takes and dispatches at most one waiting message of the calling thread.
    virtual PumpResult PumpOneMessage() = 0;
    virtual const CompletionBook& Book() const = 0;
};

constexpr uint32_t kWaitSliceMs = 100;
constexpr int kWaitSliceLimit = 300;  // timed-out slices: 30 seconds in all
// After a timed-out slice the waiting messages are let through, up to this many, so that a
// thread flooded with notifications still reaches the completion it waits for.
constexpr int kMessagesPerSlice = 256;

enum class WaitCause : int32_t { Completed = 0, NotCompleted = 1 };

// Completed when the request completed or was stopped during the wait; NotCompleted when it
// was not queued, the wait timed out or the thread is quitting.
WaitCause WaitForCompletion(ICompletionWaitHost& host, int32_t requestId);
