#include "DpiPolicy.h"

#include <algorithm>

#include "IntegerConversion.h"

namespace {

DisplayScale ScaleOfDpi(const DpiFacts& facts) {
    switch (facts.awareness) {
    case WindowAwareness::Unaware:
        return DisplayScale{};
    case WindowAwareness::SystemAware:
        return DisplayScale::FromDpi(facts.windowDpi);
    case WindowAwareness::PerMonitor:
        return DisplayScale::FromDpi(facts.layered || facts.monitorDpi == 0 ? facts.windowDpi : facts.monitorDpi);
    }
    return DisplayScale{};
}

}  // namespace

DisplayScale CharacterScale(const DpiFacts& facts) { return ScaleOfDpi(facts).AtPercent(facts.percent); }

DpiChangeAction DecideDpiChange(const DpiFacts& facts, DisplayScale current) {
    DpiChangeAction action;
    if (facts.awareness != WindowAwareness::PerMonitor) return action;
    action.scale = CharacterScale(facts);
    action.rescale = action.scale != current;
    action.takeSuggested = action.rescale && facts.layered;
    return action;
}

size_t MonitorOfRect(const ScreenRect& rect, const std::vector<ScreenRect>& monitors) {
    size_t best = monitors.size();
    int64_t bestArea = 0;
    for (size_t i = 0; i < monitors.size(); ++i) {
        const ScreenRect& m = monitors[i];
        const int64_t width = std::min<int64_t>(rect.right, m.right) - std::max<int64_t>(rect.left, m.left);
        const int64_t height = std::min<int64_t>(rect.bottom, m.bottom) - std::max<int64_t>(rect.top, m.top);
        if (width <= 0 || height <= 0 || width * height <= bestArea) continue;
        bestArea = width * height;
        best = i;
    }
    return best;
}

namespace {

// The least move along one axis that puts [low, low + length) inside [areaLow, areaHigh); the
// low edge wins when the span is longer than the area.
int64_t AxisMoveInside(int64_t low, int64_t length, int64_t areaLow, int64_t areaHigh) {
    if (low < areaLow || length > areaHigh - areaLow) return areaLow - low;
    if (low + length > areaHigh) return areaHigh - (low + length);
    return 0;
}

}  // namespace

ScreenRect PlaceForNewDpi(const ScreenRect& suggested, int32_t width, int32_t height, const ScreenRect& current,
                          const std::vector<ScreenRect>& monitors) {
    ScreenRect placed{suggested.left, suggested.top, SaturatingAdd(suggested.left, width),
                      SaturatingAdd(suggested.top, height)};
    const size_t target = MonitorOfRect(current, monitors);
    if (target >= monitors.size() || MonitorOfRect(placed, monitors) == target) return placed;
    const ScreenRect& m = monitors[target];
    const int64_t dx = AxisMoveInside(placed.left, width, m.left, m.right);
    const int64_t dy = AxisMoveInside(placed.top, height, m.top, m.bottom);
    placed.left = SaturatingAdd(placed.left, dx);
    placed.top = SaturatingAdd(placed.top, dy);
    placed.right = SaturatingAdd(placed.left, width);
    placed.bottom = SaturatingAdd(placed.top, height);
    return placed;
}

PointF PointForPlacedFrame(PointF point, const FrameRectangle& frameAtNewScale, const ScreenRect& placed) {
    return PointF{static_cast<float>(point.x + static_cast<double>(int64_t{placed.left} - frameAtNewScale.left)),
                  static_cast<float>(point.y + static_cast<double>(int64_t{placed.top} - frameAtNewScale.top))};
}
