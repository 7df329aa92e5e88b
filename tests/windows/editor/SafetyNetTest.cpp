// The editor does not lose work: failed saves are reported, unsaved changes are asked about,
// and long animations keep their frames in order.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <future>

#include "CCharacterModel.h"
#include "EditorFiles.h"
#include "TarvelDriver.h"
#include "TestModels.h"

using namespace tarvel_driver;

namespace {

void Select(const TarvelProcess& tarvel, const std::string& name) {
    HWND list = GetDlgItem(tarvel.MainDialog(), 1007);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(ListIndexOf(list, name)), 0);
}

// Waits for the "Error" box over the main dialog, reads it and presses OK.
std::string AcknowledgeError(const TarvelProcess& tarvel) {
    HWND box = WaitForDialog(tarvel.ProcessId(), "Error", tarvel.MainDialog());
    if (box == nullptr) return "";
    const std::string text = MessageText(box);
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    WaitUntil([&] { return !IsWindow(box); });
    return text;
}

// What the main dialog answers to the end of the session (log-off), asked from another
// thread as the system asks: TRUE lets the session end.
std::future<LRESULT> AskToEndSession(HWND main) {
    return std::async(std::launch::async, [main] {
        DWORD_PTR answer = 0xBAD;
        SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 30000, &answer);
        return static_cast<LRESULT>(answer);
    });
}

}  // namespace

TEST(SafetyNet, TheEndOfTheSessionAsksAboutUnsavedChangesAsClosingDoes) {
    const std::string folder = editor_files::Folder("safety-session");
    const std::string file = editor_files::SaveCharacter(testing_models::RichModel(), folder, "rich.rux");
    TarvelProcess tarvel(folder);
    HWND main = tarvel.MainDialog();
    EXPECT_EQ(AskToEndSession(main).get(), TRUE) << "nothing changed: no question";

    LoadInEditor(tarvel, file);
    SetItemText(main, 1000, "Renamed");
    std::future<LRESULT> cancelled = AskToEndSession(main);
    EXPECT_EQ(AnswerSaveChanges(tarvel, IDCANCEL), "Save changes to rich.rux?");
    EXPECT_EQ(cancelled.get(), FALSE) << "Cancel refuses the end of the session";

    std::future<LRESULT> discarded = AskToEndSession(main);
    EXPECT_EQ(AnswerSaveChanges(tarvel, IDNO), "Save changes to rich.rux?");
    EXPECT_EQ(discarded.get(), TRUE);
    EXPECT_EQ(CCharacterModel(file).CharacterName(), "Cat") << "No saves nothing";

    std::future<LRESULT> saved = AskToEndSession(main);
    EXPECT_EQ(AnswerSaveChanges(tarvel, IDYES), "Save changes to rich.rux?");
    EXPECT_EQ(saved.get(), TRUE);
    EXPECT_EQ(CCharacterModel(file).CharacterName(), "Renamed");

    SetItemText(main, 1000, "Again");
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);  // the file's place can no longer be written
    std::future<LRESULT> failed = AskToEndSession(main);
    EXPECT_EQ(AnswerSaveChanges(tarvel, IDYES), "Save changes to rich.rux?");
    EXPECT_NE(AcknowledgeError(tarvel).find("could not be saved"), std::string::npos);
    EXPECT_EQ(failed.get(), FALSE) << "a failed save keeps the session from ending";
    EXPECT_FALSE(tarvel.HasEnded(0));
    std::filesystem::remove(file);
}

TEST(SafetyNet, ClosingAsksOnlyWhenThereAreChanges) {
    const std::string folder = editor_files::Folder("safety-close");
    {
        TarvelProcess untouched(folder);
        PostMessageA(untouched.MainDialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(untouched.HasEnded(5000)) << "nothing to ask without changes";
    }
    TarvelProcess tarvel(folder);
    HWND main = tarvel.MainDialog();
    SetItemText(main, 1000, "Cat");
    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(AnswerSaveChanges(tarvel, IDCANCEL), "Save changes to Cat?");
    EXPECT_FALSE(tarvel.HasEnded(300)) << "Cancel returns to the editor";
    PostClick(main, 1003);
    EXPECT_EQ(AnswerSaveChanges(tarvel, IDCANCEL), "Save changes to Cat?") << "Load asks too";
    SendMessageA(main, WM_NULL, 0, 0);
    EXPECT_EQ(FindDialog(tarvel.ProcessId(), "Open", main), nullptr) << "no picker after Cancel";
    EXPECT_EQ(ItemText(main, 1000), "Cat");

    const std::string saved = folder + "\\cat.rux";
    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(AnswerSaveChanges(tarvel, IDYES), "Save changes to Cat?");
    AnswerPicker(tarvel.ProcessId(), main, "Save As", saved);  // no file yet: through the picker
    EXPECT_TRUE(tarvel.HasEnded(5000)) << "goes on once saved";
    EXPECT_EQ(CCharacterModel(saved).CharacterName(), "Cat");
}

TEST(SafetyNet, ASaveThatFailsSaysWhyAndKeepsTheCharacter) {
    const std::string folder = editor_files::Folder("safety-save");
    const std::string file = editor_files::SaveCharacter(testing_models::RichModel(), folder, "rich.rux");
    TarvelProcess tarvel(folder);
    HWND main = tarvel.MainDialog();
    LoadInEditor(tarvel, file);
    SetItemText(main, 1000, "Renamed");
    // The file's place can no longer be written: a folder now stands there.
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(AnswerSaveChanges(tarvel, IDYES), "Save changes to rich.rux?");
    const std::string error = AcknowledgeError(tarvel);
    EXPECT_NE(error.find("\"" + file + "\" could not be saved."), std::string::npos) << error;
    EXPECT_GT(error.size(), file.size() + 30) << "the system's reason follows: " << error;
    EXPECT_FALSE(tarvel.HasEnded(300)) << "a failed save does not go on";
    EXPECT_EQ(ItemText(main, 1000), "Renamed") << "the character stays as it is";
    EXPECT_EQ(ListItems(GetDlgItem(main, 1007)).size(), testing_models::RichModel().AnimationCount());

    // The Save button reports a read-only file the same way.
    const std::string readOnly = editor_files::SaveCharacter(CCharacterModel(), folder, "locked.rux");
    ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    PostClick(main, 1002);
    AnswerPicker(tarvel.ProcessId(), main, "Save As", readOnly);
    const std::string readOnlyError = AcknowledgeError(tarvel);
    EXPECT_NE(readOnlyError.find("\"" + readOnly + "\" could not be saved."), std::string::npos) << readOnlyError;
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(CCharacterModel(readOnly).CharacterName(), "") << "the read-only file is unchanged";
}

TEST(SafetyNet, FramesPastAThousandStayInIndexOrder) {
    const std::string folder = editor_files::Folder("safety-frames");
    CCharacterModel character;
    CAnimation longOne;
    for (uint32_t i = 0; i < 1005; ++i) {
        CFrame frame;
        frame.displayTime = i;
        longOne.frames.push_back(frame);
    }
    character.FileAnimation("Long", longOne);
    const std::string file = editor_files::SaveCharacter(character, folder, "long.rux");
    TarvelProcess tarvel(folder);
    LoadInEditor(tarvel, file);
    Select(tarvel, "Long");
    const AnimationWindows w = OpenAnimationDialog(tarvel, 1005);
    const std::vector<std::string> items = ListItems(w.frameList);
    ASSERT_EQ(items.size(), 1005u);
    EXPECT_EQ(items[999], "Frame 999");
    EXPECT_EQ(items[1000], "Frame 1000");
    EXPECT_EQ(items[1004], "Frame 1004");
    EXPECT_EQ(GetWindowLongA(w.frameList, GWL_STYLE) & LBS_SORT, 0);
    SendMessageA(w.frameList, LB_SETCURSEL, 1002, 0);
    SendMessageA(w.frame, WM_COMMAND, MAKEWPARAM(1101, LBN_SELCHANGE), reinterpret_cast<LPARAM>(w.frameList));
    EXPECT_EQ(Text(w.displayTime), "1002") << "the item's position is its frame";
    SendMessageA(w.frameList, LB_SETCURSEL, 100, 0);
    SendMessageA(w.frame, WM_COMMAND, MAKEWPARAM(1101, LBN_SELCHANGE), reinterpret_cast<LPARAM>(w.frameList));
    EXPECT_EQ(Text(w.displayTime), "100");
}
