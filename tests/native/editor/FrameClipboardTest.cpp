// Frames and pictures through the clipboard's bytes, and pasting them as one step.
#include <gtest/gtest.h>

#include "DibHeader.h"
#include "EditorKeys.h"
#include "FrameClipboard.h"
#include "FrameEditor.h"
#include "PictureDecoder.h"
#include "TestModels.h"

namespace {

void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
}

// A 1-bit picture of the size with every byte its header calls for: black and white stripes.
std::vector<uint8_t> OneBitDib(int width, int height) {
    std::vector<uint8_t> dib = EncodeDibHeader(MakeDibHeader(width, height, 1));
    dib.insert(dib.end(), {0, 0, 0, 0, 255, 255, 255, 0});
    dib.resize(dib.size() + DibStride(MakeDibHeader(width, height, 1)) * static_cast<uint64_t>(height), 0x55);
    return dib;
}

// The 40-byte header made a BITMAPV5HEADER (124 bytes) with bit-field masks inside it.
std::vector<uint8_t> AsV5(std::vector<uint8_t> dib, const uint32_t (&masks)[4]) {
    dib.insert(dib.begin() + 40, 124 - 40, 0);
    PutU32(dib, 0, 124);
    PutU32(dib, 16, kBiBitfields);
    for (int i = 0; i < 4; ++i) PutU32(dib, 40 + 4 * static_cast<size_t>(i), masks[i]);
    return dib;
}

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
    const CBryDIB keyed = PictureFromClipboardDib(DibFromPixels(rgba, 2, 1, 4)).picture;
    ASSERT_EQ(keyed.BitCount(), 24);
    EXPECT_EQ(testing_models::PixelRgb(keyed, 0, 0), 0xFF0000u);
    EXPECT_EQ(testing_models::PixelRgb(keyed, 1, 0), 0xAFAFAFu) << "alpha 10: transparent";
    const uint8_t noAlpha[] = {255, 0, 0, 0, 0, 255, 0, 0};  // a fourth byte left 0 throughout
    EXPECT_EQ(testing_models::PixelRgb(PictureFromClipboardDib(DibFromPixels(noAlpha, 2, 1, 4)).picture, 1, 0), 0x00FF00u);
    EXPECT_TRUE(PictureFromClipboardDib({1, 2, 3}).picture.IsEmpty());
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

TEST(FrameClipboard, APastedPictureIsBoundedLikeAPictureFileAndRefusedWithAReason) {
    const PastedPicture widest = PictureFromClipboardDib(OneBitDib(8192, 2));
    EXPECT_EQ(widest.picture.width(), 8192) << widest.refusal;
    // Every byte is there: the old paste expanded it 24 times without asking.
    const PastedPicture tooWide = PictureFromClipboardDib(OneBitDib(8193, 2));
    EXPECT_TRUE(tooWide.picture.IsEmpty());
    EXPECT_NE(tooWide.refusal.find("8193 x 2 pixels"), std::string::npos) << tooWide.refusal;
    const PastedPicture tooTall = PictureFromClipboardDib(OneBitDib(1, 8193));
    EXPECT_TRUE(tooTall.picture.IsEmpty());
    EXPECT_FALSE(tooTall.refusal.empty());
    std::vector<uint8_t> claimed = EncodeDibHeader(MakeDibHeader(65536, 65537, 1));
    EXPECT_FALSE(PictureFromClipboardDib(claimed).refusal.empty()) << "a header without its bytes";
    EXPECT_FALSE(PictureFromClipboardDib({1, 2, 3}).refusal.empty());
}

TEST(FrameClipboard, BlocksLargerThanTheirContentsAreTaken) {
    std::vector<uint8_t> dib = OneBitDib(3, 2);
    dib.resize(dib.size() + 13, 0xEE);  // the system's rounding up of the block
    const PastedPicture pasted = PictureFromClipboardDib(dib);
    ASSERT_EQ(pasted.picture.width(), 3) << pasted.refusal;
    EXPECT_EQ(testing_models::PixelRgb(pasted.picture, 1, 0), 0xFFFFFFu);
    EXPECT_EQ(testing_models::PixelRgb(pasted.picture, 0, 0), 0x000000u);

    const std::vector<CFrame> frames = {RichFrame()};
    std::vector<uint8_t> block = ClipboardBlock(FramesToClipboardBytes(frames));
    block.resize(block.size() + 7, 0xCD);
    const auto contents = ClipboardBlockContents(block);
    ASSERT_TRUE(contents);
    EXPECT_EQ(FramesFromClipboardBytes(*contents), frames);
    EXPECT_FALSE(ClipboardBlockContents({9, 0, 0, 0, 1, 2})) << "a length beyond the block";
}

TEST(FrameClipboard, OtherHeaderKindsAreReadOrRefusedByName) {
    const uint8_t rgba[] = {255, 0, 0, 255, 0, 0, 255, 0};
    const std::vector<uint8_t> v5 = AsV5(DibFromPixels(rgba, 2, 1, 4), {0xFF0000, 0xFF00, 0xFF, 0xFF000000});
    const PastedPicture fromV5 = PictureFromClipboardDib(v5);
    ASSERT_FALSE(fromV5.picture.IsEmpty()) << fromV5.refusal;
    EXPECT_EQ(testing_models::PixelRgb(fromV5.picture, 0, 0), 0xFF0000u);
    EXPECT_EQ(testing_models::PixelRgb(fromV5.picture, 1, 0), 0xAFAFAFu) << "its alpha mask is read";

    // 16 bits, 5-6-5 masks in a V4 header (108 bytes): one white and one pure green pixel.
    std::vector<uint8_t> v4 = EncodeDibHeader(MakeDibHeader(2, 1, 16));
    v4.insert(v4.end(), {0xFF, 0xFF, 0xE0, 0x07});
    v4 = AsV5(v4, {0xF800, 0x07E0, 0x001F, 0});
    v4.erase(v4.begin() + 108, v4.begin() + 124);
    PutU32(v4, 0, 108);
    EXPECT_EQ(testing_models::PixelRgb(PictureFromClipboardDib(v4).picture, 1, 0), 0x00FF00u);

    // BITMAPCOREHEADER: 16-bit sizes, a colour table of 3-byte entries (blue, green, red).
    std::vector<uint8_t> core = {12, 0, 0, 0, 2, 0, 1, 0, 1, 0, 1, 0, 0, 0, 255, 255, 0, 0, 0x40, 0, 0, 0};
    const PastedPicture fromCore = PictureFromClipboardDib(core);
    ASSERT_FALSE(fromCore.picture.IsEmpty()) << fromCore.refusal;
    EXPECT_EQ(testing_models::PixelRgb(fromCore.picture, 0, 0), 0xFF0000u);
    EXPECT_EQ(testing_models::PixelRgb(fromCore.picture, 1, 0), 0x0000FFu);

    std::vector<uint8_t> odd = DibFromPixels(rgba, 2, 1, 4);
    PutU32(odd, 0, 64);
    EXPECT_NE(PictureFromClipboardDib(odd).refusal.find("64 bytes"), std::string::npos);
    core.resize(16);
    EXPECT_NE(PictureFromClipboardDib(core).refusal.find("cut short"), std::string::npos);
}
