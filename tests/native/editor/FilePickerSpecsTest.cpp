// The file pickers' descriptions and the text conversions they need.
#include <gtest/gtest.h>

#include "FilePickerSpecs.h"

TEST(FilePickers, SaveAcceptsANewFileNameWhileTheOpenPickersWantAnExistingFile) {
    EXPECT_EQ(kSaveCharacterPicker.flags & kPickerFileMustExist, 0u) << "else no new file could be saved";
    EXPECT_EQ(kSaveCharacterPicker.flags, kPickerHideReadOnly | kPickerPathMustExist);
    for (const FilePickerSpec* open : {&kLoadCharacterPicker, &kOpenImagePicker, &kInsertSoundPicker}) {
        EXPECT_EQ(open->flags, 0x1804u);
        EXPECT_EQ(open->mode, PickerMode::Open);
    }
    EXPECT_EQ(kSaveCharacterPicker.mode, PickerMode::Save);
}

TEST(FilePickers, FiltersBecomeNulSeparatedPairs) {
    const std::string converted = PickerFilterString(kInsertSoundPicker.filter);
    const std::string expected("Wave Files (*.wav)\0*.wav\0All Files (*.*)\0*.*\0\0", 46);
    EXPECT_EQ(converted, expected);
    EXPECT_EQ(PickerFilterString(""), "");
}

TEST(FilePickers, TheSoundKeepsOnlyTheFileName) {
    EXPECT_EQ(FileNameWithoutFolder("C:\\sounds\\bark.wav"), "bark.wav");
    EXPECT_EQ(FileNameWithoutFolder("/tmp/step.wav"), "step.wav");
    EXPECT_EQ(FileNameWithoutFolder("kick.wav"), "kick.wav");
    EXPECT_EQ(FileNameWithoutFolder("C:\\folder\\"), "");
}

TEST(FilePickers, TheChosenFilesFolderKeepsRoots) {
    EXPECT_EQ(FolderOfPath("C:\\chars\\pip.rux"), "C:\\chars");
    EXPECT_EQ(FolderOfPath("C:\\pip.rux"), "C:\\");
    EXPECT_EQ(FolderOfPath("/pip.rux"), "/");
    EXPECT_EQ(FolderOfPath("pip.rux"), "");
}
