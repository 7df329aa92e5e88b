// The editor does not lose work: failed saves are reported, unsaved changes are asked about,
// and long animations keep their frames in order.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

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

// What the main dialog answers to the end of the session (log-off), asked as the system asks:
// TRUE lets the session end.
LRESULT AskToEndSession(HWND main, LPARAM flags = ENDSESSION_LOGOFF) {
    DWORD_PTR answer = 0xBAD;
    SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, flags, SMTO_NORMAL, 30000, &answer);
    return static_cast<LRESULT>(answer);
}

void EndSession(HWND main, bool ending) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(main, WM_ENDSESSION, ending ? TRUE : FALSE, ENDSESSION_LOGOFF, SMTO_NORMAL, 30000, &ignored);
}

// Points the editor's local application data (inherited by the Tarvel started next) elsewhere.
class LocalAppData {
public:
    explicit LocalAppData(const std::string& folder) {
        m_had = GetEnvironmentVariableA("LOCALAPPDATA", m_before, MAX_PATH) != 0;
        SetEnvironmentVariableA("LOCALAPPDATA", folder.c_str());
    }
    ~LocalAppData() { SetEnvironmentVariableA("LOCALAPPDATA", m_had ? m_before : nullptr); }
    LocalAppData(const LocalAppData&) = delete;
    LocalAppData& operator=(const LocalAppData&) = delete;

private:
    char m_before[MAX_PATH] = {};
    bool m_had = false;
};

// The recovery question of a starting Tarvel, answered; its text ("" when none came).
std::string AnswerRecovery(const TarvelProcess& tarvel, int answer, DWORD waitMs = kWaitMs) {
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindDialog(tarvel.ProcessId(), "Tarvel", tarvel.MainDialog())) != nullptr; }, waitMs);
    if (box == nullptr) return "";
    const std::string text = MessageText(box);
    PostMessageA(GetDlgItem(box, answer), BM_CLICK, 0, 0);
    WaitUntil([&] { return !IsWindow(box); });
    return text;
}

}  // namespace

TEST(SafetyNet, TheEndOfTheSessionIsAnsweredAtOnceAndUnsavedWorkIsKeptForTheNextStart) {
    const std::string folder = editor_files::Folder("safety-session");
    const std::string data = folder + "\\appdata";
    CreateDirectoryA(data.c_str(), nullptr);
    const LocalAppData localData(data);
    const std::string file = editor_files::SaveCharacter(testing_models::RichModel(), folder, "rich.rux");
    const std::string copy = file + ".recovery";
    {
        TarvelProcess tarvel(folder);
        HWND main = tarvel.MainDialog();
        EXPECT_EQ(AskToEndSession(main), TRUE) << "nothing changed";
        LoadInEditor(tarvel, file);
        SetItemText(main, 1000, "Renamed");
        const DWORD asked = GetTickCount();
        EXPECT_EQ(AskToEndSession(main), FALSE) << "refused: the system lists the reason and lets the user choose";
        EXPECT_LT(GetTickCount() - asked, 1000u) << "answered at once";
        EXPECT_EQ(FindDialog(tarvel.ProcessId(), "TarvelBall", main), nullptr) << "no question inside the query";
        EndSession(main, false);
        EXPECT_FALSE(editor_files::Exists(copy)) << "the session went on";
        EndSession(main, true);
        ASSERT_TRUE(editor_files::Exists(copy)) << "the session ended anyway";
        EXPECT_EQ(CCharacterModel(copy).CharacterName(), "Renamed");
        EXPECT_EQ(CCharacterModel(file).CharacterName(), "Cat") << "the file is the author's to save";
    }
    {
        TarvelProcess tarvel(folder);
        const std::string question = AnswerRecovery(tarvel, IDYES);
        EXPECT_NE(question.find(file), std::string::npos) << question;
        EXPECT_EQ(ItemText(tarvel.MainDialog(), 1000), "Renamed");
        PressKeys(tarvel.MainDialog(), {VK_CONTROL, 'S'});
        EXPECT_TRUE(WaitUntil([&] { return CCharacterModel(file).CharacterName() == "Renamed"; }))
            << "saved to the file the copy was made for";
        EXPECT_FALSE(editor_files::Exists(copy)) << "the copy goes once its work is saved";
    }
    {
        TarvelProcess tarvel(folder);
        EXPECT_EQ(AnswerRecovery(tarvel, IDNO, 1000), "") << "offered once";
        LoadInEditor(tarvel, file);
        SetItemText(tarvel.MainDialog(), 1000, "Unsaved");
        EXPECT_EQ(AskToEndSession(tarvel.MainDialog(), ENDSESSION_CRITICAL | ENDSESSION_LOGOFF), TRUE)
            << "a critical end cannot be refused";
        EXPECT_TRUE(editor_files::Exists(copy)) << "kept before WM_ENDSESSION, which may not come in time";
        EXPECT_EQ(CCharacterModel(copy).CharacterName(), "Unsaved");
    }
    TarvelProcess declined(folder);
    EXPECT_NE(AnswerRecovery(declined, IDNO), "");
    EXPECT_TRUE(editor_files::Exists(copy)) << "No keeps the copy";
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
