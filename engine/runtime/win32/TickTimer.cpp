#include "TickTimer.h"

namespace {
constexpr UINT_PTR kTickTimerId = 1;  // a window timer's identifier is nonzero
}

void TickTimer::WakeWithin(HWND window, uint32_t delayMs) {
    const uint32_t now = GetTickCount();
    if (m_interval && static_cast<int32_t>(m_dueAt - now) <= static_cast<int32_t>(delayMs)) return;
    Set(window, delayMs, now);
}

void TickTimer::Rearm(HWND window, std::optional<uint32_t> delayMs) {
    const uint32_t now = GetTickCount();
    if (!delayMs) {
        if (m_interval) KillTimer(window, kTickTimerId);
        m_interval.reset();
        m_armed.store(false);
        return;
    }
    if (m_interval == delayMs) {
        m_dueAt = now + *delayMs;
        return;
    }
    Set(window, *delayMs, now);
}

// A delay below the system's minimum is raised to it by SetTimer; the due time counts with
// the delay asked for, which errs towards setting the timer again.
void TickTimer::Set(HWND window, uint32_t delayMs, uint32_t now) {
    if (SetTimer(window, kTickTimerId, delayMs, nullptr) == 0) {
        m_interval.reset();
        m_armed.store(false);
        return;
    }
    m_interval = delayMs;
    m_armed.store(true);
    m_dueAt = now + delayMs;
}
