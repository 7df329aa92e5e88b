#include "StageLayout.h"

#include <algorithm>

namespace {

// The tallest picture of the samples (Pip's 120 and the character window's 200) above the
// ground, with a margin: the scene holds every picture the demo shows.
constexpr int32_t kSceneAbove = 230;
constexpr int32_t kSceneBelow = 60;
constexpr int32_t kSceneMargin = 100;

}  // namespace

StageLayout LayoutFor(int32_t screenWidth, int32_t screenHeight) {
    StageLayout layout;
    layout.groundY = screenHeight * 62 / 100;
    layout.pipStart = {screenWidth * 18 / 100, layout.groundY};
    layout.ballStart = {layout.pipStart.x + kRunUp + kKickReach, layout.groundY};
    layout.rightLimit = screenWidth * 85 / 100;
    const int32_t left = std::max(0, layout.pipStart.x - kSceneMargin);
    const int32_t top = std::max(0, layout.groundY - kSceneAbove);
    const int32_t right = std::min(screenWidth, layout.rightLimit + kSceneMargin);
    const int32_t bottom = std::min(screenHeight, layout.groundY + kSceneBelow);
    layout.scene = {left, top, right - left, bottom - top};
    return layout;
}

int32_t KickSpotFor(int32_t ballX) { return ballX - kKickReach; }

int32_t RollTargetFor(const StageLayout& layout, int32_t ballX) {
    return std::min(ballX + kRollDistance, layout.rightLimit);
}

bool NeedsNewRound(const StageLayout& layout, StagePoint pip, StagePoint ball) {
    if (pip.y != layout.groundY || ball.y != layout.groundY) return true;
    if (KickSpotFor(ball.x) < pip.x) return true;
    return ball.x + kRollDistance > layout.rightLimit;
}
