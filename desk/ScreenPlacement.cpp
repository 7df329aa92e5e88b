#include "ScreenPlacement.h"

#include <algorithm>
#include <cstdint>

namespace desk {

namespace {

DeskRect WindowAt(DeskPoint point, CharacterBox box) {
    return {point.x + box.left, point.y + box.top, point.x + box.right, point.y + box.bottom};
}

bool Contains(const DeskRect& area, const DeskRect& window) {
    return window.left >= area.left && window.top >= area.top && window.right <= area.right &&
           window.bottom <= area.bottom;
}

int64_t Overlap(const DeskRect& a, const DeskRect& b) {
    const int64_t width = std::min<int64_t>(a.right, b.right) - std::max<int64_t>(a.left, b.left);
    const int64_t height = std::min<int64_t>(a.bottom, b.bottom) - std::max<int64_t>(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

// How far apart two rectangles are (0 when they touch or overlap), squared.
int64_t DistanceSquared(const DeskRect& a, const DeskRect& b) {
    const int64_t dx = std::max<int64_t>({0, int64_t{b.left} - a.right, int64_t{a.left} - b.right});
    const int64_t dy = std::max<int64_t>({0, int64_t{b.top} - a.bottom, int64_t{a.top} - b.bottom});
    return dx * dx + dy * dy;
}

const DeskRect& ChooseArea(const DeskRect& window, const std::vector<DeskRect>& workAreas) {
    const DeskRect* best = &workAreas.front();
    int64_t bestOverlap = -1;
    int64_t bestDistance = INT64_MAX;
    for (const DeskRect& area : workAreas) {
        const int64_t overlap = Overlap(window, area);
        const int64_t distance = DistanceSquared(window, area);
        if (overlap > bestOverlap || (overlap == 0 && bestOverlap == 0 && distance < bestDistance)) {
            best = &area;
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    return *best;
}

// The shift along one axis that brings [low, high) inside [areaLow, areaHigh); a span larger
// than the area starts at its low edge.
long ShiftInto(long low, long high, long areaLow, long areaHigh) {
    if (high - low >= areaHigh - areaLow || low < areaLow) return areaLow - low;
    if (high > areaHigh) return areaHigh - high;
    return 0;
}

}  // namespace

DeskPoint KeepOnScreen(DeskPoint point, CharacterBox box, const std::vector<DeskRect>& workAreas) {
    if (workAreas.empty()) return point;
    const DeskRect window = WindowAt(point, box);
    for (const DeskRect& area : workAreas) {
        if (Contains(area, window)) return point;
    }
    const DeskRect& area = ChooseArea(window, workAreas);
    return {point.x + ShiftInto(window.left, window.right, area.left, area.right),
            point.y + ShiftInto(window.top, window.bottom, area.top, area.bottom)};
}

DeskPoint BringBack(DeskPoint point, CharacterBox box, DeskRect primaryWorkArea) {
    return KeepOnScreen(point, box, {primaryWorkArea});
}

}  // namespace desk
