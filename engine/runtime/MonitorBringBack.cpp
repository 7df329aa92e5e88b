#include "MonitorBringBack.h"

#include <cstdint>
#include <limits>

namespace {

// The least move along one axis that puts [low, high) inside [areaLow, areaHigh); the low
// edge wins when the span is longer than the area.
int64_t AxisMove(int64_t low, int64_t high, int64_t areaLow, int64_t areaHigh) {
    if (low < areaLow || high - low > areaHigh - areaLow) return areaLow - low;
    if (high > areaHigh) return areaHigh - high;
    return 0;
}

}  // namespace

bool Overlaps(const ScreenRect& a, const ScreenRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::optional<ScreenOffset> BringBackOffset(const ScreenRect& frame, const std::vector<MonitorArea>& monitors) {
    // An empty frame (no picture) counts as its top-left pixel.
    ScreenRect probe = frame;
    if (probe.right <= probe.left) probe.right = probe.left + 1;
    if (probe.bottom <= probe.top) probe.bottom = probe.top + 1;
    for (const MonitorArea& area : monitors) {
        if (Overlaps(probe, area.monitor)) return std::nullopt;
    }
    std::optional<ScreenOffset> best;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (const MonitorArea& area : monitors) {
        const ScreenRect& work = area.workArea;
        const int64_t dx = AxisMove(frame.left, frame.right, work.left, work.right);
        const int64_t dy = AxisMove(frame.top, frame.bottom, work.top, work.bottom);
        const double distance = static_cast<double>(dx) * dx + static_cast<double>(dy) * dy;
        if (distance >= bestDistance) continue;
        bestDistance = distance;
        best = ScreenOffset{static_cast<int32_t>(dx), static_cast<int32_t>(dy)};
    }
    return best;
}
