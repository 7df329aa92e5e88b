#pragma once
// Where a character goes when a display change left it on no monitor.
#include <optional>
#include <vector>

#include "ScreenRect.h"

struct MonitorArea {
    ScreenRect monitor;   // the whole monitor
    ScreenRect workArea;  // without task bars and docked windows
};

struct ScreenOffset {
    int32_t dx = 0;
    int32_t dy = 0;
    friend bool operator==(ScreenOffset a, ScreenOffset b) { return a.dx == b.dx && a.dy == b.dy; }
};

// True when the rectangles share at least one pixel.
bool Overlaps(const ScreenRect& a, const ScreenRect& b);

// Nothing when the frame still touches a monitor (a character partly visible stays where it
// is) or there is no monitor; otherwise the shortest move that puts the frame whole inside
// the work area nearest to it. A frame larger than a work area keeps its top-left corner in it.
std::optional<ScreenOffset> BringBackOffset(const ScreenRect& frame, const std::vector<MonitorArea>& monitors);
