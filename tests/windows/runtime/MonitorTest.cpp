// Characters and the desktop's monitors and scale: the bring-back after a display change, a
// character at 150 % on screen, and the thread's DPI awareness following the client's.
#include "Win32Api.h"

#include <gtest/gtest.h>

#include "CharacterMessages.h"
#include "DpiAwareness.h"
#include "LiveCharacter.h"
#include "ScopedHandles.h"
#include "TestCharacters.h"

using test_characters::IsKeyPixel;
using test_characters::kAnchor;
using test_characters::kPictureHeight;
using test_characters::kPictureWidth;
using test_characters::PicturePixel;

namespace {

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT PrimaryWorkArea() {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcWork;
}

void SendDisplayChange(HWND window) {
    SendMessageA(window, WM_DISPLAYCHANGE, 32,
                 MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
}

COLORREF ToColorRef(uint32_t rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

}  // namespace

TEST(Monitors, ADisplayChangeBringsBackOnlyACharacterOnNoMonitor) {
    LiveCharacter character;
    character.ShowAt(300.0f, 400.0f);
    const RECT before = WindowRect(character.Window());
    character.Receiver().Clear();
    SendDisplayChange(character.Window());
    PumpFor(50);
    EXPECT_EQ(WindowRect(character.Window()).left, before.left) << "a visible character stays";
    EXPECT_FALSE(character.Receiver().Has(CRN_MOVE, 0));

    // Partly visible past the right edge: stays as well.
    const RECT work = PrimaryWorkArea();
    const float partlyX = static_cast<float>(GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN)) + 10.0f;
    character.Body().SetPosition(partlyX, 300.0f);
    SendDisplayChange(character.Window());
    EXPECT_EQ(character.Body().Position().x, partlyX);

    // Far beyond every monitor: onto the nearest work area's corner, by the least distance.
    character.Body().SetPosition(60000.0f, 50000.0f);
    character.Receiver().Clear();
    SendDisplayChange(character.Window());
    EXPECT_TRUE(PumpUntil([&] { return character.Receiver().Has(CRN_MOVE, 0); }, 2000)) << "the client hears of it";
    const PointF back = character.Body().Position();
    EXPECT_LE(back.x + (kPictureWidth - kAnchor.x), static_cast<float>(GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN)));
    EXPECT_EQ(back.y, static_cast<float>(work.bottom)) << "the frame's bottom on the work area's bottom";
    const RECT after = WindowRect(character.Window());
    EXPECT_EQ(after.top, work.bottom - kPictureHeight);
    EXPECT_NE(MonitorFromRect(&after, MONITOR_DEFAULTTONULL), nullptr);
}

TEST(Monitors, ACharacterAt150PercentIsDrawnBiggerWithHardEdges) {
    LiveCharacter character;
    character.ShowAt(400.0f, 500.0f);
    const HWND window = character.Window();
    // What a per-monitor-aware window hears when it lands on a 144-DPI monitor.
    RECT suggested = WindowRect(window);
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(character.Body().Scale().Dpi(), 144u);
    const RECT rect = WindowRect(window);
    EXPECT_EQ(rect.right - rect.left, 240) << "the drawing area at 1.5";
    EXPECT_EQ(rect.bottom - rect.top, 300);
    EXPECT_EQ(rect.left, 400 - 30) << "anchor 20 is 30 screen pixels; the reference point stays";
    EXPECT_EQ(rect.top, 500 - 90);
    character.PlayInPlace(1, L"stand");
    ASSERT_TRUE(character.WaitForCompletion(1));
    PumpFor(300);
    // Every screen pixel of the 60 x 90 picture is its nearest source pixel or the desktop
    // (key pixels): no colour of a blend of picture and key.
    const WindowDc screen(nullptr);
    int mismatches = 0, inked = 0;
    for (int y = 0; y < 90; y += 2) {
        for (int x = 0; x < 60; ++x) {
            const int sx = (2 * x + 1) * kPictureWidth / 120, sy = (2 * y + 1) * kPictureHeight / 180;
            const COLORREF shown = GetPixel(screen.Get(), rect.left + x, rect.top + y);
            if (IsKeyPixel(sx, sy)) {
                if (shown == RGB(175, 175, 175)) ++mismatches;  // the key colour itself must never show
                continue;
            }
            ++inked;
            if (shown != ToColorRef(PicturePixel(sx, sy))) ++mismatches;
        }
    }
    EXPECT_GT(inked, 0);
    EXPECT_EQ(mismatches, 0);
    // A walk's shift of 10 per frame is 15 screen pixels.
    character.Play(2, L"walk", 0, 0, 0);
    ASSERT_TRUE(character.WaitForCompletion(2));
    EXPECT_FLOAT_EQ(character.Body().Position().x, 400.0f + 3 * 15.0f);
}

TEST(Monitors, TheCharacterThreadTakesTheClientThreadsAwareness) {
    if (CurrentThreadDpiContext() == nullptr) GTEST_SKIP() << "the system has no thread DPI awareness";
    DPI_AWARENESS_CONTEXT previous = SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    if (previous == nullptr) previous = SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
    ASSERT_NE(previous, nullptr);
    LiveCharacter aware;
    const DPI_AWARENESS_CONTEXT windowContext = GetWindowDpiAwarenessContext(aware.Window());
    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(windowContext), DPI_AWARENESS_PER_MONITOR_AWARE);
    EXPECT_EQ(aware.Body().Scale().Dpi(), GetDpiForWindow(aware.Window())) << "drawn at the window's DPI";
    SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_UNAWARE);
    LiveCharacter unaware;
    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(unaware.Window())), DPI_AWARENESS_UNAWARE);
    EXPECT_TRUE(unaware.Body().Scale().IsUnit());
    SetThreadDpiAwarenessContext(previous);
}
