#include "RequestLedger.h"

namespace stress {

void RequestLedger::Fault(const std::string& what, int32_t requestId) {
    m_faults.push_back("request " + std::to_string(requestId) + ": " + what);
}

void RequestLedger::Issued(int32_t requestId) {
    Entry entry;
    entry.afterStopAll = m_stopAllPending;
    entry.discardable = m_stopAllPending;
    if (!m_requests.emplace(requestId, entry).second) Fault("ID returned twice", requestId);
}

void RequestLedger::StopAllCalled() {
    for (auto& entry : m_requests) {
        if (entry.second.completions == 0) entry.second.discardable = true;
    }
    m_stopAllPending = true;
}

void RequestLedger::Started(int32_t requestId) {
    const auto found = m_requests.find(requestId);
    if (found == m_requests.end()) return Fault("started but never issued", requestId);
    Entry& entry = found->second;
    if (entry.starts > 0) Fault("started twice", requestId);
    if (entry.completions > 0) Fault("started after its completion", requestId);
    ++entry.starts;
    if (entry.afterStopAll) m_stopAllPending = false;
}

void RequestLedger::Completed(int32_t requestId) {
    const auto found = m_requests.find(requestId);
    if (found == m_requests.end()) return Fault("completed but never issued", requestId);
    if (found->second.completions > 0) Fault("completed twice", requestId);
    ++found->second.completions;
    if (found->second.afterStopAll) m_stopAllPending = false;  // its tick or its Stop came after the StopAll
}

bool RequestLedger::HasCompleted(int32_t requestId) const {
    const auto found = m_requests.find(requestId);
    return found != m_requests.end() && found->second.completions > 0;
}

int RequestLedger::Outstanding() const {
    int open = 0;
    for (const auto& entry : m_requests) open += entry.second.completions == 0 && !entry.second.discardable;
    return open;
}

int RequestLedger::CompletedCount() const {
    int count = 0;
    for (const auto& entry : m_requests) count += entry.second.completions > 0;
    return count;
}

int RequestLedger::DiscardedCount() const {
    int count = 0;
    for (const auto& entry : m_requests) count += entry.second.completions == 0 && entry.second.discardable;
    return count;
}

std::vector<std::string> RequestLedger::Faults() const {
    std::vector<std::string> faults = m_faults;
    for (const auto& entry : m_requests) {
        if (entry.second.completions > 0 || entry.second.discardable) continue;
        faults.push_back("request " + std::to_string(entry.first) +
                         (entry.second.starts > 0 ? ": started, never completed" : ": lost (never completed)"));
    }
    return faults;
}

}  // namespace stress
