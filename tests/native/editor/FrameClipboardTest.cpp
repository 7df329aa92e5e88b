// Frames and pictures through the clipboard's bytes, and pasting them as one step.
#include <gtest/gtest.h>

#include "EditorKeys.h"
#include "FrameClipboard.h"
#include "FrameEditor.h"
#include "PictureDecoder.h"
#include "TestModels.h"

namespace {

CFrame RichFrame() {
    CFrame frame;
    frame.image = CBryDIB(testing_models::PatternBlock(7, 5, 8));
    frame.displayTime = 321;
    frame.shift = {1.5f, -2};
    frame.anchor = {3, 4};
    frame.SetOrigin("ball", {5, 6});
    frame.sound = "kick.wav";
    return frame;
}

}  // namespace

TEST(FrameClipboard, FramesComeBackWholeAndBrokenBytesAreRefused) {
    const std::vector<CFrame> frames = {RichFrame(), CFrame()};
    const std::vector<uint8_t> bytes = FramesToClipboardBytes(frames);
    EXPECT_EQ(FramesFromClipboardBytes(bytes), frames);
    std::vector<uint8_t> cut(bytes.begin(), bytes.end() - 1);
    EXPECT_FALSE(FramesFromClipboardBytes(cut)) << "cut short";
    std::vector<uint8_t> longer = bytes;
    longer.push_back(0);
    EXPECT_FALSE(FramesFromClipboardBytes(longer)) << "bytes left over";
    std::vector<uint8_t> lying = bytes;
    lying[0] = 0xFF, lying[1] = 0xFF, lying[2] = 0xFF, lying[3] = 0x7F;
    EXPECT_FALSE(FramesFromClipboardBytes(lying)) << "a count beyond what is there";
    EXPECT_FALSE(FramesFromClipboardBytes({}));
}

TEST(FrameClipboard, APictureWithAlphaKeysItsClearPixelsAndOneWithoutKeepsItsColours) {
    const uint8_t rgba[] = {255, 0, 0, 255, 0, 255, 0, 10};
    const CBryDIB keyed = PictureFromClipboardDib(DibFromPixels(rgba, 2, 1, 4));
    ASSERT_EQ(keyed.BitCount(), 24);
    EXPECT_EQ(testing_models::PixelRgb(keyed, 0, 0), 0xFF0000u);
    EXPECT_EQ(testing_models::PixelRgb(keyed, 1, 0), 0xAFAFAFu) << "alpha 10: transparent";
    const uint8_t noAlpha[] = {255, 0, 0, 0, 0, 255, 0, 0};  // a fourth byte left 0 throughout
    EXPECT_EQ(testing_models::PixelRgb(PictureFromClipboardDib(DibFromPixels(noAlpha, 2, 1, 4)), 1, 0), 0x00FF00u);
    EXPECT_TRUE(PictureFromClipboardDib({1, 2, 3}).IsEmpty());
}

TEST(FrameClipboard, PastesAreOneStepEach) {
    CAnimation animation;
    animation.frames = {CFrame(), CFrame()};
    CFrameEditor editor;
    editor.SetAnimation(animation);
    ASSERT_TRUE(editor.PasteFrames({RichFrame(), RichFrame()}));
    EXPECT_EQ(editor.Animation().frames.size(), 4u);
    EXPECT_EQ(editor.CurrentIndex(), 1u);
    EXPECT_EQ(editor.Animation().frames[2], RichFrame());
    ASSERT_TRUE(editor.PastePicture(CBryDIB(testing_models::PatternBlock(9, 9, 24))));
    EXPECT_EQ(editor.Animation().frames[1].image.width(), 9);
    EXPECT_EQ(editor.Animation().frames[1].sound, "kick.wav") << "only the picture changes";
    EXPECT_FALSE(editor.PastePicture(CBryDIB()));
    EXPECT_EQ(editor.UndoSteps(), 2u);
    editor.Undo();
    EXPECT_EQ(editor.Animation().frames[1], RichFrame());
    editor.Undo();
    EXPECT_EQ(editor.Animation(), animation);
}

TEST(FrameClipboard, TheKeys) {
    const KeyModifiers ctrl{true, false, false}, ctrlShift{true, true, false};
    EXPECT_EQ(ShortcutForKey('C', ctrl), EditorShortcut::Copy);
    EXPECT_EQ(ShortcutForKey('V', ctrl), EditorShortcut::Paste);
    EXPECT_EQ(ShortcutForKey('V', ctrlShift), EditorShortcut::PastePicture);
    EXPECT_EQ(ShortcutForKey('C', ctrlShift), EditorShortcut::None);
}
