#include "CompletionWait.h"

namespace {

// Dispatches the waiting messages until none is left, the completion event is signalled (its
// bookkeeping is looked at before anything else runs) or the slice's share is used up.
PumpResult LetWaitingMessagesThrough(ICompletionWaitHost& host) {
    for (int dispatched = 0; dispatched < kMessagesPerSlice; ++dispatched) {
        const PumpResult result = host.PumpOneMessage();
        if (result != PumpResult::Dispatched || host.IsSignalled()) return result;
    }
    return PumpResult::Dispatched;
}

}  // namespace

WaitCause WaitForCompletion(ICompletionWaitHost& host, int32_t requestId) {
    if (!host.IsQueued(requestId)) return WaitCause::NotCompleted;
    int timedOut = 0;
    while (timedOut < kWaitSliceLimit) {
        if (host.WaitForSignal(kWaitSliceMs)) {
            // Another request's completion also signals: look again after resetting.
            host.ResetSignal();
            if (host.Book().IsRecent(requestId)) return WaitCause::Completed;
            continue;
        }
        // The quitting thread keeps the event as it is for whoever handles the quit.
        if (LetWaitingMessagesThrough(host) == PumpResult::Quitting) return WaitCause::NotCompleted;
        ++timedOut;
    }
    host.ResetSignal();
    return WaitCause::NotCompleted;
}
