// Tarvel's main dialog as a running program shows it: controls, keys, the close box, About.
#include <gtest/gtest.h>

#include <algorithm>

#include <windows.h>

#include "EditorFiles.h"
#include "TarvelDriver.h"

using namespace tarvel_driver;

namespace {

struct TabledControl {
    int id;
    const char* windowClass;
    const char* caption;
    int x, y, width, height;
};

// The main dialog's controls in tab order (-1: group boxes and the static text).
const TabledControl kMainControls[] = {
    {1001, "Button", "New", 15, 4, 34, 15},
    {1002, "Button", "Save", 95, 4, 34, 15},
    {1003, "Button", "Load", 56, 4, 34, 15},
    {-1, "Button", "Character name", 13, 21, 96, 29},
    {1000, "Edit", "", 21, 32, 82, 13},
    {-1, "Static", "Modified", 113, 27, 56, 19},
    {-1, "Button", "Animation", 14, 51, 190, 141},
    {1004, "Button", "New", 164, 61, 34, 15},
    {1005, "Button", "Edit", 164, 82, 34, 15},
    {1006, "Button", "Delete", 164, 103, 34, 15},
    {1007, "ListBox", "", 22, 65, 137, 120},
    {1011, "Button", "Preview", 164, 155, 33, 27},
    {1020, "Button", "Import...", 134, 4, 40, 15},
    {1021, "Button", "Save GIF...", 164, 124, 34, 27},
};

std::string ClassName(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

LONG Style(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

}  // namespace

TEST(MainDialog, ControlsSitAtTheirTabledPlacesInTabOrder) {
    TarvelProcess tarvel(editor_files::Folder("main-layout"));
    HWND main = tarvel.MainDialog();
    const DialogScale scale = ScaleOf(main, 220, 199);
    ASSERT_GT(scale.baseX, 0) << "the client area is 220 x 199 dialog units";
    ASSERT_GT(scale.baseY, 0);
    HWND child = GetWindow(main, GW_CHILD);
    for (const TabledControl& control : kMainControls) {
        ASSERT_NE(child, nullptr) << "missing " << control.caption;
        EXPECT_EQ(GetDlgCtrlID(child), control.id) << control.caption;
        EXPECT_EQ(ClassName(child), control.windowClass) << control.caption;
        EXPECT_EQ(Text(child), control.caption);
        RECT expected = scale.Map(control.x, control.y, control.width, control.height);
        const RECT actual = ChildRect(main, child);
        if (control.windowClass == std::string("ListBox")) {
            // A list box without LBS_NOINTEGRALHEIGHT drops the part of a line left at its foot;
            // Wine may measure that line in the system font, before the dialog's font is set.
            const LONG line = std::max(static_cast<LONG>(SendMessageA(child, LB_GETITEMHEIGHT, 0, 0)), SystemFontHeight());
            const LONG cut = expected.bottom - actual.bottom;
            EXPECT_TRUE(cut >= 0 && cut < line) << "a list box loses less than a line: " << cut << " of " << line;
            expected.bottom = actual.bottom;
        }
        EXPECT_TRUE(EqualRect(&expected, &actual))
            << control.caption << ": at " << actual.left << "," << actual.top << " " << actual.right - actual.left
            << "x" << actual.bottom - actual.top;
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "no other controls";
}

TEST(MainDialog, StylesOfTheDialogAndItsControls) {
    TarvelProcess tarvel(editor_files::Folder("main-styles"));
    HWND main = tarvel.MainDialog();
    EXPECT_EQ(Text(main), "TarvelBall");
    EXPECT_EQ(Style(main) & (WS_CAPTION | WS_SYSMENU | DS_MODALFRAME), WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
    EXPECT_EQ(Style(main) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
    EXPECT_NE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    const LONG list = Style(GetDlgItem(main, 1007));
    // (WS_VSCROLL comes and goes with the scroll bar.)
    EXPECT_EQ(list & (LBS_SORT | LBS_NOTIFY), LBS_SORT | LBS_NOTIFY);
    EXPECT_EQ(list & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL), 0) << "single selection";
    EXPECT_NE(Style(GetDlgItem(main, 1000)) & ES_AUTOHSCROLL, 0);
    HWND modified = FindWindowExA(main, nullptr, "Static", "Modified");
    ASSERT_NE(modified, nullptr);
    EXPECT_FALSE(IsWindowEnabled(modified));
    EXPECT_EQ(Style(modified) & SS_TYPEMASK, SS_CENTER);
    // The dialog manager draws a bordered control with a sunken edge instead.
    EXPECT_TRUE((Style(modified) & WS_BORDER) != 0 || (GetWindowLongA(modified, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0);
}

TEST(MainDialog, EnterAndEscapeLeaveItOpenAndTheCloseBoxEndsIt) {
    TarvelProcess tarvel(editor_files::Folder("main-keys"));
    HWND main = tarvel.MainDialog();
    HWND name = GetDlgItem(main, 1000);
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        PostMessageA(name, WM_KEYDOWN, key, 1);
        PostMessageA(name, WM_KEYUP, key, 0xC0000001);
    }
    // Posted messages are handled in order: once the marker arrives, both keys were handled.
    PostMessageA(name, WM_CHAR, 'x', 1);
    ASSERT_TRUE(WaitUntil([&] { return Text(name) == "x" || tarvel.HasEnded(0); }));
    EXPECT_FALSE(tarvel.HasEnded(300)) << "Enter or Escape ended the program";
    EXPECT_TRUE(IsWindowVisible(main));
    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(AnswerSaveChanges(tarvel, IDNO), "Save changes to x?") << "the typed name is a change";
    EXPECT_TRUE(tarvel.HasEnded(5000)) << "the close box ends the program";
    EXPECT_EQ(tarvel.ExitCode(), 0u);
}

TEST(MainDialog, AboutOpensFromTheSystemMenu) {
    TarvelProcess tarvel(editor_files::Folder("main-about"));
    HWND main = tarvel.MainDialog();
    PostMessageA(main, WM_SYSCOMMAND, 0x0010, 0);
    HWND about = WaitForDialog(tarvel.ProcessId(), "About Tarvel", main);
    ASSERT_NE(about, nullptr);
    EXPECT_NE(FindWindowExA(about, nullptr, "Static", "Tarvel Version 1.0"), nullptr);
    EXPECT_FALSE(IsWindowEnabled(main)) << "modal over the main dialog";
    PostClick(about, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
    EXPECT_TRUE(IsWindowEnabled(main));
}
