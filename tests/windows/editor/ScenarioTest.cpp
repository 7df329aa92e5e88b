// Whole sessions in the running editor, checked through the files it writes: a new
// character made from pictures, Load / Edit / Save, a cancelled Load, New and Delete.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

#include "CCharacterModel.h"
#include "EditorFiles.h"
#include "TarvelDriver.h"
#include "TestModels.h"

using namespace tarvel_driver;
using testing_models::ReadFileBytes;
using testing_models::SavedBytes;

namespace {

constexpr uint32_t kBlue = 0x3366CC;
constexpr uint32_t kRed = 0xFF0000;

void Drag(HWND window, POINT from, POINT to) {
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM((from.x + to.x) / 2, (from.y + to.y) / 2));
    SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
}

COLORREF Colour(uint32_t rgb) { return RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF); }

void CreateOrigin(const TarvelProcess& tarvel, const AnimationWindows& w, const std::string& name) {
    PostMessageA(w.frame, WM_COMMAND, 32774, 0);
    HWND dialog = WaitForDialog(tarvel.ProcessId(), "Enter Character Name", w.dialog);
    ASSERT_NE(dialog, nullptr);
    SetItemText(dialog, 1017, name);
    PostClick(dialog, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
}

// Runs a program beside the test with the arguments; its exit code, or -1.
int RunBeside(const std::string& program, const std::string& arguments) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    path = path.substr(0, path.find_last_of("\\/") + 1) + program;
    if (!editor_files::Exists(path)) return -1;
    std::string commandLine = "\"" + path + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &info))
        return -1;
    WaitForSingleObject(info.hProcess, 30000);
    DWORD code = 1;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return static_cast<int>(code);
}

// The character files of a test: one written by the library, one that ruxtool builds from
// the pictures and manifest it exported of it (when ruxtool is built), and the samples.
std::vector<std::string> CharacterFiles(const std::string& folder) {
    std::vector<std::string> files = {editor_files::SaveCharacter(testing_models::RichModel(), folder, "rich.rux")};
    const std::string exported = folder + "\\exported";
    const int exportCode = RunBeside("ruxtool.exe", "export \"" + files[0] + "\" \"" + exported + "\"");
    if (exportCode != -1) {  // ruxtool is there
        EXPECT_EQ(exportCode, 0);
        const std::string built = folder + "\\built.rux";
        EXPECT_EQ(RunBeside("ruxtool.exe", "build \"" + exported + "\\manifest.json\" \"" + built + "\""), 0);
        EXPECT_TRUE(editor_files::Exists(built));
        if (editor_files::Exists(built)) files.push_back(built);
    }
    const char* samples = std::getenv("VIMRO_SAMPLES");
    for (const char* name : {"Pip.rux", "Ball.rux"}) {
        if (samples == nullptr || !editor_files::Exists(std::string(samples) + "/" + name)) continue;
        const std::string copy = folder + "\\" + name;
        testing_models::WriteFileBytes(copy, ReadFileBytes(std::string(samples) + "/" + name));
        files.push_back(copy);
    }
    return files;
}

}  // namespace

TEST(Scenario, ANewCharacterNamedCatWithOneAnimation) {
    const std::string folder = editor_files::Folder("scenario-cat");
    const std::string picture = editor_files::WriteBitmap(folder, "cat.bmp", 24, 16, kBlue, kRed);
    editor_files::WriteEmptyFile(folder, "meow.wav");
    TarvelProcess tarvel(folder);
    SetItemText(tarvel.MainDialog(), 1000, "Cat");
    const AnimationWindows w = OpenAnimationDialog(tarvel, 1004);
    SetItemText(w.dialog, 1010, "Walk");

    PostMessageA(w.frame, WM_COMMAND, 32773, 0);
    AnswerPicker(tarvel.ProcessId(), w.dialog, "Open", picture);
    Type(w.displayTime, "150");
    EXPECT_EQ(Text(w.displayTime), "150");
    SetItemText(w.dialog, 1016, "3");
    SetItemText(w.dialog, 1001, "-2");
    PostMessageA(w.frame, WM_COMMAND, 32775, 0);
    AnswerPicker(tarvel.ProcessId(), w.dialog, "Open", folder + "\\meow.wav");
    EXPECT_TRUE(WaitUntil([&] { return Text(w.sound) == "meow.wav"; })) << "the bare file name";
    EXPECT_EQ(ItemText(w.dialog, 1018), "meow.wav");
    CreateOrigin(tarvel, w, "ball");

    // Anchor and origin both start at the picture's top-left corner; the origin is hit first.
    const SIZE client = ClientSizeOf(w.frame);
    const POINT corner{client.cx / 2 - 12, client.cy / 2 - 8};
    Drag(w.frame, corner, {corner.x + 20, corner.y + 30});
    Drag(w.frame, corner, {corner.x + 10, corner.y + 5});
    // The picture is drawn centred, with the anchor's ring over it.
    const POINT anchor{corner.x + 10, corner.y + 5};
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(w.frame, corner.x + 2, corner.y + 14) == Colour(kBlue); }));
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(w.frame, anchor.x, anchor.y) == RGB(255, 255, 255); }))
        << "the ring is filled white";
    EXPECT_EQ(ScreenPixel(w.frame, corner.x, corner.y), Colour(kRed)) << "the picture is upright";
    ASSERT_TRUE(CloseDialog(w.dialog));
    EXPECT_EQ(ListItems(GetDlgItem(tarvel.MainDialog(), 1007)), (std::vector<std::string>{"Walk"}));

    const std::string saved = folder + "\\cat.rux";
    ASSERT_FALSE(editor_files::Exists(saved));
    SaveFromEditor(tarvel, saved);
    ASSERT_TRUE(editor_files::Exists(saved)) << "the Save picker takes a new file name";

    CCharacterModel expected;
    expected.SetCharacterName("Cat");
    CAnimation walk;
    CFrame frame;
    ASSERT_TRUE(frame.image.LoadPicture(picture));
    frame.displayTime = 150;
    frame.shift = {3, -2};
    frame.anchor = {10, 5};
    frame.SetOrigin("ball", {20, 30});
    frame.sound = "meow.wav";
    walk.frames.push_back(frame);
    expected.FileAnimation("Walk", walk);
    const std::vector<uint8_t> bytes = ReadFileBytes(saved);
    EXPECT_EQ(bytes, SavedBytes(expected));
    ASSERT_GE(bytes.size(), 8u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 8),
              (std::vector<uint8_t>{4, 0, 0, 0, 'C', 'a', 't', 0}));
    EXPECT_FALSE(CCharacterModel(saved).IsFailed()) << "the engine's loader reads it";
}

TEST(Scenario, LoadThenSaveKeepsEveryByte) {
    const std::string folder = editor_files::Folder("scenario-round-trip");
    for (const std::string& file : CharacterFiles(folder)) {
        TarvelProcess tarvel(folder);
        LoadInEditor(tarvel, file);
        const CCharacterModel original(file);
        EXPECT_EQ(ItemText(tarvel.MainDialog(), 1000), original.CharacterName()) << file;
        EXPECT_EQ(ListItems(GetDlgItem(tarvel.MainDialog(), 1007)).size(), original.AnimationCount()) << file;
        const std::string saved = file + ".again.rux";
        SaveFromEditor(tarvel, saved);
        EXPECT_EQ(ReadFileBytes(saved), ReadFileBytes(file)) << file;
    }
}

TEST(Scenario, EditThatRenamesThenSave) {
    const std::string folder = editor_files::Folder("scenario-rename");
    const std::string file = editor_files::SaveCharacter(testing_models::RichModel(), folder, "rich.rux");
    TarvelProcess tarvel(folder);
    LoadInEditor(tarvel, file);
    HWND list = GetDlgItem(tarvel.MainDialog(), 1007);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(ListIndexOf(list, "Walking")), 0);
    const AnimationWindows w = OpenAnimationDialog(tarvel, 1005);
    EXPECT_EQ(ItemText(w.dialog, 1010), "Walking");
    EXPECT_EQ(ListItems(w.frameList).size(), 3u);
    EXPECT_EQ(Text(w.displayTime), "100");
    SetItemText(w.dialog, 1010, "Stroll");
    ASSERT_TRUE(CloseDialog(w.dialog));
    EXPECT_EQ(ListIndexOf(list, "Walking"), -1);
    EXPECT_NE(ListIndexOf(list, "Stroll"), -1);

    const std::string saved = folder + "\\renamed.rux";
    SaveFromEditor(tarvel, saved);
    CCharacterModel expected = testing_models::RichModel();
    const CAnimation walking = *expected.FindAnimation("Walking");
    expected.EraseAnimation("Walking");
    expected.FileAnimation("Stroll", walking);
    EXPECT_EQ(ReadFileBytes(saved), SavedBytes(expected));
}

TEST(Scenario, EditingWithoutChangesKeepsEveryDisplayTime) {
    const std::string folder = editor_files::Folder("scenario-untouched");
    const std::string file = editor_files::SaveCharacter(testing_models::RichModel(), folder, "rich.rux");
    TarvelProcess tarvel(folder);
    LoadInEditor(tarvel, file);
    HWND list = GetDlgItem(tarvel.MainDialog(), 1007);
    for (const char* name : {"Walk", "walk", "Walk"}) {
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(ListIndexOf(list, name)), 0);
        const AnimationWindows w = OpenAnimationDialog(tarvel, 1005);
        // Look at every frame, as an author paging through them would.
        for (int frame : {2, 1, 0}) {
            SendMessageA(w.frameList, LB_SETCURSEL, static_cast<WPARAM>(frame), 0);
            SendMessageA(w.frame, WM_COMMAND, MAKEWPARAM(1101, LBN_SELCHANGE), reinterpret_cast<LPARAM>(w.frameList));
            EXPECT_EQ(Text(w.displayTime), std::to_string(100 * (frame + 1)));
        }
        ASSERT_TRUE(CloseDialog(w.dialog));
    }
    const std::string saved = folder + "\\untouched.rux";
    SaveFromEditor(tarvel, saved);
    EXPECT_EQ(ReadFileBytes(saved), ReadFileBytes(file));
}

TEST(Scenario, ACancelledLoadLeavesTheCharacterAlone) {
    const std::string folder = editor_files::Folder("scenario-cancel");
    TarvelProcess tarvel(folder);
    SetItemText(tarvel.MainDialog(), 1000, "Cat");
    const AnimationWindows w = OpenAnimationDialog(tarvel, 1004);
    SetItemText(w.dialog, 1010, "Run");
    ASSERT_TRUE(CloseDialog(w.dialog));
    PostClick(tarvel.MainDialog(), 1003);
    EXPECT_EQ(AnswerSaveChanges(tarvel, IDNO), "Save changes to Cat?");
    CancelPicker(tarvel.ProcessId(), tarvel.MainDialog(), "Open");
    SendMessageA(tarvel.MainDialog(), WM_NULL, 0, 0);
    EXPECT_EQ(ItemText(tarvel.MainDialog(), 1000), "Cat");
    const std::string saved = folder + "\\kept.rux";
    SaveFromEditor(tarvel, saved);
    const CCharacterModel kept(saved);
    EXPECT_EQ(kept.CharacterName(), "Cat");
    EXPECT_NE(kept.FindAnimation("Run"), nullptr) << "the character was not cleared";
}

TEST(Scenario, DeleteSelectsTheNewLastAnimationAndNewClearsAll) {
    const std::string folder = editor_files::Folder("scenario-delete");
    const std::string file = editor_files::SaveCharacter(testing_models::RichModel(), folder, "rich.rux");
    TarvelProcess tarvel(folder);
    LoadInEditor(tarvel, file);
    HWND main = tarvel.MainDialog();
    HWND list = GetDlgItem(main, 1007);
    const std::string last = ListItems(list).back();
    SendMessageA(list, LB_SETCURSEL, 2, 0);
    Click(main, 1006);
    EXPECT_EQ(ListIndexOf(list, last), -1);
    EXPECT_EQ(ListItems(list).size(), 2u);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1) << "the new last item";
    PostClick(main, 1001);
    EXPECT_EQ(AnswerSaveChanges(tarvel, IDNO), "Save changes to rich.rux?");
    SendMessageA(main, WM_NULL, 0, 0);
    EXPECT_TRUE(ListItems(list).empty());
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_EQ(ItemText(main, 1000), "");
    Click(main, 1005);  // Edit, Delete and Preview do nothing on an empty list
    Click(main, 1006);
    Click(main, 1011);
    EXPECT_TRUE(IsWindowEnabled(main)) << "no dialog opened";
}
