// When the request engine next needs a tick: the window runs its timer only then.
#include "CRequestEngine.h"

std::optional<uint32_t> CRequestEngine::NextTickDelay(uint32_t now, bool idlingAllowed) const {
    if (m_balloon) {
        const BalloonRun& run = *m_balloon;
        const uint32_t elapsed = now - run.pageStart;
        const uint32_t reading = BalloonReadingTime(run.pages[run.page]);
        return elapsed < reading ? reading - elapsed : 0;
    }
    if (m_inProgress || m_idlePlaying || QueuedCount() != 0) return 0;
    if (m_idleNames.empty() || !idlingAllowed) return std::nullopt;
    const uint32_t elapsed = now - m_lastActivity;
    return elapsed < m_idleDelay ? m_idleDelay - elapsed : 0;
}
