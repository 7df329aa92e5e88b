// Composition of the character picture and the region runs cut from it.
#include <gtest/gtest.h>

#include "CCharacterModel.h"
#include "CCharacterScene.h"
#include "FrameRectangle.h"
#include "IntegerConversion.h"
#include "PictureDecoder.h"
#include "RegionRuns.h"
#include "RuntimeConstants.h"
#include "SoundPath.h"

TEST(RegionRuns, RunsAreMaximalPerRowAndOffset) {
    Surface surface(6, 3, KEY_COLOUR);
    surface.Set(0, 0, 0x000000);
    surface.Set(1, 0, 0x123456);
    surface.Set(3, 0, 0xFF000000u | KEY_COLOUR);  // the fourth byte does not make a pixel visible
    surface.Set(5, 0, 0x010101);
    surface.Set(2, 2, 0xAFAFAE);
    std::vector<RunRect> runs = {RunRect{9, 9, 9, 9}};
    BuildRegionRuns(surface, 100, -50, KEY_COLOUR, runs);
    EXPECT_EQ(runs, (std::vector<RunRect>{{100, -50, 102, -49}, {105, -50, 106, -49}, {102, -48, 103, -47}}));
}

TEST(RegionRuns, LastColumnAndEmptyPictures) {
    Surface surface(kDrawingWidth, kDrawingHeight, KEY_COLOUR);
    std::vector<RunRect> runs;
    BuildRegionRuns(surface, 0, 0, KEY_COLOUR, runs);
    EXPECT_TRUE(runs.empty());
    for (int y = 0; y < kDrawingHeight; ++y) surface.Set(kDrawingWidth - 1, y, 0);
    BuildRegionRuns(surface, 10, 20, KEY_COLOUR, runs);
    ASSERT_EQ(runs.size(), static_cast<size_t>(kDrawingHeight));
    EXPECT_EQ(runs.front(), (RunRect{169, 20, 170, 21}));
    EXPECT_EQ(runs.back(), (RunRect{169, 219, 170, 220}));
}

TEST(RegionRuns, OffsetsSaturateInsteadOfOverflowing) {
    Surface surface(2, 2, 0);
    std::vector<RunRect> runs;
    BuildRegionRuns(surface, 2147483647, 2147483647, KEY_COLOUR, runs);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[1].bottom, 2147483647);
    EXPECT_EQ(TruncateToInt32(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(TruncateToInt32(-1e300), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(TruncateToInt32(-2.9), -2);
}

TEST(Scene, FrameIsDrawnClippedAndTheSavedPictureRestored) {
    CCharacterModel model;
    CAnimation animation;
    CFrame frame;
    std::vector<uint8_t> pixels(200 * 250 * 3, 0x20);  // larger than the drawing area
    frame.image = CBryDIB(DibFromPixels(pixels.data(), 200, 250, 3));
    frame.anchor = {100, 240};
    animation.frames.push_back(frame);
    model.FileAnimation("Big", animation);
    CAnimationPlayer player(&model);
    player.SetPosition({500, 600});
    ASSERT_TRUE(player.Prepare("Big", 0, 0, true));
    CCharacterScene scene;
    EXPECT_EQ(scene.Saved().At(5, 5), KEY_COLOUR);
    scene.DrawCurrentFrame(player);
    EXPECT_EQ(scene.Back().At(kDrawingWidth - 1, kDrawingHeight - 1), 0x202020u);
    EXPECT_EQ(scene.Rect(), (FrameRectangle{400, 360, 600, 610}));
    scene.SaveBack();
    scene.FillBack();
    EXPECT_EQ(scene.Back().At(0, 0), KEY_COLOUR);
    scene.RestoreSavedToBack();
    EXPECT_EQ(scene.Back().At(0, 0), 0x202020u);
    EXPECT_EQ(scene.BuildRuns().size(), static_cast<size_t>(kDrawingHeight));
    EXPECT_EQ(scene.Runs().front(), (RunRect{400, 360, 560, 361}));
}

TEST(SoundNames, OnlyBareFileNamesArePlayable) {
    EXPECT_TRUE(IsPlayableSoundName("bark.wav"));
    EXPECT_TRUE(IsPlayableSoundName("my sound.wav"));
    EXPECT_TRUE(IsPlayableSoundName("step..wav")) << "two dots in a file name are not a path";
    EXPECT_TRUE(IsPlayableSoundName("a..b.wav"));
    for (const char* unsafe : {"", "..\\evil.wav", "a/b.wav", "c:x.wav", "sub\\x.wav", "..", ".", "...", ". .", "x/..wav"}) {
        EXPECT_FALSE(IsPlayableSoundName(unsafe)) << unsafe;
    }
    EXPECT_EQ(SoundFilePath("C:\\Games", "bark.wav"), "C:\\Games\\sounds\\bark.wav");
}

// Windows opens a device for these names, with any extension and whatever the letter case.
TEST(SoundNames, DeviceNamesAndCharactersNoFileNameHoldsAreRefused) {
    for (const char* device : {"CON", "con.wav", "PRN.wav", "AUX", "nul.WAV", "Com1.wav", "COM9", "LPT1.wav", "lpt9.x.wav",
                               "COM0.wav", "CON .wav", "CONIN$.wav", "conout$", "COM\xB9.wav", "a?.wav", "b*.wav",
                               "c|d.wav", "e\x01.wav", "<f>.wav", "\"g\".wav"}) {
        EXPECT_FALSE(IsPlayableSoundName(device)) << device;
    }
    for (const char* file : {"console.wav", "COM10.wav", "LPT.wav", "xcon.wav", "nulled.wav", "COMA.wav", "aux1.wav"}) {
        EXPECT_TRUE(IsPlayableSoundName(file)) << file;
    }
}
