// The preview player, stepped with a fake clock, and the preview area's position rules.
#include <gtest/gtest.h>

#include <chrono>

#include "CCharacterModel.h"
#include "CPreviewPlayer.h"
#include "PreviewArea.h"
#include "TestModels.h"

namespace {

CFrame Frame(float shiftX, float shiftY, uint32_t displayTime, const std::string& sound = "") {
    CFrame frame;
    frame.shift = {shiftX, shiftY};
    frame.displayTime = displayTime;
    frame.sound = sound;
    return frame;
}

struct Preview {
    explicit Preview(std::vector<CFrame> frames, uint32_t startTick = 1000) : player(&character) {
        CAnimation animation;
        animation.frames = std::move(frames);
        character.FileAnimation("Walk", animation);
        player.SetAnimation("Walk");
        player.Start(startTick);
    }
    CCharacterModel character;
    CPreviewPlayer player;
};

}  // namespace

TEST(PreviewPlayer, MovementWithinAFrameIsLinear) {
    Preview p({Frame(10, 0, 400), Frame(0, 0, 400)});
    ASSERT_TRUE(p.player.Update(1100));
    EXPECT_FLOAT_EQ(p.player.Position().x, 2.5f);
    EXPECT_EQ(p.player.FrameIndex(), 0u);
    ASSERT_TRUE(p.player.Update(1400));
    EXPECT_FLOAT_EQ(p.player.Position().x, 10.0f);
    EXPECT_FLOAT_EQ(p.player.AppliedMovement().x, 0.0f);
}

TEST(PreviewPlayer, ALateTickPassesEveryFrameDueAndKeepsTheLastSound) {
    Preview p({Frame(1, 2, 100, "a.wav"), Frame(1, 2, 100, "b.wav"), Frame(1, 2, 100), Frame(2, 0, 100)});
    ASSERT_TRUE(p.player.Update(1350));
    EXPECT_EQ(p.player.FrameIndex(), 3u);
    EXPECT_FLOAT_EQ(p.player.Position().x, 4.0f) << "three whole shifts and half of the fourth";
    EXPECT_FLOAT_EQ(p.player.Position().y, 6.0f);
    EXPECT_EQ(p.player.TakePendingSound(), std::optional<std::string>("b.wav"));
    EXPECT_FALSE(p.player.TakePendingSound().has_value()) << "a sound plays once";
}

TEST(PreviewPlayer, TheAnimationRepeats) {
    Preview p({Frame(3, 0, 100), Frame(4, 0, 100, "step.wav")});
    ASSERT_TRUE(p.player.Update(1000 + 450));  // two rounds and a quarter of frame 0
    EXPECT_EQ(p.player.FrameIndex(), 0u);
    EXPECT_FLOAT_EQ(p.player.Position().x, 2 * 7 + 0.5f * 3);
    EXPECT_EQ(p.player.TakePendingSound(), std::optional<std::string>("step.wav"));
}

TEST(PreviewPlayer, ALongPauseSkipsWholePassesAtOnce) {
    // 3 ms a pass; the machine slept for 4 billion ticks: about 1.3 billion passes to catch up.
    Preview p({Frame(2, 0, 1, "step.wav"), Frame(0, 1, 2)}, 0);
    const auto before = std::chrono::steady_clock::now();
    ASSERT_TRUE(p.player.Update(3999999999u));  // whole passes only
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(1)) << "passes were stepped one by one";
    EXPECT_EQ(p.player.FrameIndex(), 0u);
    EXPECT_FLOAT_EQ(p.player.Position().x, 2.0f * 1333333333);
    EXPECT_EQ(p.player.TakePendingSound(), std::optional<std::string>("step.wav"));

    Preview q({Frame(2, 0, 1, "step.wav"), Frame(0, 4, 2)}, 500);
    ASSERT_TRUE(q.player.Update(500 + 3000000 + 2));  // a million passes, frame 0 and half of frame 1
    EXPECT_EQ(q.player.FrameIndex(), 1u);
    EXPECT_FLOAT_EQ(q.player.Position().x, 2.0f * 1000001);
    EXPECT_FLOAT_EQ(q.player.Position().y, 4.0f * 1000000 + 2.0f);
    EXPECT_FLOAT_EQ(q.player.AppliedMovement().y, 2.0f);
    ASSERT_TRUE(q.player.Update(500 + 3000000 + 3));
    EXPECT_FLOAT_EQ(q.player.Position().y, 4.0f * 1000001) << "the frame's shift is added exactly once";
}

TEST(PreviewPlayer, TheTickCounterMayWrap) {
    Preview p({Frame(10, 0, 200), Frame(0, 0, 200)}, 0xFFFFFF9Cu);  // 100 ms before the wrap
    ASSERT_TRUE(p.player.Update(100));
    EXPECT_FLOAT_EQ(p.player.Position().x, 10.0f);
    EXPECT_EQ(p.player.FrameIndex(), 1u);
}

TEST(PreviewPlayer, FramesOfZeroMillisecondsStillEndEachUpdate) {
    Preview p({Frame(1, 0, 0, "a.wav"), Frame(2, 0, 0), Frame(4, 0, 0)});
    ASSERT_TRUE(p.player.Update(1000 + 100));
    EXPECT_EQ(p.player.FrameIndex(), 1u) << "one frame per update";
    ASSERT_TRUE(p.player.Update(1000 + 200));
    ASSERT_TRUE(p.player.Update(1000 + 300));
    EXPECT_EQ(p.player.FrameIndex(), 0u) << "and round again";
    EXPECT_FLOAT_EQ(p.player.Position().x, 7.0f);
    EXPECT_EQ(p.player.TakePendingSound(), std::optional<std::string>("a.wav"));
}

TEST(PreviewPlayer, ZeroFramesAmongTimedOnesPassAtOnce) {
    Preview p({Frame(1, 0, 0, "zero.wav"), Frame(2, 0, 100), Frame(4, 0, 0)});
    ASSERT_TRUE(p.player.Update(1000 + 150));
    EXPECT_EQ(p.player.FrameIndex(), 1u);
    EXPECT_FLOAT_EQ(p.player.Position().x, 1 + 2 + 4 + 1 + 0.5f * 2) << "round once, then half of frame 1";
}

TEST(PreviewPlayer, AFramelessAnimationPlaysNothing) {
    Preview p({});
    EXPECT_TRUE(p.player.Update(5000));
    const auto picture = p.player.Picture(50, 50);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->frame, nullptr);
    EXPECT_EQ(p.player.Position(), (PointF{0, 0}));
}

TEST(PreviewPlayer, AMissingAnimationOrCharacterIsReported) {
    CCharacterModel character;
    CPreviewPlayer player(&character);
    player.SetAnimation("Nothing");
    player.Start(0);
    EXPECT_FALSE(player.Update(100));
    EXPECT_FALSE(player.Picture(0, 0).has_value());
    CPreviewPlayer unbound;
    unbound.Start(0);
    EXPECT_FALSE(unbound.Update(100));
}

TEST(PreviewPlayer, TheAnimationIsFixedOnceStarted) {
    Preview p({Frame(0, 0, 100)});
    EXPECT_FALSE(p.player.SetAnimation("Other"));
    EXPECT_TRUE(p.player.Update(1050));
}

TEST(PreviewPlayer, ThePictureIsPlacedByItsAnchor) {
    CFrame frame = Frame(0, 0, 100);
    frame.image = CBryDIB(testing_models::PatternBlock(8, 8, 24));
    frame.anchor = {3.5f, 6.0f};
    Preview p({Frame(0, 0, 100), frame});
    ASSERT_TRUE(p.player.Picture(20, 20).has_value());
    EXPECT_EQ(p.player.Picture(20, 20)->frame, nullptr) << "frame 0 has no picture";
    p.player.Update(1150);
    const auto picture = p.player.Picture(20.9f, 20);
    ASSERT_TRUE(picture.has_value());
    ASSERT_NE(picture->frame, nullptr);
    EXPECT_EQ(picture->left, 17) << "20.9 - 3.5 truncated";
    EXPECT_EQ(picture->top, 14);
}

TEST(PreviewArea, WalkersWrapAtTheEdges) {
    EXPECT_EQ(WrappedPosition({201, 50}, 200, 100), (PointF{0, 50})) << "out at the right, in at the left";
    EXPECT_EQ(WrappedPosition({-0.5f, 50}, 200, 100), (PointF{200, 50})) << "out at the left, in at the right";
    EXPECT_EQ(WrappedPosition({20, 100.5f}, 200, 100), (PointF{20, 0}));
    EXPECT_EQ(WrappedPosition({20, -3}, 200, 100), (PointF{20, 100}));
}

TEST(PreviewArea, APointOnAnEdgeStaysThere) {
    const PointF once = WrappedPosition({0, 100}, 200, 100);
    EXPECT_EQ(once, (PointF{0, 100}));
    EXPECT_EQ(WrappedPosition(once, 200, 100), once);
}

TEST(PreviewArea, TheMiddleIsInWholePixels) { EXPECT_EQ(AreaMiddle(201, 99), (PointF{100, 49})); }

TEST(PreviewPlayer, ASoundNameTheEngineWouldRefusePlaysNothingAndThePreviewGoesOn) {
    const std::string share = "\\\\host\\share\\a.wav";
    for (const std::string& refused : {share, std::string("c:\\windows\\media\\ding.wav"), std::string("..")}) {
        Preview p({Frame(1, 0, 100, refused), Frame(1, 0, 100, "ok.wav"), Frame(1, 0, 100)});
        ASSERT_TRUE(p.player.Update(1150));
        EXPECT_FALSE(p.player.TakePendingSound().has_value()) << refused;
        EXPECT_EQ(p.player.FrameIndex(), 1u);
        ASSERT_TRUE(p.player.Update(1250));
        EXPECT_EQ(p.player.TakePendingSound(), std::optional<std::string>("ok.wav"));
        EXPECT_EQ(p.character.FindAnimation("Walk")->frames[0].sound, refused) << "the frame keeps its name as stored";
    }
}
