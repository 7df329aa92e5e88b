// Animations the editor's own commands never make but a file may hold: one without frames,
// one whose frames all last 0 ms. The editor shows them, keeps working and saves them.
#include <gtest/gtest.h>

#include <windows.h>

#include "CCharacterModel.h"
#include "EditorFiles.h"
#include "PictureDecoder.h"
#include "TarvelDriver.h"
#include "TestModels.h"

using namespace tarvel_driver;

namespace {

std::string WriteOddCharacter(const std::string& folder) {
    CCharacterModel character;
    character.SetCharacterName("Odd");
    character.FileAnimation("Empty", CAnimation());
    CAnimation timeless;
    for (int i = 0; i < 3; ++i) {
        CFrame frame;
        frame.image = CBryDIB(testing_models::PatternBlock(16, 16, 24));
        frame.shift = {5, 0};
        frame.sound = "tick.wav";
        timeless.frames.push_back(frame);
    }
    character.FileAnimation("Timeless", timeless);
    return editor_files::SaveCharacter(character, folder, "odd.rux");
}

void Select(const TarvelProcess& tarvel, const std::string& name) {
    HWND list = GetDlgItem(tarvel.MainDialog(), 1007);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(ListIndexOf(list, name)), 0);
}

}  // namespace

TEST(OpenPoints, AFramelessAnimationOpensEmptyAndTakesAFirstFrame) {
    const std::string folder = editor_files::Folder("frameless");
    TarvelProcess tarvel(folder);
    LoadInEditor(tarvel, WriteOddCharacter(folder));
    Select(tarvel, "Empty");
    const AnimationWindows w = OpenAnimationDialog(tarvel, 1005);
    EXPECT_TRUE(ListItems(w.frameList).empty());
    EXPECT_EQ(Text(w.displayTime), "0");
    EXPECT_EQ(ItemText(w.dialog, 1016), "") << "no frame, no shift to show";
    // Pressing, dragging, typing and the frame commands find no frame and change nothing.
    SendMessageA(w.frame, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
    SendMessageA(w.frame, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(120, 110));
    SendMessageA(w.frame, WM_LBUTTONUP, 0, MAKELPARAM(120, 110));
    Type(w.displayTime, "5");
    SendMessageA(w.frame, WM_COMMAND, 32776, 0);
    SendMessageA(w.frame, WM_COMMAND, 32772, 0);
    EXPECT_EQ(FindDialog(tarvel.ProcessId(), "You are not ...!"), nullptr) << "nothing to refuse";
    SendMessageA(w.frame, WM_COMMAND, 32771, 0);
    EXPECT_EQ(ListItems(w.frameList), (std::vector<std::string>{"Frame   0"})) << "Insert new gives a first frame";
    ASSERT_TRUE(CloseDialog(w.dialog));

    const std::string saved = folder + "\\saved.rux";
    SaveFromEditor(tarvel, saved);
    const CCharacterModel back(saved);
    ASSERT_NE(back.FindAnimation("Empty"), nullptr);
    EXPECT_EQ(back.FindAnimation("Empty")->frames.size(), 1u);
}

TEST(OpenPoints, PreviewsOfOddAnimationsStayResponsive) {
    const std::string folder = editor_files::Folder("odd-preview");
    TarvelProcess tarvel(folder);
    LoadInEditor(tarvel, WriteOddCharacter(folder));
    for (const char* name : {"Empty", "Timeless"}) {
        Select(tarvel, name);
        const PreviewWindows p = OpenPreview(tarvel);
        Sleep(400);  // a few timer ticks
        EXPECT_TRUE(SendMessageTimeoutA(p.preview, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr) != 0) << name;
        EXPECT_TRUE(CloseDialog(p.dialog)) << name;
    }
    EXPECT_FALSE(tarvel.HasEnded(0));
}
