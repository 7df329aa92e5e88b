// The onion skin: which frame lies beside the current one, where its picture goes, how it fades.
#include <gtest/gtest.h>

#include <limits>

#include "CFrame.h"
#include "FrameEditor.h"
#include "OnionSkin.h"
#include "PictureDecoder.h"
#include "TestModels.h"

namespace {

CFrame FrameOfSize(int width, int height, PointF anchor, PointF shift = {}) {
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * static_cast<size_t>(height) * 3, 40);
    CFrame frame;
    frame.image = CBryDIB(DibFromPixels(rgb.data(), width, height, 3));
    frame.anchor = anchor;
    frame.shift = shift;
    return frame;
}

// The client point where a frame drawn at `corner` has its anchor.
PointF AnchorOnScreen(PicturePosition corner, const CFrame& frame, int zoom) {
    return {static_cast<float>(corner.x) + frame.anchor.x * static_cast<float>(zoom),
            static_cast<float>(corner.y) + frame.anchor.y * static_cast<float>(zoom)};
}

}  // namespace

TEST(OnionSkin, NeighboursLoopAroundTheAnimation) {
    EXPECT_EQ(OnionNeighbour(4, 2, OnionSide::Previous), 1u);
    EXPECT_EQ(OnionNeighbour(4, 2, OnionSide::Next), 3u);
    EXPECT_EQ(OnionNeighbour(4, 0, OnionSide::Previous), 3u) << "the last frame comes before the first";
    EXPECT_EQ(OnionNeighbour(4, 3, OnionSide::Next), 0u);
    EXPECT_FALSE(OnionNeighbour(1, 0, OnionSide::Previous)) << "a lone frame has no other";
    EXPECT_FALSE(OnionNeighbour(3, 3, OnionSide::Next));
}

TEST(OnionSkin, WithoutShiftsTheAnchorsCoincideAtEveryZoom) {
    const CFrame current = FrameOfSize(30, 40, {10, 35});
    const CFrame other = FrameOfSize(50, 20, {31, 12});
    for (int zoom : {1, 3, 8}) {
        const PicturePosition at = CentredPicture(current, 400, 300, zoom);
        for (OnionSide side : {OnionSide::Previous, OnionSide::Next}) {
            const PicturePosition onion = OnionPosition(current, other, side, 400, 300, zoom);
            EXPECT_EQ(AnchorOnScreen(onion, other, zoom), AnchorOnScreen(at, current, zoom)) << zoom;
        }
    }
}

TEST(OnionSkin, ShiftsPlaceTheNeighbourWhereTheEngineShowsIt) {
    // The previous frame moves the character by its shift before the current one shows; the
    // current frame's shift comes before the next one.
    const CFrame previous = FrameOfSize(20, 20, {5, 5}, {6, -2});
    const CFrame current = FrameOfSize(20, 20, {8, 9}, {-4, 3});
    const CFrame next = FrameOfSize(20, 20, {1, 2});
    const int zoom = 2;
    const PointF anchor = AnchorOnScreen(CentredPicture(current, 200, 200, zoom), current, zoom);
    const PointF before = AnchorOnScreen(OnionPosition(current, previous, OnionSide::Previous, 200, 200, zoom),
                                         previous, zoom);
    const PointF after = AnchorOnScreen(OnionPosition(current, next, OnionSide::Next, 200, 200, zoom), next, zoom);
    EXPECT_EQ(before, (PointF{anchor.x - 6 * zoom, anchor.y + 2 * zoom}));
    EXPECT_EQ(after, (PointF{anchor.x - 4 * zoom, anchor.y + 3 * zoom}));
}

TEST(OnionSkin, FractionalPlacesTruncateTowardZeroInClientPixels) {
    const CFrame current = FrameOfSize(10, 10, {0.5f, 0}, {});
    const CFrame other = FrameOfSize(10, 10, {0, 0}, {});
    // Centred at (45, 45) at 100 %: the anchor at 45.5; at (35, 35) at 300 %: the anchor at 36.5.
    EXPECT_EQ(OnionPosition(current, other, OnionSide::Next, 100, 100, 1).x, 45);
    EXPECT_EQ(OnionPosition(current, other, OnionSide::Next, 100, 100, 3).x, 36);
    const CFrame far = FrameOfSize(10, 10, {0, 0}, {-1e30f, 0});
    EXPECT_EQ(OnionPosition(far, other, OnionSide::Next, 100, 100, 8).x, std::numeric_limits<int>::min());
}

TEST(OnionSkin, FadingLightensColoursAndKeepsTheKeyColourAlone) {
    // Black, the key colour, and the one grey that a third of its way to white would turn into it.
    const uint8_t rgb[] = {0, 0, 0, 0xAF, 0xAF, 0xAF, 15, 15, 15, 255, 0, 90};
    const CBryDIB faded = FadedPicture(CBryDIB(DibFromPixels(rgb, 4, 1, 3)));
    ASSERT_EQ(faded.width(), 4);
    EXPECT_EQ(testing_models::PixelRgb(faded, 0, 0), 0xAAAAAAu);
    EXPECT_EQ(testing_models::PixelRgb(faded, 1, 0), 0xAFAFAFu) << "transparent stays transparent";
    EXPECT_NE(testing_models::PixelRgb(faded, 2, 0), 0xAFAFAFu) << "a drawn pixel never becomes transparent";
    EXPECT_EQ(testing_models::PixelRgb(faded, 3, 0), 0xFFAAC8u);
    EXPECT_TRUE(FadedPicture(CBryDIB()).IsEmpty());
}

TEST(OnionSkin, TogglesAreNoEditAndFollowTheCurrentFrame) {
    CAnimation animation;
    for (uint32_t time : {100u, 200u, 300u}) {
        CFrame frame;
        frame.displayTime = time;
        animation.frames.push_back(frame);
    }
    CFrameEditor editor;
    editor.SetAnimation(animation);
    EXPECT_EQ(editor.OnionFrame(OnionSide::Previous), nullptr) << "off at first";
    editor.ToggleOnion(OnionSide::Previous);
    ASSERT_NE(editor.OnionFrame(OnionSide::Previous), nullptr);
    EXPECT_EQ(editor.OnionFrame(OnionSide::Previous)->displayTime, 300u);
    EXPECT_EQ(editor.OnionFrame(OnionSide::Next), nullptr) << "each side on its own";
    editor.SelectFrame(2);
    EXPECT_EQ(editor.OnionFrame(OnionSide::Previous)->displayTime, 200u);
    EXPECT_EQ(editor.UndoSteps(), 0u);
    EXPECT_EQ(editor.Animation(), animation) << "nothing of it is in the animation";
    editor.ToggleOnion(OnionSide::Previous);
    EXPECT_EQ(editor.OnionFrame(OnionSide::Previous), nullptr);
}
