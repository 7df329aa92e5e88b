// The character window beside other programs, driven as a user would: topmost from the start,
// a full-screen window of another process (the character stays on top by default and steps
// aside when it yields), and clicks passing through a click-through character to the window
// of another process below it.
#include "Win32Api.h"

#include <gtest/gtest.h>

#include <string>

#include "CharacterMessages.h"
#include "LiveCharacter.h"
#include "ScopedHandles.h"
#include "TestCharacters.h"

using test_characters::IsKeyPixel;
using test_characters::kAnchor;
using test_characters::kPictureHeight;
using test_characters::kPictureWidth;

namespace {

constexpr COLORREF kNeighbourBlue = RGB(0, 0, 200);

// neighbour_window.exe beside this program, with its window found; closed when it goes.
class NeighbourProcess {
public:
    explicit NeighbourProcess(const std::string& arguments) {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string program(path);
        program = program.substr(0, program.find_last_of('\\') + 1) + "neighbour_window.exe";
        std::string commandLine = "neighbour_window.exe " + arguments;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &started)) {
            return;
        }
        CloseHandle(started.hThread);
        m_process.Reset(started.hProcess);
        m_processId = started.dwProcessId;
        PumpUntil([&] { return (m_window = FindOwnWindow()) != nullptr && IsWindowVisible(m_window); }, 10000);
    }
    NeighbourProcess(const NeighbourProcess&) = delete;
    NeighbourProcess& operator=(const NeighbourProcess&) = delete;
    ~NeighbourProcess() { Close(); }

    HWND Window() const { return m_window; }
    void Close() {
        if (!m_process) return;
        if (m_window != nullptr) PostMessageA(m_window, WM_CLOSE, 0, 0);
        if (!PumpUntil([&] { return WaitForSingleObject(m_process.Get(), 0) == WAIT_OBJECT_0; }, 5000))
            TerminateProcess(m_process.Get(), 1);
        m_process.Reset();
        m_window = nullptr;
    }
    std::string Title() const {
        char title[64] = {};
        GetWindowTextA(m_window, title, sizeof title);
        return title;
    }

private:
    HWND FindOwnWindow() const {
        for (HWND window = FindWindowExA(nullptr, nullptr, "VimroNeighbourWindow", nullptr); window != nullptr;
             window = FindWindowExA(nullptr, window, "VimroNeighbourWindow", nullptr)) {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process == m_processId) return window;
        }
        return nullptr;
    }

    UniqueKernelHandle m_process;
    DWORD m_processId = 0;
    HWND m_window = nullptr;
};

std::string At(POINT point) { return std::to_string(point.x) + " " + std::to_string(point.y); }

bool IsTopmost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// True when upper comes before lower in the z-order of top-level windows.
bool IsAbove(HWND upper, HWND lower) {
    for (HWND window = GetWindow(upper, GW_HWNDNEXT); window != nullptr; window = GetWindow(window, GW_HWNDNEXT)) {
        if (window == lower) return true;
    }
    return false;
}

// An inked pixel of the picture of a character whose reference point is at (x, y), at scale 1.
POINT InkedPoint(int x, int y) {
    for (int py = kPictureHeight / 2; py < kPictureHeight; ++py) {
        for (int px = kPictureWidth / 4; px < kPictureWidth; ++px) {
            if (!IsKeyPixel(px, py) && !IsKeyPixel(px - 1, py) && !IsKeyPixel(px + 1, py))
                return POINT{x - static_cast<int>(kAnchor.x) + px, y - static_cast<int>(kAnchor.y) + py};
        }
    }
    return POINT{x, y - 1};
}

COLORREF ScreenPixel(POINT point) {
    const WindowDc screen(nullptr);
    return GetPixel(screen.Get(), point.x, point.y);
}

// A left click through the system at a screen point.
void ClickAt(POINT point) {
    SetCursorPos(point.x, point.y);
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) input.type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

}  // namespace

TEST(Neighbour, TheWindowIsTopmostOnceItExistsAndZOrderIsUntouched) {
    LiveCharacter character;
    EXPECT_TRUE(IsTopmost(character.Window())) << std::hex << GetWindowLongA(character.Window(), GWL_EXSTYLE);
    PumpFor(100);
    EXPECT_EQ(character.Body().ZOrderValue(), reinterpret_cast<HWND>(1)) << "ZOrder reads as before any change";
    EXPECT_TRUE(character.Receiver().Of(CRN_ZORDER).empty()) << "no z-order event for it";
}

TEST(Neighbour, ByDefaultTheCharacterStaysAboveAFullScreenWindowOfAnotherProgram) {
    LiveCharacter character;
    character.ShowAt(400.0f, 500.0f);
    const POINT inked = InkedPoint(400, 500);
    const NeighbourProcess fullScreen("fullscreen " + At(inked));
    ASSERT_NE(fullScreen.Window(), nullptr);
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == fullScreen.Window(); }, 3000));
    PumpFor(300);
    EXPECT_TRUE(IsTopmost(character.Window()));
    EXPECT_TRUE(IsAbove(character.Window(), fullScreen.Window()));
    EXPECT_EQ(WindowFromPoint(inked), character.Window());
    EXPECT_NE(ScreenPixel(inked), kNeighbourBlue);
    EXPECT_EQ(character.Body().SteppedAsideFor(), nullptr);
}

TEST(Neighbour, AYieldingCharacterStepsAsideForAFullScreenWindowAndComesBack) {
    LiveCharacter character;
    character.Body().SetYieldToFullScreen(true);
    character.ShowAt(400.0f, 500.0f);
    const POINT inked = InkedPoint(400, 500);
    const COLORREF picture = ScreenPixel(inked);
    NeighbourProcess fullScreen("fullscreen " + At(inked));
    const HWND covering = fullScreen.Window();
    ASSERT_NE(covering, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return character.Body().SteppedAsideFor() == covering; }, 3000));
    PumpFor(300);
    EXPECT_TRUE(IsWindowVisible(character.Window())) << "still shown, only below";
    EXPECT_FALSE(IsTopmost(character.Window()));
    EXPECT_TRUE(IsAbove(covering, character.Window()));
    EXPECT_EQ(WindowFromPoint(inked), covering);
    EXPECT_EQ(ScreenPixel(inked), kNeighbourBlue);
    EXPECT_TRUE(character.Receiver().Of(CRN_ZORDER).empty()) << "the client's z-order is not touched";

    // Requests go on while it stands aside: one completes, one that lasts stays in progress.
    character.PlayInPlace(7, L"walk");
    EXPECT_TRUE(character.WaitForCompletion(7));
    character.PlayInPlace(8, L"long");
    PumpFor(300);
    RECT aside{};
    GetWindowRect(character.Window(), &aside);

    fullScreen.Close();
    ASSERT_TRUE(PumpUntil([&] { return character.Body().SteppedAsideFor() == nullptr; }, 3000));
    PumpFor(300);
    EXPECT_TRUE(IsTopmost(character.Window()));
    RECT back{};
    GetWindowRect(character.Window(), &back);
    EXPECT_TRUE(EqualRect(&aside, &back)) << "where it was";
    const POINT walked{inked.x + 30, inked.y};
    EXPECT_EQ(WindowFromPoint(walked), character.Window());
    EXPECT_EQ(ScreenPixel(walked), picture);
    EXPECT_FALSE(character.Receiver().Has(CRN_REQUESTCOMPLETE, 8)) << "nothing completed early";
}

TEST(Neighbour, AMaximisedWindowIsNotFullScreen) {
    LiveCharacter character;
    character.Body().SetYieldToFullScreen(true);
    character.ShowAt(400.0f, 500.0f);
    const NeighbourProcess maximised("maximised " + At(InkedPoint(400, 500)));
    ASSERT_NE(maximised.Window(), nullptr);
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == maximised.Window(); }, 3000));
    EXPECT_TRUE(IsZoomed(maximised.Window()));
    PumpFor(1200);
    EXPECT_EQ(character.Body().SteppedAsideFor(), nullptr);
    EXPECT_TRUE(IsTopmost(character.Window()));
}

TEST(Neighbour, AClickOnAClickThroughCharacterReachesTheWindowBelow) {
    LiveCharacter character;
    character.ShowAt(400.0f, 500.0f);
    const POINT inked = InkedPoint(400, 500);
    const NeighbourProcess target("target 300 380 520 540");
    ASSERT_NE(target.Window(), nullptr);
    PumpFor(200);
    ASSERT_EQ(WindowFromPoint(inked), character.Window()) << "the character is above the target";

    character.Body().SetClickThrough(true);
    character.Receiver().Clear();
    ClickAt(inked);
    EXPECT_TRUE(PumpUntil([&] { return target.Title() == "clicks 1"; }, 3000)) << target.Title();
    // What still reaches the window itself is dropped: no notification, no drag, no menu.
    const LPARAM point = MAKELPARAM(20, 30);
    PostMessageA(character.Window(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageA(character.Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 90));
    PostMessageA(character.Window(), WM_LBUTTONUP, 0, point);
    PostMessageA(character.Window(), WM_RBUTTONUP, 0, point);
    PumpFor(400);
    EXPECT_TRUE(character.Receiver().Received().empty());
    EXPECT_EQ(character.Body().Position().x, 400.0f);

    character.Body().SetClickThrough(false);
    ClickAt(inked);
    EXPECT_TRUE(character.WaitFor(CRN_LBUTTONDOWN, MK_LBUTTON));
    EXPECT_EQ(target.Title(), "clicks 1") << "the character takes the click again";
}

TEST(TwoMonitors, AFullScreenWindowOnOneMonitorLeavesACharacterOnTheOther) {
    if (GetSystemMetrics(SM_CMONITORS) < 2) GTEST_SKIP() << "one monitor";
    MONITORINFO primary{};
    primary.cbSize = sizeof primary;
    GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &primary);
    LiveCharacter covered, other;
    covered.Body().SetYieldToFullScreen(true);
    other.Body().SetYieldToFullScreen(true);
    covered.ShowAt(400.0f, 500.0f);
    other.ShowAt(static_cast<float>(primary.rcMonitor.right + 300), 500.0f);
    const NeighbourProcess fullScreen("fullscreen 400 400");
    ASSERT_NE(fullScreen.Window(), nullptr);
    EXPECT_TRUE(PumpUntil([&] { return covered.Body().SteppedAsideFor() == fullScreen.Window(); }, 3000));
    PumpFor(1200);
    EXPECT_EQ(other.Body().SteppedAsideFor(), nullptr);
    EXPECT_TRUE(IsTopmost(other.Window()));
}
