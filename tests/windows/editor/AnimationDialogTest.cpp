// The animation dialog and its frame window in the running editor: placement, the frame
// list, the display-time field, the frame commands and the refusal to delete the last frame.
#include <gtest/gtest.h>

#include <windows.h>

#include "ControlColumnLayout.h"
#include "EditorFiles.h"
#include "TarvelDriver.h"

using namespace tarvel_driver;

namespace {

RECT RectOf(const ControlRect& r) { return RECT{r.x, r.y, r.x + r.width, r.y + r.height}; }

void ExpectColumnAt(HWND frame, const AnimationWindows& w) {
    const SIZE size = ClientSizeOf(frame);
    const ControlColumn column = LayoutControlColumn(size.cx, size.cy);
    const std::pair<HWND, ControlRect> controls[] = {
        {w.frameList, column.frameList}, {w.displayTime, column.displayTime}, {w.sound, column.sound}};
    for (const auto& [control, place] : controls) {
        const RECT expected = RectOf(place);
        const RECT actual = ChildRect(frame, control);
        EXPECT_TRUE(EqualRect(&expected, &actual)) << GetDlgCtrlID(control) << " at " << actual.left << ","
                                                    << actual.top << " in " << size.cx << "x" << size.cy;
    }
}

struct NewAnimation : ::testing::Test {
    NewAnimation() : tarvel(editor_files::Folder("animation-dialog")), w(OpenAnimationDialog(tarvel, 1004)) {}
    TarvelProcess tarvel;
    AnimationWindows w;
};

}  // namespace

TEST_F(NewAnimation, OpensMaximisedWithTheFrameWindowFromThePlaceholderToTheCorner) {
    EXPECT_TRUE(WaitUntil([&] { return IsZoomed(w.dialog) != FALSE; }));
    EXPECT_EQ(GetDlgItem(w.dialog, 1009), nullptr) << "the placeholder is gone";
    EXPECT_FALSE(IsWindowEnabled(tarvel.MainDialog())) << "modal over the main dialog";
    const DialogScale scale = ScaleOf(tarvel.MainDialog(), 220, 199);
    const RECT placeholder = scale.Map(84, 7, 273, 222);
    const SIZE client = ClientSizeOf(w.dialog);
    const RECT frame = ChildRect(w.dialog, w.frame);
    EXPECT_EQ(frame.left, placeholder.left);
    EXPECT_EQ(frame.top, placeholder.top);
    EXPECT_EQ(frame.right, client.cx);
    EXPECT_EQ(frame.bottom, client.cy);
    ExpectColumnAt(w.frame, w);
    const RECT shiftX = ChildRect(w.dialog, GetDlgItem(w.dialog, 1016));
    const RECT expected = scale.Map(28, 61, 39, 13);
    EXPECT_TRUE(EqualRect(&shiftX, &expected)) << "the dialog's own controls keep their places";
}

TEST_F(NewAnimation, ResizingKeepsTheColumnAtTheRightEdge) {
    ShowWindow(w.dialog, SW_RESTORE);
    SetWindowPos(w.dialog, nullptr, 0, 0, 700, 480, SWP_NOZORDER | SWP_NOMOVE);
    ASSERT_TRUE(WaitUntil([&] { return ChildRect(w.dialog, w.frame).right == ClientSizeOf(w.dialog).cx; }));
    EXPECT_EQ(ChildRect(w.dialog, w.frame).bottom, ClientSizeOf(w.dialog).cy);
    ExpectColumnAt(w.frame, w);
    EXPECT_LT(ClientSizeOf(w.frame).cx, 600) << "the column is a quarter of a narrow frame window";
}

TEST_F(NewAnimation, StartsWithOneEmptyFrameShowingZero) {
    EXPECT_EQ(ListItems(w.frameList), (std::vector<std::string>{"Frame   0"}));
    EXPECT_EQ(SendMessageA(w.frameList, LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Text(w.displayTime), "0");
    EXPECT_EQ(ItemText(w.dialog, 1016), "0");
    EXPECT_EQ(ItemText(w.dialog, 1001), "0");
    EXPECT_EQ(ItemText(w.dialog, 1018), "");
    EXPECT_EQ(ItemText(w.dialog, 1010), "");
    EXPECT_NE(GetWindowLongA(GetDlgItem(w.dialog, 1018), GWL_STYLE) & ES_READONLY, 0);
}

TEST_F(NewAnimation, ADigitTypedIntoTheLoneZeroReplacesIt) {
    Type(w.displayTime, "5");
    EXPECT_EQ(Text(w.displayTime), "5");
    Type(w.displayTime, "0");
    EXPECT_EQ(Text(w.displayTime), "50") << "once the value is not 0 a zero is typed as usual";
    SetText(w.displayTime, "");
    EXPECT_EQ(Text(w.displayTime), "0") << "an erased field shows 0";
    SetText(w.displayTime, "12ab");
    EXPECT_EQ(Text(w.displayTime), "12");
    SetText(w.displayTime, "-5");
    EXPECT_EQ(Text(w.displayTime), "12") << "a negative number is refused";
    SetText(w.displayTime, "4294967295");
    EXPECT_EQ(Text(w.displayTime), "12") << "so is one beyond 2^31 - 1 ms";
}

TEST_F(NewAnimation, InsertAndDeleteFrames) {
    SendMessageA(w.frame, WM_COMMAND, 32771, 0);
    SendMessageA(w.frame, WM_COMMAND, 32771, 0);
    EXPECT_EQ(ListItems(w.frameList), (std::vector<std::string>{"Frame   0", "Frame   1", "Frame   2"}));
    EXPECT_EQ(SendMessageA(w.frameList, LB_GETCURSEL, 0, 0), 2) << "the new frame becomes current";
    SendMessageA(w.frame, WM_COMMAND, 32772, 0);
    EXPECT_EQ(ListItems(w.frameList).size(), 2u);
    EXPECT_EQ(SendMessageA(w.frameList, LB_GETCURSEL, 0, 0), 1) << "the new last frame becomes current";
}

TEST_F(NewAnimation, DeletingTheOnlyFrameIsRefusedWithAMessage) {
    PostMessageA(w.frame, WM_COMMAND, 32772, 0);
    HWND box = WaitForDialog(tarvel.ProcessId(), "You are not ...!");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ItemText(box, 0xFFFF), "Real ... did not delete last frame!");
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr) << "an OK button only";
    PostClick(box, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(ListItems(w.frameList).size(), 1u);
}

TEST_F(NewAnimation, SelectingAnotherFrameShowsItsTimeAndLeavesItAlone) {
    Type(w.displayTime, "7");
    SendMessageA(w.frame, WM_COMMAND, 32771, 0);
    EXPECT_EQ(Text(w.displayTime), "0") << "the new frame's time";
    // The author picks frame 0 in the list.
    SendMessageA(w.frameList, LB_SETCURSEL, 0, 0);
    SendMessageA(w.frame, WM_COMMAND, MAKEWPARAM(1101, LBN_SELCHANGE), reinterpret_cast<LPARAM>(w.frameList));
    EXPECT_EQ(Text(w.displayTime), "7");
    EXPECT_EQ(SendMessageA(w.frameList, LB_GETCURSEL, 0, 0), 0);
}

TEST_F(NewAnimation, ClosingItCommitsEvenWithEnter) {
    SetItemText(w.dialog, 1010, "Wave");
    HWND name = GetDlgItem(w.dialog, 1010);
    PostMessageA(name, WM_KEYDOWN, VK_RETURN, 1);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(w.dialog); })) << "Enter closes the animation dialog";
    EXPECT_EQ(ListItems(GetDlgItem(tarvel.MainDialog(), 1007)), (std::vector<std::string>{"Wave"}));
    EXPECT_FALSE(tarvel.HasEnded(0));
}
