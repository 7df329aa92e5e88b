// Importing into Tarvel: a sprite sheet into a new animation, then pictures replacing it after
// the question, one undo step each.
#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include <fstream>

#include "CCharacterModel.h"
#include "DotsGif.h"
#include "EditorFiles.h"
#include "FrameColours.h"
#include "PictureEncoder.h"
#include "TarvelDriver.h"

using namespace tarvel_driver;

namespace {

constexpr int kImportButton = 1020;

// Presses Import (or Ctrl+I), fills the dialog's fields by control ID and presses its Import button.
void ImportThroughDialog(const TarvelProcess& tarvel, bool byKeys, const std::vector<std::pair<int, std::string>>& fields) {
    if (byKeys)
        PressKeys(tarvel.MainDialog(), {VK_CONTROL, 'I'}, GetDlgItem(tarvel.MainDialog(), 1007));
    else
        PostClick(tarvel.MainDialog(), kImportButton);
    HWND dialog = WaitForDialog(tarvel.ProcessId(), "Import Animation", tarvel.MainDialog());
    ASSERT_NE(dialog, nullptr);
    for (const auto& [id, text] : fields) SetItemText(dialog, id, text);
    PostClick(dialog, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); })) << "the fields were taken";
}

// Drops the files onto the window as the shell hands a drop over: a DROPFILES block (the names
// each ended by a NUL, the list by a second one) in the target's own memory, whose address is
// the drop handle. A block in this process would mean nothing there.
void DropFiles(const TarvelProcess& tarvel, HWND target, const std::vector<std::string>& paths) {
    std::string names;
    for (const std::string& path : paths) names += path + '\0';
    names += '\0';
    std::vector<char> block(sizeof(DROPFILES) + names.size(), '\0');
    auto* drop = reinterpret_cast<DROPFILES*>(block.data());
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = {20, 20};
    names.copy(block.data() + sizeof(DROPFILES), names.size());
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, tarvel.ProcessId());
    ASSERT_NE(process, nullptr);
    void* there = VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    ASSERT_NE(there, nullptr);
    ASSERT_TRUE(WriteProcessMemory(process, there, block.data(), block.size(), nullptr));
    CloseHandle(process);
    PostMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(there), 0);
}

}  // namespace

TEST(ImportDialog, ASheetThenPicturesThatReplaceItAfterAskingEachOneUndoStep) {
    const std::string folder = editor_files::Folder("import-dialog");
    const std::string sheet = editor_files::WriteBitmap(folder, "sheet.bmp", 40, 20, 0xC00000, 0x0000C0);
    const std::string a = editor_files::WriteBitmap(folder, "a.bmp", 30, 30, 0x00C000, 0x00C000);
    const std::string b = editor_files::WriteBitmap(folder, "b.bmp", 30, 30, 0x0000C0, 0x0000C0);
    TarvelProcess tarvel(folder);
    HWND list = GetDlgItem(tarvel.MainDialog(), 1007);
    ImportThroughDialog(tarvel, false, {{1200, "Jump"}, {1201, sheet}, {1203, "2"}, {1205, "120"}});
    ASSERT_TRUE(WaitUntil([&] { return ListItems(list) == std::vector<std::string>{"Jump"}; }));
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0) << "the imported animation is selected";

    ImportThroughDialog(tarvel, true, {{1200, "Jump"}, {1201, a + "; " + b}, {1206, "15"}, {1207, "28"}, {1208, "3"}});
    HWND question = WaitForDialog(tarvel.ProcessId(), "Import Animation", tarvel.MainDialog());
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(MessageText(question), "Replace the animation \"Jump\"?");
    PostMessageA(GetDlgItem(question, IDYES), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(question); }));

    SaveFromEditor(tarvel, folder + "\\pictures.rux");
    const CCharacterModel pictures(folder + "\\pictures.rux");
    const CAnimation* jump = pictures.FindAnimation("Jump");
    ASSERT_NE(jump, nullptr);
    ASSERT_EQ(jump->frames.size(), 2u) << "the pictures replaced the sheet";
    EXPECT_EQ(jump->frames[1].image.width(), 30);
    EXPECT_EQ(jump->frames[1].anchor, (PointF{15, 28}));
    EXPECT_EQ(jump->frames[0].shift, (PointF{3, 0}));
    EXPECT_EQ(jump->frames[0].displayTime, 100u);

    PressKeys(tarvel.MainDialog(), {VK_CONTROL, 'Z'}, list);
    SaveFromEditor(tarvel, folder + "\\sheet.rux");
    const CCharacterModel undone(folder + "\\sheet.rux");
    ASSERT_NE(undone.FindAnimation("Jump"), nullptr);
    const CAnimation& cells = *undone.FindAnimation("Jump");
    ASSERT_EQ(cells.frames.size(), 2u) << "one undo step brings the sheet's frames back";
    EXPECT_EQ(cells.frames[0].image.width(), 20);
    EXPECT_EQ(cells.frames[0].displayTime, 120u);
    EXPECT_EQ(cells.frames[1].anchor, (PointF{10, 20})) << "the middle of the bottom edge";
}

TEST(ImportDialog, PicturesDroppedOntoTheFrameWindowBecomeFramesAfterTheCurrentOne) {
    const std::string folder = editor_files::Folder("drop-frames");
    const std::string a = editor_files::WriteBitmap(folder, "a.bmp", 12, 10, 0x00C000, 0x00C000);
    const std::string b = editor_files::WriteBitmap(folder, "b.bmp", 14, 10, 0x0000C0, 0x0000C0);
    TarvelProcess tarvel(folder);
    const AnimationWindows w = OpenAnimationDialog(tarvel, 1004);
    SetItemText(w.dialog, 1010, "Walk");
    DropFiles(tarvel, w.frame, {a, b});
    ASSERT_TRUE(WaitUntil([&] { return ListItems(w.frameList).size() == 3; })) << "one frame per dropped picture";
    EXPECT_EQ(SendMessageA(w.frameList, LB_GETCURSEL, 0, 0), 1);
    PressKeys(w.dialog, {VK_CONTROL, 'Z'}, w.frameList);
    EXPECT_TRUE(WaitUntil([&] { return ListItems(w.frameList).size() == 1; })) << "the drop is one step";
    PressKeys(w.dialog, {VK_CONTROL, 'Y'});
    ASSERT_TRUE(WaitUntil([&] { return ListItems(w.frameList).size() == 3; }));
    ASSERT_TRUE(CloseDialog(w.dialog));
    SaveFromEditor(tarvel, folder + "\\walk.rux");
    const CCharacterModel saved(folder + "\\walk.rux");
    ASSERT_NE(saved.FindAnimation("Walk"), nullptr);
    const auto& frames = saved.FindAnimation("Walk")->frames;
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_TRUE(frames[0].image.IsEmpty()) << "the frame that was current stays first";
    EXPECT_EQ(frames[1].image.width(), 12);
    EXPECT_EQ(frames[2].image.width(), 14);
}

TEST(ImportDialog, FilesDroppedOntoTheMainDialogOpenTheImportNamedAfterTheFirst) {
    const std::string folder = editor_files::Folder("drop-main");
    const std::string hop = editor_files::WriteBitmap(folder, "Hop.bmp", 12, 10, 0x00C000, 0x00C000);
    TarvelProcess tarvel(folder);
    DropFiles(tarvel, tarvel.MainDialog(), {hop});
    HWND dialog = WaitForDialog(tarvel.ProcessId(), "Import Animation", tarvel.MainDialog());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ItemText(dialog, 1200), "Hop");
    EXPECT_EQ(ItemText(dialog, 1201), hop);
    PostClick(dialog, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return ListItems(GetDlgItem(tarvel.MainDialog(), 1007)) == std::vector<std::string>{"Hop"}; }));
}

TEST(ImportDialog, AGifWrittenByGiflibDroppedOntoTheMainDialogBecomesItsComposedFramesWithTheirDelays) {
    const std::string folder = editor_files::Folder("drop-gif");
    const std::string path = folder + "\\Dots.gif";
    const std::vector<uint8_t> bytes = DotsGifBytes();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    TarvelProcess tarvel(folder);
    DropFiles(tarvel, tarvel.MainDialog(), {path});
    HWND dialog = WaitForDialog(tarvel.ProcessId(), "Import Animation", tarvel.MainDialog());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ItemText(dialog, 1200), "Dots");
    PostClick(dialog, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return ListItems(GetDlgItem(tarvel.MainDialog(), 1007)) == std::vector<std::string>{"Dots"}; }))
        << "the GIF was read";
    SaveFromEditor(tarvel, folder + "\\dots.rux");
    const CCharacterModel saved(folder + "\\dots.rux");
    ASSERT_NE(saved.FindAnimation("Dots"), nullptr);
    const auto& frames = saved.FindAnimation("Dots")->frames;
    ASSERT_EQ(frames.size(), 4u);
    constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00, kWhite = 0xFFFFFF, kKey = 0xAFAFAF;
    const std::vector<uint32_t> expected[4] = {
        {kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed},
        {kRed, kBlue, kRed, kRed, kRed, kRed, kRed, kRed},
        {kRed, kRed, kRed, kRed, kRed, kRed, kGreen, kRed},
        {kWhite, kRed, kRed, kRed, kRed, kRed, kKey, kKey},
    };
    const uint32_t times[4] = {50, 100, 120, 10};  // the frame without a delay takes the field's 100 ms
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(FrameColours(frames[i]), expected[i]) << "frame " << i;
        EXPECT_EQ(frames[i].displayTime, times[i]) << "frame " << i;
    }
}
