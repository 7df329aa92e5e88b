// The character window's ticks: run by a timer that is armed only while something can change
// (a request playing or due, a balloon page, an idle action, a drag) and woken by whatever
// changes what the next tick shows. A character with nothing to do runs no timer at all.
#include "CCharacterWindow.h"

#include <algorithm>

#include "CharacterMessages.h"
#include "RuntimeConstants.h"

namespace {
// A request starts this soon after it arrives: the system's shortest timer.
constexpr uint32_t kWakeSoonMs = USER_TIMER_MINIMUM;
}  // namespace

// A region-mode window spans every monitor: before each tick it takes the scale of the
// monitor its character is on.
void CCharacterWindow::OnTimer() {
    if (!Exists()) return;
    if (!m_presenter.IsLayered()) ApplyScale(CharacterScale(CurrentDpiFacts()));
    m_engine.Tick();
    ScheduleNextTick();
}

// A hidden character does not idle; a drag in progress ticks every period, so that the
// picture and the balloon follow the mouse.
void CCharacterWindow::ScheduleNextTick() {
    const HWND window = Handle();
    if (window == nullptr) return;
    std::optional<uint32_t> delay = m_engine.NextTickDelay(GetTickCount(), IsWindowVisible(window) != FALSE);
    if (m_dragging) delay = 0;
    if (delay) delay = *delay == 0 ? kTickPeriodMs : std::max(*delay, kWakeSoonMs);
    m_tickTimer.Rearm(window, delay);
}

void CCharacterWindow::WakeSoon() {
    if (const HWND window = Handle()) m_tickTimer.WakeWithin(window, kWakeSoonMs);
}

void CCharacterWindow::PostWake() const {
    if (const HWND window = Handle()) PostMessageA(window, CHM_WAKE, 0, 0);
}

// The messages after which a tick must come at once: a request, a stop, or an action run on
// the window's thread (a position, a file, idling, a request of the object's own).
bool CCharacterWindow::StartsWork(UINT message) {
    return message == CHM_PLAY || message == CHM_PLAYCOMMON || message == CHM_STOP || message == CHM_STOPALL ||
           message == CHM_RUN;
}
