// Save as GIF in Tarvel: the selected animation, through the button or Ctrl+G and the "Save As"
// picker, is byte for byte the GIF that the native ruxtool render makes of it (rendered at
// build time into native-gifs/); a save that fails says why and leaves no part of a GIF behind.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

#include "EditorFiles.h"
#include "TarvelDriver.h"
#include "TestModels.h"

using namespace tarvel_driver;

namespace {

constexpr int kAnimationList = 1007;
constexpr int kSaveGifButton = 1021;

std::vector<uint8_t> NativeGif(const std::string& name) {
    return testing_models::ReadFileBytes(std::string(VIMRO_NATIVE_GIFS) + "/" + name);
}

// The sample Pip, copied into the folder, loaded, and the animation selected.
void LoadPipAndSelect(const TarvelProcess& tarvel, const std::string& folder, const std::string& animation) {
    const char* samples = std::getenv("VIMRO_SAMPLES");
    ASSERT_NE(samples, nullptr);
    const std::string copy = folder + "\\Pip.rux";
    testing_models::WriteFileBytes(copy, testing_models::ReadFileBytes(std::string(samples) + "/Pip.rux"));
    LoadInEditor(tarvel, copy);
    HWND list = GetDlgItem(tarvel.MainDialog(), kAnimationList);
    const int index = ListIndexOf(list, animation);
    ASSERT_GE(index, 0) << animation;
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// Answers the picker of Save as GIF and waits until the save has finished.
void AnswerGifPicker(const TarvelProcess& tarvel, const std::string& path) {
    AnswerPicker(tarvel.ProcessId(), tarvel.MainDialog(), "Save As", path);
    SendMessageA(tarvel.MainDialog(), WM_NULL, 0, 0);
}

size_t FilesIn(const std::string& folder) {
    size_t count = 0;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    do {
        count += (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

}  // namespace

TEST(SaveAsGif, TheButtonAndCtrlGWriteTheNativeRenderOfTheSelectedAnimation) {
    const std::string folder = editor_files::Folder("save-gif");
    TarvelProcess tarvel(folder);
    LoadPipAndSelect(tarvel, folder, "Walk");
    PostClick(tarvel.MainDialog(), kSaveGifButton);
    AnswerGifPicker(tarvel, folder + "\\walk.gif");
    const std::vector<uint8_t> walk = NativeGif("Pip_Walk.gif");
    ASSERT_FALSE(walk.empty());
    EXPECT_EQ(testing_models::ReadFileBytes(folder + "\\walk.gif"), walk);

    LoadPipAndSelect(tarvel, folder, "Wave");
    PressKeys(tarvel.MainDialog(), {VK_CONTROL, 'G'}, GetDlgItem(tarvel.MainDialog(), kAnimationList));
    AnswerGifPicker(tarvel, folder + "\\wave.gif");
    EXPECT_EQ(testing_models::ReadFileBytes(folder + "\\wave.gif"), NativeGif("Pip_Wave.gif"));
    EXPECT_EQ(FilesIn(folder), 3u) << "Pip.rux and the two GIFs, nothing written beside them";
}

TEST(SaveAsGif, ASaveThatFailsSaysWhyAndLeavesNoPartOfAGif) {
    const std::string folder = editor_files::Folder("save-gif-fails");
    // A read-only GIF, which the finished GIF cannot replace; and a folder in the place of the
    // file that the GIF is written into first, beside its target.
    const std::string kept = folder + "\\kept.gif";
    testing_models::WriteFileBytes(kept, {'o', 'l', 'd'});
    ASSERT_TRUE(SetFileAttributesA(kept.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(CreateDirectoryA((folder + "\\blocked.gif.writing").c_str(), nullptr));
    TarvelProcess tarvel(folder);
    LoadPipAndSelect(tarvel, folder, "Walk");
    for (const std::string& path : {kept, folder + "\\blocked.gif"}) {
        PostClick(tarvel.MainDialog(), kSaveGifButton);
        AnswerPicker(tarvel.ProcessId(), tarvel.MainDialog(), "Save As", path);
        HWND box = WaitForDialog(tarvel.ProcessId(), "Error", tarvel.MainDialog());
        ASSERT_NE(box, nullptr) << path;
        EXPECT_NE(MessageText(box).find("\"" + path + "\" could not be saved."), std::string::npos) << MessageText(box);
        PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    }
    EXPECT_EQ(testing_models::ReadFileBytes(kept), (std::vector<uint8_t>{'o', 'l', 'd'}));
    EXPECT_FALSE(editor_files::Exists(folder + "\\blocked.gif"));
    EXPECT_EQ(FilesIn(folder), 2u) << "Pip.rux and the read-only GIF as they were, no file beside them";
    SetFileAttributesA(kept.c_str(), FILE_ATTRIBUTE_NORMAL);
}
