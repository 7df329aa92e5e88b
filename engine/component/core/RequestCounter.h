#pragma once
// Request IDs of one character: 1, 2, 3, ... shared by Play and PlayCommonAnimation. After
// 2147483647 the count starts again at 1, so an ID is never 0 (which means "the current
// request" to Stop) nor negative.
#include <cstdint>
#include <limits>

class RequestCounter {
public:
    int32_t Next() {
        m_last = m_last == std::numeric_limits<int32_t>::max() ? 1 : m_last + 1;
        return m_last;
    }
    int32_t Last() const { return m_last; }
    // For tests of the wrap: continue as if value had been the last ID given.
    void ContinueAfter(int32_t value) { m_last = value; }

private:
    int32_t m_last = 0;
};
