// Pictures with opacity in the editor: the checkerboard below them, their faded onion copies and
// the picture picker.
#include <gtest/gtest.h>

#include "FrameEditor.h"
#include "OnionSkin.h"
#include "OpacityView.h"
#include "PictureDecoder.h"
#include "PictureEncoder.h"
#include "TestModels.h"

namespace {

// 2 x 1: transparent black, blue at opacity 64.
CBryDIB SoftPicture() {
    const std::vector<uint8_t> rgba = {0, 0, 0, 0, 0, 0, 0xFF, 64};
    return CBryDIB(DibFromPixels(rgba.data(), 2, 1, 4));
}

}  // namespace

TEST(OpacityView, TheCheckerboardAlternatesInCells) {
    const Surface board = Checkerboard(3 * kCheckerCell, kCheckerCell + 1);
    EXPECT_EQ(board.At(0, 0), kCheckerLight);
    EXPECT_EQ(board.At(kCheckerCell - 1, 0), kCheckerLight);
    EXPECT_EQ(board.At(kCheckerCell, 0), kCheckerDark);
    EXPECT_EQ(board.At(0, kCheckerCell), kCheckerDark);
    EXPECT_EQ(board.At(kCheckerCell, kCheckerCell), kCheckerLight);
}

TEST(OpacityView, OnionCopiesKeepTheOpacityAndFadeTheColour) {
    const CBryDIB faded = FadedPicture(SoftPicture());
    ASSERT_TRUE(faded.HasOpacity());
    const Surface pixels = PremultipliedPicture(faded);
    EXPECT_EQ(pixels.At(0, 0), 0u) << "transparent stays transparent";
    EXPECT_EQ(pixels.At(1, 0) >> 24, 64u);
    const uint32_t straightRed = ((pixels.At(1, 0) >> 16) & 0xFF) * 255 / 64;
    EXPECT_GE(straightRed, 165u) << "red 0 faded two thirds towards white";
}

TEST(OpacityView, ThePickerTakesSoftEdgesAsThirtyTwoBitAndHardOnesKeyed) {
    const std::string folder = testing_models::TempFolder("picker-opacity");
    const std::vector<uint8_t> soft = {10, 20, 30, 0, 40, 50, 60, 200};
    const std::vector<uint8_t> hard = {10, 20, 30, 0, 40, 50, 60, 255};
    testing_models::WriteFileBytes(folder + "/soft.png", EncodePng(RgbaPixels{2, 1, 4, soft}));
    testing_models::WriteFileBytes(folder + "/hard.png", EncodePng(RgbaPixels{2, 1, 4, hard}));
    CAnimation animation;
    animation.frames.resize(1);
    CFrameEditor editor;
    editor.SetAnimation(animation);
    ASSERT_TRUE(editor.LoadPicture(folder + "/soft.png"));
    const CBryDIB& picture = editor.Animation().frames[0].image;
    EXPECT_EQ(picture.BitCount(), 32);
    EXPECT_TRUE(picture.HasOpacity());
    EXPECT_EQ(testing_models::PixelRgb(picture, 0, 0), 0xAFAFAFu) << "opacity 0 holds the key colour";
    ASSERT_TRUE(editor.LoadPicture(folder + "/hard.png"));
    EXPECT_EQ(editor.Animation().frames[0].image.BitCount(), 24) << "only opaque and clear pixels: keyed as before";
}
