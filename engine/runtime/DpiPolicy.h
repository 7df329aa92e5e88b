#pragma once
// Which DPI a character is drawn at, and what a DPI change announced to its window does.
// Only a per-monitor-aware window scales itself: the system stretches an unaware window (at
// 96 DPI) and a system-aware one (at the system DPI) on a monitor of another scale, so their
// scale never follows a monitor, whatever WM_DPICHANGED says.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "DisplayScale.h"
#include "FrameRectangle.h"
#include "PointF.h"

enum class WindowAwareness {
    Unaware,      // also where the system cannot tell (before Windows 10 1607)
    SystemAware,
    PerMonitor,   // per-monitor aware, first or second version
};

struct DpiFacts {
    WindowAwareness awareness = WindowAwareness::Unaware;
    bool layered = true;
    uint32_t windowDpi = 0;   // the window's own DPI (GetDpiForWindow); 0 when unknown
    uint32_t monitorDpi = 0;  // region mode: the DPI of the monitor under the reference point
    uint32_t percent = kWholePercent;  // the size the client chose, on top of the DPI's scale
};

// The scale the character's pictures are drawn at. A layered window is the character: its
// own DPI. A region-mode window covers every monitor, so its own DPI is that of the monitor
// holding most of the desktop; a per-monitor-aware one draws at the DPI of the monitor under
// the reference point instead, which a change of scale cannot move, so it never flip-flops.
// The client's size multiplies whichever applies.
DisplayScale CharacterScale(const DpiFacts& facts);

// What WM_DPICHANGED does to a character window drawn at current.
struct DpiChangeAction {
    bool rescale = false;          // draw at `scale` from now on
    DisplayScale scale;
    bool takeSuggested = false;    // place the frame where the message's rectangle says
};
// Only a per-monitor-aware window obeys, with the scale of its own DPI (not the message's
// number), and only when that differs from the scale it is drawn at; the rectangle is read
// only then. A layered window takes the suggested rectangle: the system made it for the new
// DPI on the new monitor, so the window stays there and no second change follows, where
// growing about the reference point could put most of it back on the old monitor. A
// region-mode window keeps covering every monitor.
DpiChangeAction DecideDpiChange(const DpiFacts& facts, DisplayScale current);

// The monitor a window belongs to, as the system decides it: the one with the largest area of
// intersection; monitors.size() when it touches none.
size_t MonitorOfRect(const ScreenRect& rect, const std::vector<ScreenRect>& monitors);

// Where a layered window (width x height at the new scale) goes after a DPI change that its
// place `current` brought about: at the suggested rectangle's top-left, unless that would
// leave most of it off the monitor whose DPI it now has, the one holding most of `current`
// (a suggestion is not always a perfect fit); then moved the least way that puts it whole on
// that monitor. The window's DPI then stays, so no second change is sent while the first is
// handled and the scale does not flip back at the next tick.
ScreenRect PlaceForNewDpi(const ScreenRect& suggested, int32_t width, int32_t height, const ScreenRect& current,
                          const std::vector<ScreenRect>& monitors);

// The reference point that puts the frame (as drawn at the new scale at the current point)
// with its top-left on the placed window's.
PointF PointForPlacedFrame(PointF point, const FrameRectangle& frameAtNewScale, const ScreenRect& placed);
