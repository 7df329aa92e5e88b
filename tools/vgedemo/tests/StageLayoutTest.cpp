#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "CCharacterModel.h"
#include "StageLayout.h"

namespace {

struct Screen {
    int32_t width, height;
};
const Screen kScreens[] = {{640, 480}, {1024, 768}, {1280, 1024}, {1920, 1080}, {3840, 2160}};

// The character window is 160 x 200 around the reference point: it must fit on the screen.
bool WindowFits(StagePoint point, const Screen& screen) {
    return point.x - 80 >= 0 && point.x + 80 <= screen.width && point.y - 200 >= 0 && point.y <= screen.height;
}

bool InScene(const StageRect& scene, StagePoint point) {
    return point.x >= scene.left && point.x < scene.left + scene.width && point.y >= scene.top &&
           point.y < scene.top + scene.height;
}

}  // namespace

TEST(vgedemo_Stage, BothCharactersStartOnTheGroundOnTheScreenPipLeftOfBall) {
    for (const Screen& screen : kScreens) {
        const StageLayout layout = LayoutFor(screen.width, screen.height);
        SCOPED_TRACE(std::to_string(screen.width) + "x" + std::to_string(screen.height));
        EXPECT_EQ(layout.pipStart.y, layout.groundY);
        EXPECT_EQ(layout.ballStart.y, layout.groundY);
        EXPECT_TRUE(WindowFits(layout.pipStart, screen));
        EXPECT_TRUE(WindowFits(layout.ballStart, screen));
        EXPECT_LT(layout.pipStart.x, layout.ballStart.x);
        EXPECT_LE(layout.rightLimit + 80, screen.width) << "a rolled ball stays on the screen";
    }
}

TEST(vgedemo_Stage, TheSceneHoldsEveryPlaceTheCharactersGoAndLiesOnTheScreen) {
    for (const Screen& screen : kScreens) {
        const StageLayout layout = LayoutFor(screen.width, screen.height);
        const StageRect& scene = layout.scene;
        SCOPED_TRACE(std::to_string(screen.width) + "x" + std::to_string(screen.height));
        EXPECT_GE(scene.left, 0);
        EXPECT_GE(scene.top, 0);
        EXPECT_LE(scene.left + scene.width, screen.width);
        EXPECT_LE(scene.top + scene.height, screen.height);
        for (const StagePoint point : {layout.pipStart, layout.ballStart, StagePoint{layout.rightLimit, layout.groundY}}) {
            EXPECT_TRUE(InScene(scene, point));
            EXPECT_TRUE(InScene(scene, StagePoint{point.x, point.y - 199})) << "the top of the character window";
        }
    }
}

TEST(vgedemo_Stage, PipWalksRightToWhereHisKickPlacesTheBallOnItsSpot) {
    const StageLayout layout = LayoutFor(1280, 1024);
    const int32_t spot = KickSpotFor(layout, layout.ballStart.x);
    EXPECT_EQ(spot - layout.pipStart.x, kRunUp) << "the first walk";
    EXPECT_EQ(spot + kKickReach, layout.ballStart.x) << "the kick puts the ball where it lay";
}

TEST(vgedemo_Stage, TheBallRollsNoFurtherThanTheRightLimit) {
    const StageLayout layout = LayoutFor(1280, 1024);
    EXPECT_EQ(RollTargetFor(layout, 500), 500 + kRollDistance);
    EXPECT_EQ(RollTargetFor(layout, layout.rightLimit - 10), layout.rightLimit);
}

TEST(vgedemo_Stage, ANewRoundStartsWhenPipCannotReachTheBall) {
    const StageLayout layout = LayoutFor(1280, 1024);
    const int32_t ground = layout.groundY;
    EXPECT_FALSE(NeedsNewRound(layout, layout.pipStart, layout.ballStart));
    const StagePoint afterKick{KickSpotFor(layout, layout.ballStart.x), ground};
    const StagePoint rolled{RollTargetFor(layout, layout.ballStart.x), ground};
    EXPECT_FALSE(NeedsNewRound(layout, afterKick, rolled)) << "room for another kick";
    EXPECT_TRUE(NeedsNewRound(layout, afterKick, StagePoint{layout.rightLimit - kRollDistance + 1, ground}));
    EXPECT_TRUE(NeedsNewRound(layout, afterKick, StagePoint{afterKick.x + kKickReach - 1, ground}))
        << "the ball behind Pip's kick spot";
    EXPECT_TRUE(NeedsNewRound(layout, layout.pipStart, StagePoint{layout.ballStart.x, ground - 30})) << "ball lifted";
    EXPECT_TRUE(NeedsNewRound(layout, StagePoint{layout.pipStart.x, ground + 1}, layout.ballStart)) << "Pip dragged";
}

// The engine draws a system-aware client's characters at s = DPI / 96: at 150 % the kick puts
// the ball 87 pixels ahead, and the round's walks and the scene grow with it.
TEST(vgedemo_Stage, AtTheSystemScaleTheDistancesFromThePicturesScaleToo) {
    const StageLayout plain = LayoutFor(1920, 1080);
    const StageLayout scaled = LayoutFor(1920, 1080, 144);
    EXPECT_EQ(scaled.kickReach, 87);
    EXPECT_EQ(scaled.runUp, 360);
    EXPECT_EQ(KickSpotFor(scaled, scaled.ballStart.x) + 87, scaled.ballStart.x) << "the ball lands where it lay";
    EXPECT_EQ(KickSpotFor(scaled, scaled.ballStart.x) - scaled.pipStart.x, 360) << "the first walk";
    EXPECT_EQ(RollTargetFor(scaled, 500), 800);
    EXPECT_EQ(scaled.groundY - scaled.scene.top, 345) << "the tallest window at 150 %, with its margin";
    EXPECT_EQ(plain.kickReach, kKickReach);
    EXPECT_FALSE(NeedsNewRound(scaled, scaled.pipStart, scaled.ballStart));
    const StagePoint afterKick{KickSpotFor(scaled, scaled.ballStart.x), scaled.groundY};
    EXPECT_FALSE(NeedsNewRound(scaled, afterKick, StagePoint{RollTargetFor(scaled, scaled.ballStart.x), scaled.groundY}));
}

TEST(vgedemo_Stage, KickReachIsTheSamplePipsBallOriginAheadOfHisAnchor) {
    const char* samples = std::getenv("VIMRO_SAMPLES");
    ASSERT_NE(samples, nullptr) << "VIMRO_SAMPLES is not set";
    const CCharacterModel pip((std::filesystem::path(samples) / "Pip.rux").string());
    ASSERT_FALSE(pip.IsFailed());
    const CAnimation* kick = pip.FindAnimation("Kick");
    ASSERT_NE(kick, nullptr);
    ASSERT_FALSE(kick->frames.empty());
    const CFrame& last = kick->frames.back();
    const PointF* ball = last.FindOrigin("ball");
    ASSERT_NE(ball, nullptr);
    EXPECT_EQ(static_cast<int32_t>(ball->x - last.anchor.x), kKickReach);
    EXPECT_EQ(ball->y, last.anchor.y) << "the ball lands on Pip's ground line";
}
