// Tarvel at the monitor's scale: the fields the frame window makes itself hold a line of the
// dialog's font. Run in the ordinary prefix (96 DPI) and in the two-monitor one at 144 DPI.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>

#include "ControlColumnLayout.h"
#include "EditorFiles.h"
#include "TarvelDriver.h"

using namespace tarvel_driver;

namespace {

// GetDpiForWindow where the system has it, else 96.
UINT DpiOf(HWND window) {
    using Entry = UINT(WINAPI*)(HWND);
    const auto entry = reinterpret_cast<Entry>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    const UINT dpi = entry != nullptr ? entry(window) : 0;
    return dpi != 0 ? dpi : 96;
}

}  // namespace

TEST(Scale, TheFrameWindowsFieldsHoldALineOfTheDialogFont) {
    TarvelProcess tarvel(editor_files::Folder("scale"));
    // A line of the dialogs' font in pixels: 8 vertical dialog units.
    const DialogScale dialogUnits = ScaleOf(tarvel.MainDialog(), 220, 199);
    ASSERT_GT(dialogUnits.baseY, 0);
    const AnimationWindows windows = OpenAnimationDialog(tarvel, 1004);
    const UINT dpi = DpiOf(windows.frame);
    std::printf("frame window at %u DPI, a line of the font %d pixels\n", dpi, dialogUnits.baseY);
    const SIZE client = ClientSizeOf(windows.frame);
    const ControlColumn column = LayoutControlColumn(client.cx, client.cy, dpi);
    const auto expectAt = [&](HWND control, const ControlRect& rect) {
        const RECT placed = ChildRect(windows.frame, control);
        EXPECT_EQ(placed.left, rect.x);
        EXPECT_EQ(placed.top, rect.y);
        EXPECT_EQ(placed.right - placed.left, rect.width);
        EXPECT_EQ(placed.bottom - placed.top, rect.height) << "sizes of a 96-DPI monitor, at " << dpi << " DPI";
    };
    expectAt(windows.frameList, column.frameList);
    expectAt(windows.displayTime, column.displayTime);
    expectAt(windows.sound, column.sound);
    for (HWND field : {windows.displayTime, windows.sound}) {
        RECT inside{};
        GetClientRect(field, &inside);
        EXPECT_GE(inside.bottom, dialogUnits.baseY) << "a line of the font is not clipped";
    }
    CloseDialog(windows.dialog);
}
