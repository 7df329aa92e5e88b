#include "FullScreenRule.h"

#include "DpiPolicy.h"

bool CoversMonitor(const ScreenRect& window, const ScreenRect& monitor) {
    return window.left <= monitor.left && window.top <= monitor.top && window.right >= monitor.right &&
           window.bottom >= monitor.bottom;
}

// A character on no monitor, or a window on another monitor than the character's, never counts.
bool ShouldStepAside(const FullScreenFacts& facts) {
    if (facts.state == NotificationState::PresentationMode) return true;
    const ForegroundFacts& foreground = facts.foreground;
    if (!foreground.candidate) return false;
    const size_t monitor = MonitorOfRect(facts.character, facts.monitors);
    if (monitor >= facts.monitors.size() || MonitorOfRect(foreground.rect, facts.monitors) != monitor) return false;
    if (facts.state == NotificationState::Direct3DFullScreen) return true;
    if (foreground.maximised) return false;
    return facts.state == NotificationState::Busy || CoversMonitor(foreground.rect, facts.monitors[monitor]);
}
