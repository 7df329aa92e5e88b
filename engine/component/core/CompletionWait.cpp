#include "CompletionWait.h"

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
        if (host.PumpOneMessage() == PumpResult::Quitting) return WaitCause::NotCompleted;
        ++timedOut;
    }
    host.ResetSignal();
    return WaitCause::NotCompleted;
}
