#pragma once
// When a character steps out of the way of a full-screen program. The rule: the foreground
// window belongs to another process and lies on the character's monitor, and either its
// rectangle covers the whole of that monitor without being maximised (a maximised window
// leaves the taskbar, even an auto-hiding one, and does not count), or the system reports a
// full-screen program itself (exclusive Direct3D, or the shell's "busy" for a window that is
// not maximised). Presentation settings, which the user turns on to keep pop-ups away,
// count on every monitor.
#include <vector>

#include "ScreenRect.h"

// SHQueryUserNotificationState, as far as the rule reads it.
enum class NotificationState {
    Other,              // accepts notifications, quiet time, an app, or nothing known
    Busy,               // QUNS_BUSY: a full-screen program or presentation settings
    Direct3DFullScreen, // QUNS_RUNNING_D3D_FULL_SCREEN: exclusive-mode Direct3D
    PresentationMode,   // QUNS_PRESENTATION_MODE
};

// The foreground window, when it can matter: a shown, not minimised window of another
// process that is not the desktop or the shell's wallpaper window.
struct ForegroundFacts {
    bool candidate = false;
    bool maximised = false;
    ScreenRect rect;
};

struct FullScreenFacts {
    ForegroundFacts foreground;
    NotificationState state = NotificationState::Other;
    ScreenRect character;  // the character's frame rectangle
    std::vector<ScreenRect> monitors;
};

// True when the window's rectangle holds every pixel of the monitor's.
bool CoversMonitor(const ScreenRect& window, const ScreenRect& monitor);
bool ShouldStepAside(const FullScreenFacts& facts);
