#include "StageLayout.h"

#include <algorithm>

namespace {

// The tallest picture of the samples (Pip's 120 and the character window's 200) above the
// ground, with a margin: the scene holds every picture the demo shows (at 96 DPI).
constexpr int32_t kSceneAbove = 230;
constexpr int32_t kSceneBelow = 60;
constexpr int32_t kSceneMargin = 100;

}  // namespace

int32_t ScaledForDpi(int32_t pixels, uint32_t dpi) {
    return static_cast<int32_t>((static_cast<int64_t>(pixels) * dpi + 48) / 96);
}

StageLayout LayoutFor(int32_t screenWidth, int32_t screenHeight, uint32_t dpi) {
    StageLayout layout;
    layout.dpi = dpi;
    layout.kickReach = ScaledForDpi(kKickReach, dpi);
    layout.rollDistance = ScaledForDpi(kRollDistance, dpi);
    layout.runUp = ScaledForDpi(kRunUp, dpi);
    layout.groundY = screenHeight * 62 / 100;
    layout.pipStart = {screenWidth * 18 / 100, layout.groundY};
    layout.ballStart = {layout.pipStart.x + layout.runUp + layout.kickReach, layout.groundY};
    layout.rightLimit = screenWidth * 85 / 100;
    const int32_t margin = ScaledForDpi(kSceneMargin, dpi);
    const int32_t left = std::max(0, layout.pipStart.x - margin);
    const int32_t top = std::max(0, layout.groundY - ScaledForDpi(kSceneAbove, dpi));
    const int32_t right = std::min(screenWidth, layout.rightLimit + margin);
    const int32_t bottom = std::min(screenHeight, layout.groundY + ScaledForDpi(kSceneBelow, dpi));
    layout.scene = {left, top, right - left, bottom - top};
    return layout;
}

int32_t KickSpotFor(const StageLayout& layout, int32_t ballX) { return ballX - layout.kickReach; }

int32_t RollTargetFor(const StageLayout& layout, int32_t ballX) {
    return std::min(ballX + layout.rollDistance, layout.rightLimit);
}

bool NeedsNewRound(const StageLayout& layout, StagePoint pip, StagePoint ball) {
    if (pip.y != layout.groundY || ball.y != layout.groundY) return true;
    if (KickSpotFor(layout, ball.x) < pip.x) return true;
    return ball.x + layout.rollDistance > layout.rightLimit;
}
