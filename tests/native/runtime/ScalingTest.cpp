// Characters at a monitor's scale: the scale itself, hard-edged picture scaling, the scaled
// picture cache, the player and scene at a scale, and the bring-back onto a monitor.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "CAnimationPlayer.h"
#include "CCharacterModel.h"
#include "CCharacterScene.h"
#include "MonitorBringBack.h"
#include "PictureDecoder.h"
#include "PictureScaling.h"
#include "RuntimeConstants.h"
#include "ScaledPictureCache.h"

namespace {

constexpr uint32_t kInk = 0x102030;

// Key colour and ink in a checkerboard: the worst case for any blending rule.
Surface Checkerboard(int width, int height) {
    Surface surface(width, height, KEY_COLOUR);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((x + y) % 2 == 0) surface.Set(x, y, kInk);
    return surface;
}

// A one-frame animation "Show" of a 20 x 10 ink picture with anchor (4, 8) and a walking one.
CCharacterModel ScaledModel() {
    CCharacterModel model;
    CFrame frame;
    std::vector<uint8_t> pixels(20 * 10 * 3, 0x30);
    frame.image = CBryDIB(DibFromPixels(pixels.data(), 20, 10, 3));
    frame.anchor = {4, 8};
    frame.SetOrigin("ball", {10, 2});
    CAnimation show;
    show.frames.push_back(frame);
    model.FileAnimation("Show", show);
    CAnimation walk;
    for (int i = 0; i < 2; ++i) {
        CFrame step = frame;
        step.shift = {10, 0};
        step.displayTime = 100;
        walk.frames.push_back(step);
    }
    model.FileAnimation("Walk", walk);
    return model;
}

}  // namespace

TEST(DisplayScale, FactorAndLengthsFollowTheDpi) {
    const DisplayScale s150 = DisplayScale::FromDpi(144);
    EXPECT_DOUBLE_EQ(s150.Factor(), 1.5);
    EXPECT_EQ(s150.Length(kDrawingWidth), 240);
    EXPECT_EQ(s150.Length(7), 11) << "10.5 rounds to the nearest, away from zero";
    EXPECT_FLOAT_EQ(s150.Offset(-4.5f), -6.75f);
    EXPECT_EQ(DisplayScale::FromDpi(120).Length(7), 9);
    EXPECT_EQ(DisplayScale::FromDpi(168).Length(200), 350);
    EXPECT_TRUE(DisplayScale::FromDpi(0).IsUnit()) << "an unknown DPI is 96";
    EXPECT_EQ(DisplayScale::FromDpi(100000).Dpi(), 960u) << "absurd DPIs are bounded";
    const DisplayScale unit = DisplayScale::FromDpi(96);
    EXPECT_EQ(unit.Length(2147483647), 2147483647);
    EXPECT_EQ(unit.Offset(0.1f), 0.1f) << "s = 1 changes no value, not even by rounding";
    EXPECT_EQ(DisplayScale::FromDpi(192).Length(2000000000), 2147483647) << "saturates";
}

TEST(PictureScaling, IntegerScalesCopyEachPixelIntoABlock) {
    const Surface source = Checkerboard(5, 3);
    const Surface scaled = ScaleNearest(source, DisplayScale::FromDpi(192), 1000, 1000);
    ASSERT_EQ(scaled.Width(), 10);
    ASSERT_EQ(scaled.Height(), 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(scaled.At(x, y), source.At(x / 2, y / 2)) << x << "," << y;
    const Surface same = ScaleNearest(source, DisplayScale::FromDpi(96), 1000, 1000);
    EXPECT_EQ(same.Pixels(), source.Pixels());
}

TEST(PictureScaling, FractionalScalesNeverBlendAndSpreadRepeatsEvenly) {
    const Surface source = Checkerboard(40, 40);
    for (const uint32_t dpi : {120u, 144u, 168u}) {
        const DisplayScale scale = DisplayScale::FromDpi(dpi);
        const Surface scaled = ScaleNearest(source, scale, 1000, 1000);
        ASSERT_EQ(scaled.Width(), scale.Length(40));
        std::set<uint32_t> colours(scaled.Pixels().begin(), scaled.Pixels().end());
        EXPECT_EQ(colours, (std::set<uint32_t>{KEY_COLOUR, kInk})) << "dpi " << dpi << ": a third colour is a blend";
        // Each source column is copied floor(s) or ceil(s) times, never skipped at s > 1.
        std::map<int32_t, int> copies;
        for (int32_t x = 0; x < scaled.Width(); ++x) ++copies[NearestSourceIndex(x, 40, scaled.Width())];
        ASSERT_EQ(copies.size(), 40u) << "dpi " << dpi;
        for (const auto& [column, count] : copies) {
            EXPECT_GE(count, 1) << column;
            EXPECT_LE(count, 2) << column;
        }
        // Output pixels copy the source pixel under their centre, so the scaled picture keeps the
        // key-colour pixels of the source where they are.
        EXPECT_EQ(scaled.At(0, 0), source.At(0, 0));
        EXPECT_EQ(scaled.At(scaled.Width() - 1, scaled.Height() - 1), source.At(39, 39));
    }
}

TEST(PictureScaling, OutputIsCutToTheLimit) {
    const Surface source = Checkerboard(300, 300);
    const Surface scaled = ScaleNearest(source, DisplayScale::FromDpi(144), 240, 300);
    EXPECT_EQ(scaled.Width(), 240);
    EXPECT_EQ(scaled.Height(), 300);
    EXPECT_EQ(scaled.At(239, 0), source.At(NearestSourceIndex(239, 300, 450), 0)) << "cut, not squeezed";
    EXPECT_EQ(ScaleNearest(Surface(), DisplayScale::FromDpi(144), 10, 10).Pixels().size(), 0u);
}

TEST(ScaledPictureCache, MakesEachPictureOnceAndKeepsItsBound) {
    const int a = 0, b = 0, c = 0;
    int sourcesMade = 0;
    const PictureSource source{10, 10, [&](int32_t width, int32_t height) {
                                   ++sourcesMade;
                                   return Checkerboard(width, height);
                               }};
    const DisplayScale s2 = DisplayScale::FromDpi(192);
    const size_t pictureBytes = 20 * 20 * 4;
    ScaledPictureCache cache(2 * pictureBytes);
    EXPECT_EQ(cache.Get(&a, s2, 100, 100, source).Width(), 20);
    cache.Get(&a, s2, 100, 100, source);
    EXPECT_EQ(sourcesMade, 1) << "a kept picture is not made again";
    cache.Get(&a, DisplayScale::FromDpi(144), 100, 100, source);
    EXPECT_EQ(sourcesMade, 2) << "another scale is another picture";
    cache.Get(&b, s2, 100, 100, source);  // over the bound: the s = 2 picture of a was used longest ago
    EXPECT_LE(cache.Bytes(), 2 * pictureBytes);
    EXPECT_EQ(cache.Count(), 2u);
    cache.Get(&a, DisplayScale::FromDpi(144), 100, 100, source);
    EXPECT_EQ(sourcesMade, 3) << "the recently used picture was kept";
    cache.Get(&c, s2, 100, 100, source);
    cache.Get(&a, DisplayScale::FromDpi(144), 100, 100, source);
    EXPECT_EQ(sourcesMade, 4) << "a stayed";
    cache.Get(&b, s2, 100, 100, source);
    EXPECT_EQ(sourcesMade, 5) << "b went";
    ScaledPictureCache tiny(1);
    EXPECT_EQ(tiny.Get(&a, s2, 100, 100, source).Height(), 20) << "a picture beyond the bound is still given";
    EXPECT_EQ(tiny.Count(), 1u);
}

TEST(ScaledPlayer, PictureAnchorAndShiftsAreScaledPositionsAreNot) {
    const CCharacterModel model = ScaledModel();
    CAnimationPlayer player(&model);
    player.SetScale(DisplayScale::FromDpi(144));
    player.SetPosition({100, 200});
    ASSERT_TRUE(player.Prepare("Show", 0, 0, true));
    EXPECT_EQ(player.CurrentFrameRect(), (FrameRectangle{94, 188, 124, 203}));
    ASSERT_TRUE(player.Prepare("Walk", 0, 0, true));
    player.Start(0);
    player.Step(100);
    EXPECT_FLOAT_EQ(player.Position().x, 115.0f) << "a shift of 10 walks 15 screen pixels";
    // A walk to a destination counts its frames in screen pixels: 60 pixels are 4 steps of 15.
    player.StopRunning();
    player.SetPosition({0, 0});
    ASSERT_TRUE(player.Prepare("Walk", 60, 8, false));
    EXPECT_FLOAT_EQ(player.Extra().y, 2.0f);
    player.Start(0);
    player.Step(1000);
    EXPECT_FLOAT_EQ(player.Position().x, 60.0f);
    EXPECT_FLOAT_EQ(player.Position().y, 8.0f);
    EXPECT_FALSE(player.IsRunning());
}

TEST(ScaledScene, DrawsTheScaledPictureIntoTheScaledAreaOnce) {
    const CCharacterModel model = ScaledModel();
    CAnimationPlayer player(&model);
    const DisplayScale scale = DisplayScale::FromDpi(144);
    player.SetScale(scale);
    ASSERT_TRUE(player.Prepare("Show", 0, 0, true));
    CCharacterScene scene;
    scene.SetScale(scale);
    EXPECT_EQ(scene.Back().Width(), 240);
    EXPECT_EQ(scene.Saved().Height(), 300);
    for (int tick = 0; tick < 3; ++tick) {
        scene.FillBack();
        scene.DrawCurrentFrame(player);
    }
    EXPECT_EQ(scene.Pictures().MadeCount(), 1u) << "scaled once, not per tick";
    EXPECT_EQ(scene.Back().At(29, 14), 0x303030u);
    EXPECT_EQ(scene.Back().At(30, 14), KEY_COLOUR);
    EXPECT_EQ(scene.Back().At(29, 15), KEY_COLOUR);
    EXPECT_EQ(scene.BuildRuns().size(), 15u) << "the region follows the scaled picture";
    scene.SetScale(DisplayScale::FromDpi(96));
    EXPECT_EQ(scene.Back().Width(), kDrawingWidth) << "back to the unscaled area";
    EXPECT_EQ(scene.Pictures().Count(), 0u);
}

TEST(BringBack, OnlyAFrameOnNoMonitorMovesByTheLeastDistance) {
    // The primary monitor with a task bar at its bottom, a second one to its left.
    const std::vector<MonitorArea> monitors = {{{0, 0, 1280, 1024}, {0, 0, 1280, 984}},
                                               {{-1024, 0, 0, 768}, {-1024, 0, 0, 768}}};
    EXPECT_FALSE(BringBackOffset({1270, 10, 1430, 210}, monitors)) << "partly visible stays";
    EXPECT_FALSE(BringBackOffset({-500, 900, -340, 1100}, {{{-1024, 0, 0, 768}, {-1024, 0, 0, 768}},
                                                           {{-1024, 768, 0, 1536}, {-1024, 768, 0, 1536}}}));
    // Where a third monitor was, to the right: back to the primary's right edge, height kept.
    EXPECT_EQ(BringBackOffset({1500, 100, 1660, 300}, monitors), (ScreenOffset{-380, 0}));
    // Below the second monitor: up into it, not across to the primary.
    EXPECT_EQ(BringBackOffset({-600, 900, -440, 1100}, monitors), (ScreenOffset{0, -332}));
    // Below the primary's task bar edge and monitor: onto the work area, above the task bar.
    EXPECT_EQ(BringBackOffset({600, 1100, 760, 1300}, monitors), (ScreenOffset{0, -316}));
    // A frame larger than the work area keeps its top-left corner inside it.
    EXPECT_EQ(BringBackOffset({2000, -3000, 4000, -1000}, monitors), (ScreenOffset{-2000, 3000}));
    EXPECT_EQ(BringBackOffset({-5000, 10, -5000, 10}, monitors), (ScreenOffset{3976, 0})) << "no picture";
    EXPECT_FALSE(BringBackOffset({0, 0, 10, 10}, {}));
    EXPECT_EQ(BringBackOffset({-2147483647 - 1, 0, -2147483000, 100}, monitors), (ScreenOffset{2147482624, 0}));
}
