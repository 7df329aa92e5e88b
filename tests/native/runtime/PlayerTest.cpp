// The animation player, driven tick by tick with a fake clock.
#include <gtest/gtest.h>

#include "CAnimationPlayer.h"
#include "CCharacterModel.h"
#include "PictureDecoder.h"
#include "Surface.h"

namespace {

CFrame Frame(float shiftX, float shiftY, uint32_t displayTime, const std::string& sound = "") {
    CFrame frame;
    frame.shift = {shiftX, shiftY};
    frame.displayTime = displayTime;
    frame.sound = sound;
    return frame;
}

CCharacterModel ModelWith(const std::string& name, std::vector<CFrame> frames) {
    CCharacterModel model;
    CAnimation animation;
    animation.frames = std::move(frames);
    model.FileAnimation(name, animation);
    return model;
}

struct PlayerFixture {
    explicit PlayerFixture(CCharacterModel m) : model(std::move(m)), player(&model) {}
    bool Play(const std::string& name, PointF from, PointF to, bool playOnce, uint32_t tick = 1000) {
        player.SetPosition(from);
        const bool accepted = player.Prepare(name, to.x, to.y, playOnce);
        player.Start(tick);
        return accepted;
    }
    CCharacterModel model;
    CAnimationPlayer player;
};

}  // namespace

TEST(Player, MovementWithinAFrameIsLinear) {
    PlayerFixture f(ModelWith("Walk", {Frame(10, 0, 400), Frame(10, 0, 400)}));
    f.Play("Walk", {0, 0}, {0, 0}, true);
    f.player.Step(1100);
    EXPECT_FLOAT_EQ(f.player.Position().x, 2.5f);
    EXPECT_FLOAT_EQ(f.player.Applied().x, 2.5f);
    f.player.Step(1400);
    EXPECT_FLOAT_EQ(f.player.Position().x, 10.0f);
    EXPECT_FLOAT_EQ(f.player.Applied().x, 0.0f);
    EXPECT_EQ(f.player.FrameIndex(), 1);
    EXPECT_TRUE(f.player.IsRunning());
}

TEST(Player, ALateTickPassesEveryFrameDueAndKeepsTheLastSound) {
    PlayerFixture f(ModelWith("Talk", {Frame(1, 0, 100, "a.wav"), Frame(1, 0, 100, "b.wav"), Frame(1, 0, 100),
                                       Frame(1, 0, 100, "d.wav"), Frame(1, 0, 5000, "e.wav")}));
    f.Play("Talk", {0, 0}, {0, 0}, true);
    f.player.Step(2000);
    EXPECT_EQ(f.player.FrameIndex(), 4);
    EXPECT_TRUE(f.player.IsSoundPending());
    EXPECT_EQ(f.player.PendingSound(), "d.wav");
    EXPECT_NEAR(f.player.Position().x, 4.0f + 600.0f / 5000.0f, 1e-4);
}

TEST(Player, StillAnimationSpreadsTheDestinationOverOnePass) {
    PlayerFixture f(ModelWith("Float", {Frame(0, 0, 100), Frame(0, 0, 100), Frame(0, 0, 100)}));
    ASSERT_TRUE(f.Play("Float", {10, 50}, {100, 50}, false));
    EXPECT_FLOAT_EQ(f.player.Extra().x, 30.0f);
    f.player.Step(1100);
    EXPECT_FLOAT_EQ(f.player.Position().x, 40.0f);
    f.player.Step(1300);
    EXPECT_FLOAT_EQ(f.player.Position().x, 100.0f);
    EXPECT_FALSE(f.player.IsRunning());
    EXPECT_EQ(f.player.FrameIndex(), 2);
}

TEST(Player, OneMovingAxisCountsFramesAndArrivesOnBothAxes) {
    PlayerFixture f(ModelWith("Walk", {Frame(5, 0, 100)}));
    ASSERT_TRUE(f.Play("Walk", {0, 0}, {20, 8}, false));
    EXPECT_FLOAT_EQ(f.player.Extra().y, 2.0f);
    EXPECT_FLOAT_EQ(f.player.Extra().x, 0.0f);
    f.player.Step(1400);
    EXPECT_FLOAT_EQ(f.player.Position().x, 20.0f);
    EXPECT_FLOAT_EQ(f.player.Position().y, 8.0f);
    EXPECT_FALSE(f.player.IsRunning()) << "within 2 pixels at the end of a pass";
}

TEST(Player, WalkingAwayOrInPlaceIsRefusedAndEndsAtOnce) {
    for (const auto& frames : {std::vector<CFrame>{Frame(5, 0, 100)},                   // away from the left
                               std::vector<CFrame>{Frame(5, 0, 100), Frame(-5, 0, 100)}}) {  // no net movement
        PlayerFixture f(ModelWith("Walk", frames));
        EXPECT_FALSE(f.Play("Walk", {100, 0}, {20, 8}, false));
        EXPECT_EQ(f.player.AnimationName(), "");
        f.player.Step(1100);
        EXPECT_FALSE(f.player.IsRunning());
    }
}

TEST(Player, TravelEndsWithinTwoPixelsOtherwiseRepeats) {
    // One pass moves 8.5: from 0 toward 10 the pass ends 1.5 short and stops there.
    PlayerFixture near(ModelWith("Walk", {Frame(4.25f, 0, 100), Frame(4.25f, 0, 100)}));
    near.Play("Walk", {0, 0}, {10, 0}, false);
    near.player.Step(1200);
    EXPECT_FALSE(near.player.IsRunning());
    EXPECT_FLOAT_EQ(near.player.Position().x, 8.5f);
    EXPECT_EQ(near.player.FrameIndex(), 1);
    // One pass of 8 ends exactly 2.0 short: it repeats and is clamped at the destination.
    PlayerFixture far(ModelWith("Walk", {Frame(4, 0, 100), Frame(4, 0, 100)}));
    far.Play("Walk", {0, 0}, {10, 0}, false);
    far.player.Step(1200);
    EXPECT_TRUE(far.player.IsRunning());
    EXPECT_EQ(far.player.FrameIndex(), 0);
    far.player.Step(1300);
    EXPECT_FLOAT_EQ(far.player.Position().x, 10.0f);
    EXPECT_FALSE(far.player.IsRunning());
}

TEST(Player, ATravelThatNoPassCanBringNearerEndsWithItsFirstPass) {
    // Asked to go where it already stands on the axis it walks: that axis never clamps.
    PlayerFixture there(ModelWith("Walk", {Frame(5, 0, 100), Frame(5, 0, 100)}));
    ASSERT_TRUE(there.Play("Walk", {100, 0}, {100, 30}, false));
    there.player.Step(1150);
    EXPECT_TRUE(there.player.IsRunning());
    there.player.Step(1200);
    EXPECT_FALSE(there.player.IsRunning());
    EXPECT_FLOAT_EQ(there.player.Position().x, 110.0f);
    EXPECT_EQ(there.player.FrameIndex(), 1);
    // Both axes move, away from the destination on both.
    PlayerFixture away(ModelWith("Climb", {Frame(5, 5, 100)}));
    away.Play("Climb", {0, 0}, {-50, -50}, false);
    away.player.Step(1100);
    EXPECT_FALSE(away.player.IsRunning());
    // Drifting away on y but nearing x: the x axis will be crossed and clamp, so it repeats.
    PlayerFixture nearing(ModelWith("Slide", {Frame(5, -50, 100)}));
    nearing.Play("Slide", {0, 0}, {100, 10}, false);
    nearing.player.Step(1300);
    EXPECT_TRUE(nearing.player.IsRunning());
    nearing.player.Step(3100);  // the 21st frame passes x = 100 and clamps
    EXPECT_FALSE(nearing.player.IsRunning());
    EXPECT_FLOAT_EQ(nearing.player.Position().x, 100.0f);
}

TEST(Player, PlayOnceClampsButPlaysThePassToItsEnd) {
    PlayerFixture f(ModelWith("Jump", {Frame(10, 0, 100), Frame(10, 0, 100), Frame(10, 0, 100)}));
    f.Play("Jump", {0, 0}, {15, 0}, true);
    f.player.Step(1200);
    EXPECT_FLOAT_EQ(f.player.Position().x, 15.0f);
    EXPECT_TRUE(f.player.IsRunning());
    f.player.Step(1300);
    EXPECT_FALSE(f.player.IsRunning());
    EXPECT_FLOAT_EQ(f.player.Position().x, 15.0f);
}

TEST(Player, AnAxisWhoseStartIsItsDestinationNeverClamps) {
    PlayerFixture f(ModelWith("Bob", {Frame(0, 3, 100), Frame(0, -3, 100)}));
    f.Play("Bob", {5, 5}, {5, 5}, true);
    f.player.Step(1100);
    EXPECT_FLOAT_EQ(f.player.Position().y, 8.0f);
}

TEST(Player, FrameRectTruncatesTowardZero) {
    CCharacterModel model = ModelWith("Stand", {Frame(0, 0, 100)});
    std::vector<uint8_t> pixels(20 * 30 * 3, 0);
    model.FindAnimation("Stand")->frames[0].image = CBryDIB(DibFromPixels(pixels.data(), 20, 30, 3));
    model.FindAnimation("Stand")->frames[0].anchor = {40.5f, 180.0f};
    PlayerFixture f(model);
    f.Play("Stand", {300.9f, 400.0f}, {0, 0}, true);
    EXPECT_EQ(f.player.CurrentFrameRect(), (FrameRectangle{260, 220, 280, 250}));
    f.player.SetPosition({-10.9f, 1e30f});
    EXPECT_EQ(f.player.CurrentFrameRect().left, -51) << "-51.4 truncates toward zero";
    EXPECT_EQ(f.player.CurrentFrameRect().top, 2147483647) << "saturates instead of overflowing";
    CAnimationPlayer unbound;
    unbound.SetPosition({7.9f, -3.9f});
    EXPECT_EQ(unbound.CurrentFrameRect(), (FrameRectangle{7, -3, 7, -3}));
}

TEST(Player, TickWrapCountsElapsedTimeModulo32Bits) {
    PlayerFixture f(ModelWith("Walk", {Frame(496, 0, 1000)}));
    f.Play("Walk", {0, 0}, {0, 0}, true, 4294967000u);
    f.player.Step(200);
    EXPECT_FLOAT_EQ(f.player.Position().x, 496.0f * 496.0f / 1000.0f);
}

TEST(Player, MissingAndFramelessAnimationsEndTheirFirstStep) {
    PlayerFixture f(ModelWith("Empty", {}));
    EXPECT_TRUE(f.Play("Empty", {0, 0}, {50, 50}, false));
    EXPECT_FALSE(f.player.Step(1100));
    EXPECT_FALSE(f.player.IsRunning());
    Surface surface(4, 4, 0);
    EXPECT_FALSE(f.player.DrawFrame(surface));
    EXPECT_TRUE(f.Play("Nope", {0, 0}, {50, 50}, false));
    f.player.Step(1100);
    EXPECT_FALSE(f.player.IsRunning());
}

TEST(Player, ZeroDisplayTimesRepeatingInTravelModeStayBounded) {
    PlayerFixture f(ModelWith("Spin", {Frame(0.5f, 0, 0), Frame(-0.4f, 0, 0)}));
    ASSERT_TRUE(f.Play("Spin", {0, 0}, {1000, 0}, false));
    f.player.Step(1100);  // must return
    EXPECT_TRUE(f.player.IsRunning());
    EXPECT_NEAR(f.player.Position().x, 0.1f, 1e-5) << "one pass per step";
}

TEST(Player, PrepareIsRefusedWhileRunning) {
    PlayerFixture f(ModelWith("Walk", {Frame(1, 0, 100)}));
    f.Play("Walk", {0, 0}, {0, 0}, true);
    EXPECT_FALSE(f.player.Prepare("Walk", 5, 5, true));
    f.player.StopRunning();
    EXPECT_TRUE(f.player.Prepare("Walk", 5, 5, true));
}
