// A character whose scale changes: the picture shown is drawn anew at once, pictures whose
// headers claim more than they hold never size anything, and which DPI changes a window obeys.
#include <gtest/gtest.h>

#include <algorithm>

#include "CAnimationPlayer.h"
#include "CCharacterModel.h"
#include "CCharacterScene.h"
#include "DibHeader.h"
#include "DpiPolicy.h"
#include "PictureDecoder.h"
#include "PictureScaling.h"
#include "RuntimeConstants.h"
#include "ScaledPictureCache.h"

namespace {

constexpr uint32_t kInk = 0x303030;

// One animation "Show" of one frame: a 20 x 10 ink picture with its anchor at (4, 8).
CCharacterModel OneFrameModel(CBryDIB picture) {
    CCharacterModel model;
    CFrame frame;
    frame.image = std::move(picture);
    frame.anchor = {4, 8};
    CAnimation show;
    show.frames.push_back(frame);
    model.FileAnimation("Show", show);
    return model;
}

CBryDIB InkPicture() {
    std::vector<uint8_t> pixels(20 * 10 * 3, 0x30);
    return CBryDIB(DibFromPixels(pixels.data(), 20, 10, 3));
}

bool AllKey(const Surface& surface) {
    return std::all_of(surface.Pixels().begin(), surface.Pixels().end(), [](uint32_t p) { return p == KEY_COLOUR; });
}

}  // namespace

// An idle character presents its saved picture at every tick: after a scale change that
// picture must be the frame at the new scale, not the key colour (which shows nothing).
TEST(ScaleChange, TheSavedPictureShowsTheSameFrameAtTheNewScale) {
    const CCharacterModel model = OneFrameModel(InkPicture());
    CAnimationPlayer player(&model);
    ASSERT_TRUE(player.Prepare("Show", 0, 0, true));
    CCharacterScene scene;
    scene.FillBack();
    scene.DrawCurrentFrame(player);
    scene.SaveBack();  // the busy tick's present; the request then ends and the character idles
    for (const uint32_t dpi : {144u, 192u, 96u}) {
        player.SetScale(DisplayScale::FromDpi(dpi));
        scene.SetScale(DisplayScale::FromDpi(dpi));
        const int32_t width = scene.Scale().Length(20), height = scene.Scale().Length(10);
        EXPECT_EQ(scene.Saved().At(width - 1, height - 1), kInk) << dpi;
        EXPECT_EQ(scene.Saved().At(width, 0), KEY_COLOUR) << dpi;
        EXPECT_EQ(scene.Back().At(0, 0), kInk) << "the back surface shows it too (a paint draws from it)";
        scene.FillBack();
        scene.RestoreSavedToBack();  // the idle tick
        EXPECT_EQ(scene.BuildRuns().size(), static_cast<size_t>(height)) << "visible and clickable";
    }
    // Nothing shown before stays nothing; a model about to be replaced shows nothing of its frames.
    CCharacterScene fresh;
    fresh.SetScale(DisplayScale::FromDpi(144));
    EXPECT_TRUE(AllKey(fresh.Saved()));
    scene.ForgetPictures();
    scene.SetScale(DisplayScale::FromDpi(120));
    EXPECT_TRUE(AllKey(scene.Saved()));
}

// A 40-byte header claiming 65536 x 65537 pixels: the scaled path sized its source from the
// header (about 17 GB, and a wrapped size on 32 bits) before anything checked the bytes.
TEST(ScaleChange, APictureClaimingMoreThanItHoldsDrawsNothingAtAnyScale) {
    DibHeader header = MakeDibHeader(65536, 65537, 24);
    CBryDIB claimed(EncodeDibHeader(header));
    EXPECT_FALSE(claimed.IsDrawable());
    EXPECT_EQ(claimed.width(), 65536) << "the claim is kept, and saved as it was";
    const CCharacterModel model = OneFrameModel(std::move(claimed));
    for (const uint32_t dpi : {96u, 144u, 192u, 72u}) {
        CAnimationPlayer player(&model);
        player.SetScale(DisplayScale::FromDpi(dpi));
        player.SetPosition({100, 100});
        ASSERT_TRUE(player.Prepare("Show", 0, 0, true));
        CCharacterScene scene;
        scene.SetScale(DisplayScale::FromDpi(dpi));
        scene.FillBack();
        scene.DrawCurrentFrame(player);
        EXPECT_TRUE(AllKey(scene.Back())) << dpi;
        EXPECT_EQ(scene.Rect().right, scene.Rect().left) << "the frame has no size";
        EXPECT_EQ(scene.Pictures().Count(), 0u);
    }
}

// Only the part of a picture that the cut output shows is drawn before scaling, and the
// output is that of the whole picture.
TEST(ScaleChange, OnlyTheShownPartOfALargePictureIsDrawnForScaling) {
    const DisplayScale s150 = DisplayScale::FromDpi(144);
    EXPECT_EQ(SourceSpan(8192, s150, 240), 160);
    EXPECT_EQ(SourceSpan(100, s150, 240), 100) << "a picture inside the area is read whole";
    EXPECT_EQ(SourceSpan(8192, DisplayScale::FromDpi(48), 80), 160);
    EXPECT_EQ(SourceSpan(0, s150, 240), 0);
    Surface whole(300, 250, KEY_COLOUR);
    for (int y = 0; y < 250; ++y)
        for (int x = 0; x < 300; ++x) whole.Set(x, y, static_cast<uint32_t>(x * 1000 + y));
    int32_t askedWidth = 0, askedHeight = 0;
    PictureSource source{300, 250, [&](int32_t width, int32_t height) {
                             askedWidth = width;
                             askedHeight = height;
                             Surface part(width, height);
                             for (int y = 0; y < height; ++y)
                                 for (int x = 0; x < width; ++x) part.Set(x, y, whole.At(x, y));
                             return part;
                         }};
    ScaledPictureCache cache;
    const Surface& scaled = cache.Get(&whole, s150, 240, 300, source);
    EXPECT_EQ(askedWidth, 160);
    EXPECT_EQ(askedHeight, 200);
    EXPECT_EQ(scaled.Pixels(), ScaleNearest(whole, s150, 240, 300).Pixels());
}

TEST(DpiPolicy, OnlyAPerMonitorAwareWindowFollowsItsOwnDpi) {
    const DisplayScale s96 = DisplayScale::FromDpi(96), s120 = DisplayScale::FromDpi(120);
    // Unaware: stretched by the system, drawn at 96 whatever it hears.
    const DpiFacts unaware{WindowAwareness::Unaware, true, 144, 0};
    EXPECT_TRUE(CharacterScale(unaware).IsUnit());
    EXPECT_FALSE(DecideDpiChange(unaware, s96).rescale);
    // System-aware: the system DPI from its start, stretched elsewhere.
    const DpiFacts system{WindowAwareness::SystemAware, true, 120, 0};
    EXPECT_EQ(CharacterScale(system), s120);
    EXPECT_FALSE(DecideDpiChange(DpiFacts{WindowAwareness::SystemAware, true, 144, 0}, s120).rescale);
    // Per-monitor aware: its own DPI, and the suggested rectangle.
    const DpiChangeAction moved = DecideDpiChange(DpiFacts{WindowAwareness::PerMonitor, true, 144, 0}, s96);
    EXPECT_TRUE(moved.rescale);
    EXPECT_EQ(moved.scale.Dpi(), 144u);
    EXPECT_TRUE(moved.takeSuggested);
    EXPECT_FALSE(DecideDpiChange(DpiFacts{WindowAwareness::PerMonitor, true, 96, 0}, s96).rescale)
        << "a message whose number is not the window's DPI changes nothing, and its rectangle is not read";
    // Region mode: the monitor under the reference point, and the window stays over every monitor.
    const DpiFacts region{WindowAwareness::PerMonitor, false, 144, 120};
    EXPECT_EQ(CharacterScale(region), s120);
    const DpiChangeAction regionChange = DecideDpiChange(region, s96);
    EXPECT_TRUE(regionChange.rescale);
    EXPECT_EQ(regionChange.scale, s120);
    EXPECT_FALSE(regionChange.takeSuggested);
    EXPECT_EQ(CharacterScale(DpiFacts{WindowAwareness::SystemAware, false, 144, 120}).Dpi(), 144u);
}

// A walk across the border of two monitors of different scales, right and back, with the
// system's rule (a per-monitor-aware window has the DPI of the monitor holding most of it) and
// a suggestion that keeps the window's top-left: one change each way, and after each change
// the window's DPI is the one it was drawn at (no second change while handling the first).
TEST(DpiPolicy, AWalkAcrossTwoMonitorsOfDifferentScalesChangesScaleOnceEachWay) {
    for (const bool higherOnTheRight : {true, false}) {
        for (const float anchorX : {10.0f, 150.0f}) {
            const std::vector<ScreenRect> monitors = {{0, 0, 1000, 1000}, {1000, 0, 2000, 1000}};
            const uint32_t dpis[] = {higherOnTheRight ? 96u : 144u, higherOnTheRight ? 144u : 96u};
            const auto systemDpi = [&](const ScreenRect& rect) { return dpis[MonitorOfRect(rect, monitors)]; };
            PointF point{700.0f, 500.0f};
            DisplayScale scale = DisplayScale::FromDpi(dpis[0]);
            const auto windowAt = [&](PointF at, DisplayScale s) {
                const int32_t left = static_cast<int32_t>(at.x - s.Offset(anchorX));
                const int32_t top = static_cast<int32_t>(at.y - s.Offset(100.0f));
                return ScreenRect{left, top, left + s.Length(kDrawingWidth), top + s.Length(kDrawingHeight)};
            };
            int changes = 0;
            for (int step = 0; step < 1600; ++step) {
                point.x += step < 800 ? 1.0f : -1.0f;
                const ScreenRect window = windowAt(point, scale);
                const uint32_t dpi = systemDpi(window);
                if (dpi == scale.Dpi()) continue;
                ++changes;
                const DpiChangeAction action = DecideDpiChange(DpiFacts{WindowAwareness::PerMonitor, true, dpi, 0}, scale);
                ASSERT_TRUE(action.rescale && action.takeSuggested);
                const ScreenRect suggested{window.left, window.top, window.left + action.scale.Length(kDrawingWidth),
                                           window.top + action.scale.Length(kDrawingHeight)};
                const ScreenRect placed = PlaceForNewDpi(suggested, action.scale.Length(kDrawingWidth),
                                                         action.scale.Length(kDrawingHeight), window, monitors);
                point = PointForPlacedFrame(point, windowAt(point, action.scale), placed);
                scale = action.scale;
                EXPECT_EQ(windowAt(point, scale), placed);
                EXPECT_EQ(systemDpi(placed), scale.Dpi()) << "a nested change would follow";
            }
            EXPECT_EQ(changes, 2) << higherOnTheRight << " " << anchorX;
        }
    }
}
