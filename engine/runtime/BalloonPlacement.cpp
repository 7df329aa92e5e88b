#include "BalloonPlacement.h"

#include <algorithm>

namespace {

// The start of a span of the given length inside [low, high), as near to wanted as it goes;
// low when the span is longer than the room.
int64_t FitSpan(int64_t wanted, int64_t length, int64_t low, int64_t high) {
    if (length >= high - low) return low;
    return std::clamp(wanted, low, high - length);
}

int32_t Narrow(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

BalloonPlacement PlaceBalloon(const ScreenRect& frame, const BalloonGeometry& geometry, const ScreenRect& workArea) {
    const int64_t width = std::max(geometry.bodyWidth, 1), height = std::max(geometry.bodyHeight, 1);
    const int64_t tail = std::max(geometry.tailLength, 0);
    const int64_t centreX = (static_cast<int64_t>(frame.left) + frame.right) / 2;
    const int64_t left = FitSpan(centreX - width / 2, width, workArea.left, workArea.right);

    // Above when the body and the tail fit between the work area's top and the frame; else
    // below when they fit under it; else on the side with more room, moved onto the area.
    const int64_t roomAbove = static_cast<int64_t>(frame.top) - workArea.top;
    const int64_t roomBelow = static_cast<int64_t>(workArea.bottom) - frame.bottom;
    const bool below = roomAbove < height + tail && (roomBelow >= height + tail || roomBelow > roomAbove);
    const int64_t wantedTop = below ? static_cast<int64_t>(frame.bottom) + tail : static_cast<int64_t>(frame.top) - tail - height;
    const int64_t top = FitSpan(wantedTop, height, workArea.top, workArea.bottom);

    BalloonPlacement placement;
    placement.below = below;
    placement.body = {Narrow(left), Narrow(top), Narrow(left + width), Narrow(top + height)};
    const int64_t margin = std::max(geometry.cornerRadius, 0) + std::max(geometry.tailHalfWidth, 0);
    const int64_t baseX = margin * 2 < width ? std::clamp(centreX, left + margin, left + width - margin) : left + width / 2;
    const int64_t baseY = below ? top : top + height;
    placement.tailBase = {Narrow(baseX), Narrow(baseY)};
    // The tip leans toward the character's centre, at most one tail length sideways and never
    // beyond the body's sides.
    const int64_t tipX = std::clamp(centreX, std::max(baseX - tail, left), std::min(baseX + tail, left + width - 1));
    // A frame partly off the work area would draw the tip off it too: the tip stays on it.
    const int64_t tipY = std::clamp<int64_t>(below ? baseY - tail : baseY + tail, workArea.top,
                                             std::max<int64_t>(workArea.top, static_cast<int64_t>(workArea.bottom) - 1));
    placement.tailTip = {Narrow(tipX), Narrow(tipY)};
    const int64_t halfBase = std::max(geometry.tailHalfWidth, 0);
    placement.window = {Narrow(std::min({left, tipX, baseX - halfBase})), Narrow(std::min(top, tipY)),
                        Narrow(std::max({left + width, tipX + 1, baseX + halfBase + 1})),
                        Narrow(std::max(top + height, tipY + 1))};
    return placement;
}
