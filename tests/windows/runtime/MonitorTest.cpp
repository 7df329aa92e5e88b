// Characters and the desktop's monitors and scale: the bring-back after a display change, a
// character at 150 % on screen, changes of scale, and the thread's DPI awareness following
// the client's.
#include "Win32Api.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

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

void SendDisplayChange(HWND window) {
    SendMessageA(window, WM_DISPLAYCHANGE, 32,
                 MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
}

COLORREF ToColorRef(uint32_t rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// Screen pixels of the test picture drawn at a scale with its top-left at (left, top) that are
// not the source pixel under their centre, sampled every other row, and how many were inked.
// A key-coloured pixel on screen counts as wrong too: the key is never shown.
struct PictureCheck {
    int wrong = 0;
    int inked = 0;
};
PictureCheck CheckScaledPicture(int left, int top, DisplayScale scale) {
    const int width = scale.Length(kPictureWidth), height = scale.Length(kPictureHeight);
    const WindowDc screen(nullptr);
    PictureCheck check;
    for (int y = 0; y < height; y += 2) {
        for (int x = 0; x < width; ++x) {
            const int sx = (2 * x + 1) * kPictureWidth / (2 * width), sy = (2 * y + 1) * kPictureHeight / (2 * height);
            const COLORREF shown = GetPixel(screen.Get(), left + x, top + y);
            if (IsKeyPixel(sx, sy)) {
                if (shown == RGB(175, 175, 175)) ++check.wrong;
                continue;
            }
            ++check.inked;
            if (shown != ToColorRef(PicturePixel(sx, sy))) ++check.wrong;
        }
    }
    return check;
}

// The calling thread made per-monitor aware for the scope (where the system can), as a
// per-monitor-aware client's thread is; character threads take their client's awareness.
class ThreadAwareness {
public:
    // Where the second version of per-monitor awareness is missing (Wine 8), the first.
    explicit ThreadAwareness(DPI_AWARENESS_CONTEXT context) {
        if (CurrentThreadDpiContext() == nullptr) return;
        m_previous = SetThreadDpiAwarenessContext(context);
        if (m_previous == nullptr && context == DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)
            m_previous = SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
    }
    ThreadAwareness(const ThreadAwareness&) = delete;
    ThreadAwareness& operator=(const ThreadAwareness&) = delete;
    ~ThreadAwareness() {
        if (m_previous != nullptr) SetThreadDpiAwarenessContext(m_previous);
    }
    bool Taken() const { return m_previous != nullptr; }

private:
    DPI_AWARENESS_CONTEXT m_previous = nullptr;
};

// Wine gives every monitor one DPI: the window's DPI is stood in for, as a monitor of another
// scale or a change in Settings would make it.
CharacterThreadOptions WindowDpiFrom(const std::atomic<UINT>& dpi) {
    CharacterThreadOptions options;
    options.windowDpi = [&dpi](HWND) { return dpi.load(); };
    return options;
}

void SendDpiChanged(HWND window, UINT dpi, RECT suggested) {
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

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
    const RECT after = WindowRect(character.Window());
    MONITORINFO landed{};
    landed.cbSize = sizeof landed;
    ASSERT_TRUE(GetMonitorInfoA(MonitorFromRect(&after, MONITOR_DEFAULTTONULL), &landed)) << "on a monitor";
    const int height = character.Body().Scale().Length(kPictureHeight);
    EXPECT_EQ(back.y, static_cast<float>(landed.rcWork.bottom)) << "the frame's bottom on the work area's bottom";
    EXPECT_EQ(after.top, landed.rcWork.bottom - height);
}

TEST(Monitors, ACharacterAt150PercentIsDrawnBiggerWithHardEdges) {
    LiveCharacter plain;  // beside it, a character that stays at its own scale
    plain.ShowAt(300.0f, 500.0f);
    const DisplayScale plainScale = plain.Body().Scale();
    const ThreadAwareness aware(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    if (!aware.Taken()) GTEST_SKIP() << "the system has no thread DPI awareness";
    std::atomic<UINT> dpi{96};
    LiveCharacter character(WindowDpiFrom(dpi));
    character.ShowAt(400.0f, 500.0f);
    const HWND window = character.Window();
    // What a per-monitor-aware window hears when it lands on a 144-DPI monitor; the suggested
    // rectangle keeps the reference point here.
    dpi = 144;
    SendDpiChanged(window, 144, RECT{370, 410, 610, 710});
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
    const PictureCheck check = CheckScaledPicture(rect.left, rect.top, character.Body().Scale());
    EXPECT_GT(check.inked, 0);
    EXPECT_EQ(check.wrong, 0);
    const RECT plainRect = WindowRect(plain.Window());
    EXPECT_EQ(plainRect.right - plainRect.left, plainScale.Length(160)) << "one character's scale is its own";
    EXPECT_EQ(CheckScaledPicture(plainRect.left, plainRect.top, plainScale).wrong, 0);
    // A walk's shift of 10 per frame is 15 screen pixels.
    character.Play(2, L"walk", 0, 0, 0);
    ASSERT_TRUE(character.WaitForCompletion(2));
    EXPECT_FLOAT_EQ(character.Body().Position().x, 400.0f + 3 * 15.0f);
}

// An idle character presents its saved picture at every tick; after a change of scale that
// picture was the key colour alone, so the character vanished (and let clicks through) until
// the client played something.
TEST(Monitors, AnIdleCharacterShowsItsFrameAtOnceAfterAScaleChange) {
    const ThreadAwareness aware(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    if (!aware.Taken()) GTEST_SKIP() << "the system has no thread DPI awareness";
    std::atomic<UINT> dpi{96};
    LiveCharacter character(WindowDpiFrom(dpi));
    character.ShowAt(400.0f, 500.0f);
    character.PlayInPlace(1, L"stand");
    ASSERT_TRUE(character.WaitForCompletion(1));
    PumpFor(300);  // idle ticks
    ASSERT_EQ(CheckScaledPicture(380, 440, DisplayScale{}).wrong, 0);
    const unsigned presents = character.Body().PresentCount();
    dpi = 144;
    SendDpiChanged(character.Window(), 144, RECT{380, 440, 620, 740});
    EXPECT_GT(character.Body().PresentCount(), presents) << "presented at once, not at the next tick";
    const RECT rect = WindowRect(character.Window());
    EXPECT_EQ(rect.left, 380) << "at the suggested rectangle";
    EXPECT_EQ(rect.right - rect.left, 240);
    EXPECT_FLOAT_EQ(character.Body().Position().x, 380.0f + 30.0f) << "the reference point follows the frame";
    PumpFor(300);  // idle ticks again
    const PictureCheck check = CheckScaledPicture(380, 440, character.Body().Scale());
    EXPECT_GT(check.inked, 0);
    EXPECT_EQ(check.wrong, 0) << "the frame at 150 %, still shown while idle";
}

// The system stretches a window that is not per-monitor aware; a character that obeyed
// WM_DPICHANGED as well was scaled twice.
TEST(Monitors, AWindowThatIsNotPerMonitorAwareKeepsItsScaleOnADpiChange) {
    for (const DPI_AWARENESS_CONTEXT context : {DPI_AWARENESS_CONTEXT_UNAWARE, DPI_AWARENESS_CONTEXT_SYSTEM_AWARE}) {
        const ThreadAwareness awareness(context);
        if (!awareness.Taken()) GTEST_SKIP() << "the system has no thread DPI awareness";
        std::atomic<UINT> dpi{96};
        LiveCharacter character(WindowDpiFrom(dpi));
        character.ShowAt(400.0f, 500.0f);
        dpi = 144;
        SendDpiChanged(character.Window(), 144, RECT{370, 410, 610, 710});
        PumpFor(200);
        EXPECT_TRUE(character.Body().Scale().IsUnit());
        const RECT rect = WindowRect(character.Window());
        EXPECT_EQ(rect.right - rect.left, 160);
        EXPECT_EQ(rect.left, 380) << "not moved to the suggested rectangle";
    }
}

// A region-mode window covers every monitor, so its own DPI is not its character's: each
// character takes the scale of the monitor under its reference point.
TEST(Monitors, InRegionModeEachCharacterHasItsOwnMonitorsScale) {
    const ThreadAwareness aware(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    if (!aware.Taken()) GTEST_SKIP() << "the system has no thread DPI awareness";
    CharacterThreadOptions options;
    options.forceRegionMode = true;
    options.monitorDpi = [](POINT point) { return point.x < 500 ? 96u : 144u; };  // a 144-DPI monitor from x = 500
    LiveCharacter left(options), right(options);
    left.ShowAt(200.0f, 300.0f);
    right.ShowAt(700.0f, 300.0f);
    PumpFor(300);
    EXPECT_TRUE(left.Body().Scale().IsUnit());
    EXPECT_EQ(right.Body().Scale().Dpi(), 144u);
    const PictureCheck check = CheckScaledPicture(700 - 30, 300 - 90, right.Body().Scale());
    EXPECT_GT(check.inked, 0);
    EXPECT_EQ(check.wrong, 0);
    EXPECT_EQ(CheckScaledPicture(200 - 20, 300 - 60, DisplayScale{}).wrong, 0);
    left.Body().SetPosition(800.0f, 300.0f);  // walks onto the other monitor
    EXPECT_TRUE(PumpUntil([&] { return left.Body().Scale().Dpi() == 144u; }, 2000));
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

// The tests below need the runner's two-monitor desktop at 144 DPI (TwoMonitorDesktop in
// ctest); on one monitor they are skipped.
namespace {

MONITORINFO SecondMonitor() {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    const HMONITOR primary = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    POINT probe{GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1, 10};
    const HMONITOR other = MonitorFromPoint(probe, MONITOR_DEFAULTTONULL);
    if (other != nullptr && other != primary) GetMonitorInfoA(other, &info);
    return info;
}

}  // namespace

TEST(TwoMonitors, ACharacterLivesOnTheSecondMonitorAndComesBackToIt) {
    if (GetSystemMetrics(SM_CMONITORS) < 2) GTEST_SKIP() << "one monitor";
    const MONITORINFO second = SecondMonitor();
    ASSERT_GT(second.rcMonitor.right, second.rcMonitor.left);
    LiveCharacter character;  // at the scale of the test thread's awareness, whatever it is
    const DisplayScale scale = character.Body().Scale();
    const float x = static_cast<float>(second.rcMonitor.left + 300);
    character.ShowAt(x, 400.0f);
    RECT rect = WindowRect(character.Window());
    EXPECT_EQ(rect.left, second.rcMonitor.left + 300 - static_cast<int>(scale.Offset(kAnchor.x)));
    const PictureCheck check = CheckScaledPicture(rect.left, rect.top, scale);
    EXPECT_GT(check.inked, 0);
    EXPECT_EQ(check.wrong, 0) << "the picture shows on the second monitor";
    // Left where a third monitor to the right would be: back onto the second one's work area.
    character.Body().SetPosition(static_cast<float>(second.rcMonitor.right + 2000), 300.0f);
    SendDisplayChange(character.Window());
    rect = WindowRect(character.Window());
    EXPECT_EQ(rect.left + scale.Length(kPictureWidth), second.rcWork.right) << "by the least distance: to the nearest edge";
    EXPECT_EQ(character.Body().Position().y, 300.0f) << "height kept, it was within the work area";
}

TEST(TwoMonitors, APerMonitorAwareClientAt144DpiSeesNaturalSizes) {
    if (CurrentThreadDpiContext() == nullptr) GTEST_SKIP() << "no thread DPI awareness";
    DPI_AWARENESS_CONTEXT previous = SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    if (previous == nullptr) previous = SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
    ASSERT_NE(previous, nullptr);
    {
        LiveCharacter character;
        if (GetDpiForWindow(character.Window()) != 144) {
            SetThreadDpiAwarenessContext(previous);
            GTEST_SKIP() << "the desktop is not at 144 DPI";
        }
        EXPECT_DOUBLE_EQ(character.Body().Scale().Factor(), 1.5);
        character.ShowAt(500.0f, 600.0f);
        const RECT rect = WindowRect(character.Window());
        EXPECT_EQ(rect.right - rect.left, 240);
        EXPECT_EQ(rect.left, 500 - 30);
        EXPECT_EQ(rect.top, 600 - 90);
        character.Play(2, L"walk", 0, 0, 0);
        ASSERT_TRUE(character.WaitForCompletion(2));
        EXPECT_FLOAT_EQ(character.Body().Position().x, 545.0f) << "3 shifts of 10 are 45 screen pixels";
    }
    SetThreadDpiAwarenessContext(previous);
}

// The client's size on top of the desktop's scale: at 200 % the window and every picture pixel
// are twice what they are at 100 %, at 96 DPI and, on the two-monitor desktop, at 144 DPI.
// VIMRO_HOLD_MS keeps the two characters on screen that long at the end, for a screenshot.
TEST(Monitors, ACharacterAtTwiceItsSizeIsTwiceAsBigAtTheDesktopsScale) {
    const ThreadAwareness aware(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    LiveCharacter plain, doubled;
    plain.ShowAt(300.0f, 500.0f);
    doubled.ShowAt(600.0f, 500.0f);
    const DisplayScale base = plain.Body().Scale();
    doubled.Body().SetScalePercent(200);
    PumpFor(300);
    const DisplayScale twice = doubled.Body().Scale();
    EXPECT_EQ(twice, base.AtPercent(200));
    const RECT small = WindowRect(plain.Window()), big = WindowRect(doubled.Window());
    EXPECT_EQ(big.right - big.left, 2 * (small.right - small.left));
    EXPECT_EQ(big.bottom - big.top, 2 * (small.bottom - small.top));
    const int left = 600 - static_cast<int>(twice.Offset(kAnchor.x)), top = 500 - static_cast<int>(twice.Offset(kAnchor.y));
    EXPECT_EQ(big.left, left) << "grown about the reference point";
    const PictureCheck check = CheckScaledPicture(left, top, twice);
    EXPECT_GT(check.inked, 0);
    EXPECT_EQ(check.wrong, 0) << "every pixel a copy of the picture's, hard-edged";
    std::printf("at %u DPI: %ld x %ld at 100 %%, %ld x %ld at 200 %%\n", base.Dpi(), small.right - small.left,
                small.bottom - small.top, big.right - big.left, big.bottom - big.top);
    if (const char* hold = std::getenv("VIMRO_HOLD_MS")) PumpFor(static_cast<DWORD>(std::atoi(hold)));
    doubled.Body().SetScalePercent(100);
    PumpFor(300);
    const RECT back = WindowRect(doubled.Window());
    EXPECT_EQ(back.right - back.left, small.right - small.left) << "back to the desktop's scale";
}
