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
    // travel: a Play in travel mode, which may walk on until stopped (see OldestOpenTravel).
    void Issued(int32_t requestId, bool travel = false);
    // StopAll was called: requests not completed so far may end without any event.
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
    // The started, open travel request, if any: a travel whose destination equals its start on
    // the axis it moves is never clamped there and walks on until it is stopped. 0 when none.
    int32_t OldestOpenTravel() const;

    // Faults seen so far (an event for an unknown ID, a second start or completion, a start
    // after the completion) and, once Outstanding() is 0, requests left open.
    std::vector<std::string> Faults() const;

private:
    struct Entry {
        int starts = 0;
        int completions = 0;
        bool discardable = false;
        bool travel = false;
    };
    void Fault(const std::string& what, int32_t requestId);

    std::map<int32_t, Entry> m_requests;
    std::vector<std::string> m_faults;
};

}  // namespace stress
