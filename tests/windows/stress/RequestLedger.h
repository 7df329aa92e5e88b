#pragma once
// The requests of one character as its client sees them: the IDs its calls returned and the
// RequestStart and RequestComplete events, checked as they arrive and when all is quiet.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace stress {

class RequestLedger {
public:
    void Issued(int32_t requestId);
    // StopAll was called: requests not completed so far may end without any event, and so may
    // those issued after it until one of them starts. StopAll is posted and Play is sent, so a
    // Play that reaches a busy character thread before its StopAll is handled is dropped with
    // the rest; ticks come only once the posted messages are handled, and a Stop is posted
    // behind it, so the first start or completion of a later request shows that the StopAll
    // is behind it.
    void StopAllCalled();
    void Started(int32_t requestId);
    void Completed(int32_t requestId);

    bool HasCompleted(int32_t requestId) const;
    bool IsIssued(int32_t requestId) const { return m_requests.count(requestId) != 0; }
    // Issued, not completed and not discarded by StopAll.
    int Outstanding() const;
    int IssuedCount() const { return static_cast<int>(m_requests.size()); }
    int CompletedCount() const;
    int DiscardedCount() const;

    // Faults seen so far (an event for an unknown ID, a second start or completion, a start
    // after the completion) and, once Outstanding() is 0, requests left open.
    std::vector<std::string> Faults() const;

private:
    struct Entry {
        int starts = 0;
        int completions = 0;
        bool discardable = false;
        bool afterStopAll = false;  // issued while a StopAll may still be pending
    };
    void Fault(const std::string& what, int32_t requestId);

    std::map<int32_t, Entry> m_requests;
    std::vector<std::string> m_faults;
    bool m_stopAllPending = false;
};

}  // namespace stress
