// Characters whose pictures carry opacity: premultiplied composition, scaling without fringes
// and the region cut at half opacity.
#include <gtest/gtest.h>

#include "CAnimationPlayer.h"
#include "CCharacterScene.h"
#include "PictureDecoder.h"
#include "PictureOpacity.h"
#include "PictureScaling.h"
#include "PremultipliedScaling.h"
#include "RegionRuns.h"
#include "RuntimeConstants.h"

namespace {

constexpr uint32_t kRed = 0xFFE01010u;

// Opaque red on the left half, transparent on the right, and a ramp of red in between: what a
// soft edge looks like, premultiplied.
Surface SoftEdge(int width, int height) {
    Surface surface(width, height, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int a = x < width / 2 ? 255 : std::max(0, 255 - (x - width / 2) * 64);
            surface.Set(x, y, Premultiply(static_cast<uint32_t>(a) << 24 | (kRed & 0xFFFFFF)));
        }
    }
    return surface;
}

// Every visible pixel, un-premultiplied, is red within rounding: no dark or grey fringe.
::testing::AssertionResult StaysRed(const Surface& surface) {
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            const uint32_t pixel = surface.At(x, y);
            const uint32_t a = pixel >> 24;
            if (((pixel >> 16) & 0xFF) > a || ((pixel >> 8) & 0xFF) > a || (pixel & 0xFF) > a)
                return ::testing::AssertionFailure() << "a colour above its opacity at " << x << ", " << y;
            if (a < 16) continue;  // below that, rounding alone moves the straight colour a lot
            const uint32_t straight = Unpremultiply(pixel);
            const int red = static_cast<int>((straight >> 16) & 0xFF);
            const int green = static_cast<int>((straight >> 8) & 0xFF);
            if (std::abs(red - 0xE0) > 8 || std::abs(green - 0x10) > 8)
                return ::testing::AssertionFailure() << "pixel " << x << ", " << y << " is " << std::hex << straight;
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(PremultipliedScaling, WholeFactorsCopyPixelsFractionalOnesAverageWithoutFringes) {
    const Surface edge = SoftEdge(16, 4);
    const DisplayScale twice = DisplayScale::FromDpi(192);
    const Surface doubled = ScaleAreaAveragePart(edge, 16, 4, twice, 1000, 1000);
    EXPECT_EQ(doubled.Pixels(), ScaleNearestPart(edge, 16, 4, twice, 1000, 1000).Pixels()) << "crisp at 2";

    const Surface grown = ScaleAreaAveragePart(edge, 16, 4, DisplayScale::FromDpi(144), 1000, 1000);
    ASSERT_EQ(grown.Width(), 24);
    EXPECT_EQ(grown.At(0, 0), kRed) << "opaque inside stays exactly opaque red";
    EXPECT_EQ(grown.At(23, 5), 0u) << "transparent stays transparent";
    EXPECT_TRUE(StaysRed(grown));
    // Output column 13 covers [8.67, 9.33): half of source column 8 (opacity 255), half of 9 (191).
    EXPECT_EQ(grown.At(13, 0) >> 24, (255u + 191 + 1) / 2);
    EXPECT_EQ(grown.At(14, 0) >> 24, 191u) << "column 14 lies inside source column 9";

    const Surface shrunk = ScaleAreaAveragePart(edge, 16, 4, DisplayScale::FromDpi(48), 1000, 1000);
    ASSERT_EQ(shrunk.Width(), 8);
    EXPECT_EQ(shrunk.At(4, 0) >> 24, (255u + 191 + 1) / 2) << "source columns 8 and 9 averaged";
    EXPECT_TRUE(StaysRed(shrunk));
}

TEST(PremultipliedScaling, ThePartGivenCoversEveryCutOutputPixel) {
    const Surface edge = SoftEdge(50, 50);
    const DisplayScale scale = DisplayScale::FromDpi(144);
    const int32_t span = AreaSourceSpan(50, scale, 31);  // output columns [0, 31) reach 20.67
    EXPECT_EQ(span, 21);
    Surface part(span, span);
    for (int y = 0; y < span; ++y)
        for (int x = 0; x < span; ++x) part.Set(x, y, edge.At(x, y));
    const Surface cut = ScaleAreaAveragePart(part, 50, 50, scale, 31, 31);
    const Surface whole = ScaleAreaAveragePart(edge, 50, 50, scale, 1000, 1000);
    ASSERT_EQ(cut.Width(), 31);
    for (int y = 0; y < 31; ++y)
        for (int x = 0; x < 31; ++x) ASSERT_EQ(cut.At(x, y), whole.At(x, y)) << x << ", " << y;
}

TEST(OpacityRuns, TheRegionCutsAtHalfOpacity) {
    Surface surface(4, 2, 0);
    surface.Set(0, 0, 0x7F7F0000u);
    surface.Set(1, 0, 0x80800000u);
    surface.Set(2, 0, 0xFFFF0000u);
    std::vector<RunRect> runs;
    BuildOpacityRuns(surface, 10, 20, runs);
    ASSERT_EQ(runs.size(), 1u) << "an empty row gives no run";
    EXPECT_EQ(runs[0].left, 11);
    EXPECT_EQ(runs[0].right, 13);
    EXPECT_EQ(runs[0].top, 20);
}

TEST(OpacityScene, ComposesPremultipliedOverTransparencyAndCutsItsRegionAtHalf) {
    CCharacterModel model;
    CFrame frame;
    // 2 x 1: opaque blue, blue at opacity 100.
    const std::vector<uint8_t> rgba = {0, 0, 0xFF, 0xFF, 0, 0, 0xFF, 100};
    frame.image = CBryDIB(DibFromPixels(rgba.data(), 2, 1, 4));
    CAnimation animation;
    animation.frames.push_back(frame);
    model.FileAnimation("Show", animation);
    EXPECT_TRUE(ModelHasOpacity(model));
    CAnimationPlayer player(&model);
    ASSERT_TRUE(player.Prepare("Show", 0, 0, true));

    CCharacterScene scene;
    scene.UseOpacity(ModelHasOpacity(model));
    EXPECT_EQ(scene.Back().At(100, 100), 0u) << "nothing drawn is transparent, not the key colour";
    scene.FillBack();
    scene.DrawCurrentFrame(player);
    EXPECT_EQ(scene.Back().At(0, 0), 0xFF0000FFu);
    EXPECT_EQ(scene.Back().At(1, 0), 100u << 24 | MultiplyBy255ths(0xFF, 100));
    EXPECT_EQ(scene.BuildRuns().size(), 1u);
    EXPECT_EQ(scene.Runs()[0].right - scene.Runs()[0].left, 1) << "opacity 100 is outside the region";

    scene.SetScale(DisplayScale::FromDpi(144));
    scene.FillBack();
    scene.DrawCurrentFrame(player);
    EXPECT_EQ(scene.Back().At(0, 0), 0xFF0000FFu);
    EXPECT_EQ(scene.Back().At(1, 0) >> 24, (255u + 100 + 1) / 2) << "the scaled edge is averaged";
    EXPECT_EQ(scene.Back().At(2, 0) >> 24, 100u);
    EXPECT_EQ(scene.Back().At(3, 0), 0u);

    scene.UseOpacity(false);
    EXPECT_EQ(scene.Back().At(0, 0), KEY_COLOUR) << "back to keyed composition";
    model.FindAnimation("Show")->frames[0].image = CBryDIB(DibFromPixels(std::vector<uint8_t>(8, 0).data(), 2, 1, 4));
    EXPECT_FALSE(ModelHasOpacity(model));
}
