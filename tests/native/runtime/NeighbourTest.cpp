// A character as a desktop neighbour: the client's size on top of the monitor's scale, and the
// rule for stepping out of the way of a full-screen program.
#include <gtest/gtest.h>

#include "CAnimationPlayer.h"
#include "CCharacterModel.h"
#include "CCharacterScene.h"
#include "DpiPolicy.h"
#include "FullScreenRule.h"
#include "PictureDecoder.h"
#include "RuntimeConstants.h"

namespace {

// A 20 x 10 picture with anchor (4, 8), the origin "ball" at (10, 2), and a walk of 10-pixel shifts.
CCharacterModel WalkingModel() {
    CCharacterModel model;
    CFrame frame;
    std::vector<uint8_t> pixels(20 * 10 * 3, 0x30);
    frame.image = CBryDIB(DibFromPixels(pixels.data(), 20, 10, 3));
    frame.anchor = {4, 8};
    frame.SetOrigin("ball", {10, 2});
    frame.shift = {10, 0};
    frame.displayTime = 100;
    CAnimation walk;
    walk.frames.assign(3, frame);
    model.FileAnimation("Walk", walk);
    return model;
}

struct Figures {
    FrameRectangle rect;
    float stepX;
    int32_t backWidth, backHeight;
};

Figures FiguresAt(DisplayScale scale) {
    static const CCharacterModel model = WalkingModel();
    CAnimationPlayer player(&model);
    player.SetScale(scale);
    player.SetPosition({100, 200});
    EXPECT_TRUE(player.Prepare("Walk", 0, 0, true));
    const FrameRectangle rect = player.CurrentFrameRect();
    player.Start(0);
    player.Step(100);
    CCharacterScene scene;
    scene.SetScale(scale);
    return Figures{rect, player.Position().x - 100.0f, scene.Back().Width(), scene.Back().Height()};
}

const ScreenRect kLeft{0, 0, 1280, 1024};
const ScreenRect kRight{1280, 0, 2304, 768};

FullScreenFacts OnLeftMonitor(ScreenRect window, bool maximised = false) {
    FullScreenFacts facts;
    facts.foreground.candidate = true;
    facts.foreground.maximised = maximised;
    facts.foreground.rect = window;
    facts.character = {600, 500, 760, 700};
    facts.monitors = {kLeft, kRight};
    return facts;
}

}  // namespace

TEST(ClientScale, MultipliesTheMonitorScaleWithinBounds) {
    const DisplayScale at96 = DisplayScale::FromDpi(96);
    EXPECT_EQ(at96.AtPercent(100), at96);
    EXPECT_TRUE(at96.AtPercent(100).IsUnit());
    EXPECT_DOUBLE_EQ(at96.AtPercent(200).Factor(), 2.0);
    EXPECT_DOUBLE_EQ(DisplayScale::FromDpi(144).AtPercent(200).Factor(), 3.0);
    EXPECT_EQ(at96.AtPercent(50).Length(kDrawingWidth), 80);
    EXPECT_EQ(at96.AtPercent(33).Length(kDrawingHeight), 66);
    EXPECT_EQ(at96.AtPercent(10).Percent(), 25u) << "the lowest size";
    EXPECT_EQ(at96.AtPercent(1000).Percent(), 400u) << "the highest size";
    EXPECT_DOUBLE_EQ(DisplayScale::FromDpi(960).AtPercent(400).Factor(), 10.0) << "never past ten times";
    EXPECT_DOUBLE_EQ(DisplayScale::FromDpi(24).AtPercent(25).Factor(), 0.25) << "never below a quarter";
    EXPECT_NE(at96.AtPercent(200), DisplayScale::FromDpi(192)) << "another scale for the picture cache";
    for (const DisplayScale scale : {at96.AtPercent(250), DisplayScale::FromDpi(144).AtPercent(25), DisplayScale{}})
        EXPECT_EQ(DisplayScale::FromPacked(scale.Packed()), scale);
}

TEST(ClientScale, TwiceTheSizeIsTheFiguresOfTwiceTheDpi) {
    const Figures unit = FiguresAt(DisplayScale{});
    EXPECT_EQ(unit.rect, (FrameRectangle{96, 192, 116, 202}));
    EXPECT_FLOAT_EQ(unit.stepX, 10.0f);
    for (const uint32_t dpi : {96u, 144u}) {
        const Figures chosen = FiguresAt(DisplayScale::FromDpi(dpi).AtPercent(200));
        const Figures twice = FiguresAt(DisplayScale::FromDpi(dpi * 2));
        EXPECT_EQ(chosen.rect, twice.rect) << dpi;
        EXPECT_FLOAT_EQ(chosen.stepX, twice.stepX) << dpi;
        EXPECT_EQ(chosen.backWidth, kDrawingWidth * static_cast<int32_t>(dpi) / 48) << dpi;
        EXPECT_EQ(chosen.backHeight, twice.backHeight) << dpi;
    }
}

TEST(ClientScale, EveryAwarenessCarriesItAndADpiChangeKeepsIt) {
    DpiFacts facts{WindowAwareness::Unaware, true, 144, 0, 200};
    EXPECT_DOUBLE_EQ(CharacterScale(facts).Factor(), 2.0) << "an unaware window is at 96 DPI";
    facts.awareness = WindowAwareness::PerMonitor;
    EXPECT_DOUBLE_EQ(CharacterScale(facts).Factor(), 3.0);
    const DpiChangeAction same = DecideDpiChange(facts, DisplayScale::FromDpi(144).AtPercent(200));
    EXPECT_FALSE(same.rescale);
    facts.windowDpi = 96;
    const DpiChangeAction moved = DecideDpiChange(facts, DisplayScale::FromDpi(144).AtPercent(200));
    EXPECT_TRUE(moved.rescale);
    EXPECT_EQ(moved.scale.Percent(), 200u);
}

TEST(FullScreenRule, AWindowCoveringTheCharactersMonitorCounts) {
    EXPECT_TRUE(ShouldStepAside(OnLeftMonitor(kLeft)));
    EXPECT_TRUE(ShouldStepAside(OnLeftMonitor({-8, -8, 1288, 1032}))) << "borders past the edges";
    EXPECT_FALSE(ShouldStepAside(OnLeftMonitor({0, 0, 1280, 1023}))) << "one row short";
    EXPECT_FALSE(ShouldStepAside(OnLeftMonitor({-8, -8, 1288, 1032}, true)))
        << "maximised, even over an auto-hiding taskbar";
    EXPECT_FALSE(ShouldStepAside(OnLeftMonitor(kRight))) << "the other monitor";
    FullScreenFacts facts = OnLeftMonitor(kLeft);
    facts.foreground.candidate = false;
    EXPECT_FALSE(ShouldStepAside(facts)) << "this process, the desktop or nothing";
    facts = OnLeftMonitor(kLeft);
    facts.character = {3000, 100, 3160, 300};
    EXPECT_FALSE(ShouldStepAside(facts)) << "a character on no monitor";
    facts.character = {1200, 100, 1360, 300};
    EXPECT_FALSE(ShouldStepAside(facts)) << "mostly on the other monitor";
}

TEST(FullScreenRule, TheSystemsNotificationStateCountsOnTheForegroundsMonitor) {
    FullScreenFacts facts = OnLeftMonitor({100, 100, 1100, 900}, true);
    facts.state = NotificationState::Direct3DFullScreen;
    EXPECT_TRUE(ShouldStepAside(facts)) << "exclusive Direct3D, whatever the window says";
    facts.state = NotificationState::Busy;
    EXPECT_FALSE(ShouldStepAside(facts)) << "busy does not make a maximised window count";
    facts.foreground.maximised = false;
    EXPECT_TRUE(ShouldStepAside(facts));
    facts.foreground.rect = kRight;
    EXPECT_FALSE(ShouldStepAside(facts)) << "full screen on the other monitor";
    facts.state = NotificationState::PresentationMode;
    facts.foreground.candidate = false;
    EXPECT_TRUE(ShouldStepAside(facts)) << "presentation settings: every monitor";
}
