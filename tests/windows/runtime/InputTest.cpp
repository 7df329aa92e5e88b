// The character window's handling of mouse, keyboard, activation, position changes, commands
// and its context menu, driven by real window messages.
#include "Win32Api.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "CharacterMessages.h"
#include "LiveCharacter.h"
#include "TestCharacters.h"

using test_characters::kAnchor;

namespace {

LPARAM ClientPoint(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

// The visible pop-up menu of the thread, if any.
HWND FindMenuOf(DWORD threadId) {
    for (HWND menu = FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu != nullptr;
         menu = FindWindowExA(nullptr, menu, "#32768", nullptr)) {
        if (IsWindowVisible(menu) && GetWindowThreadProcessId(menu, nullptr) == threadId) return menu;
    }
    return nullptr;
}

// Right-clicks the character and waits until its menu shows.
HWND OpenMenu(LiveCharacter& character, LPARAM at) {
    const DWORD threadId = GetWindowThreadProcessId(character.Window(), nullptr);
    PostMessageA(character.Window(), WM_RBUTTONUP, 0, at);
    HWND menu = nullptr;
    PumpUntil([&] { return (menu = FindMenuOf(threadId)) != nullptr; }, 3000);
    return menu;
}

// A screen coordinate in the 0 to 65535 range of absolute mouse input, rounded to land on it.
LONG NormalisedCoordinate(int pixel, int screenSize) {
    return static_cast<LONG>((pixel * 65536 + screenSize / 2) / screenSize);
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

// Which window the system finds at a screen point, and where the cursor is, for failure messages.
std::string WindowAt(POINT point) {
    const HWND window = WindowFromPoint(point);
    char className[64] = {};
    GetClassNameA(window, className, sizeof(className));
    POINT cursor{};
    GetCursorPos(&cursor);
    return std::string("window at the point: ") + className + ", cursor at " + std::to_string(cursor.x) + "," +
           std::to_string(cursor.y);
}

// Keys reach the menu's modal loop through the character thread's queue.
void PressKey(HWND window, WPARAM key) { PostMessageA(window, WM_KEYDOWN, key, 1); }

}  // namespace

TEST(CharacterInput, MouseAndKeyNotificationsCarryTheMessageParameters) {
    LiveCharacter character;
    const HWND window = character.Window();
    PostMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON | MK_SHIFT, ClientPoint(3, 4));
    PostMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, ClientPoint(5, 6));
    PostMessageA(window, WM_RBUTTONDBLCLK, MK_RBUTTON | MK_CONTROL, ClientPoint(7, 8));
    PostMessageA(window, WM_KEYDOWN, 'Q', 0x00100001);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(9, 10));
    PostMessageA(window, WM_LBUTTONUP, 0, ClientPoint(11, 12));
    ASSERT_TRUE(character.WaitFor(CRN_LBUTTONUP, 0));
    std::vector<Notification> input;
    for (const Notification& n : character.Receiver().Received()) {
        if (n.message != CRN_MOVE && n.message != CRN_ZORDER) input.push_back(n);
    }
    ASSERT_EQ(input.size(), 6u);
    const Notification expected[] = {
        {CRN_LBUTTONDBLCLK, MK_LBUTTON | MK_SHIFT, ClientPoint(3, 4), 0},
        {CRN_RBUTTONDOWN, MK_RBUTTON, ClientPoint(5, 6), 0},
        {CRN_RBUTTONDBLCLK, MK_RBUTTON | MK_CONTROL, ClientPoint(7, 8), 0},
        {CRN_KEY, 'Q', 0x00100001, 0},
        {CRN_LBUTTONDOWN, MK_LBUTTON, ClientPoint(9, 10), 0},
        {CRN_LBUTTONUP, 0, ClientPoint(11, 12), 0},
    };
    for (size_t i = 0; i < input.size(); ++i) {
        EXPECT_EQ(input[i].message, expected[i].message) << i;
        EXPECT_EQ(input[i].wParam, expected[i].wParam) << i;
        EXPECT_EQ(input[i].lParam, expected[i].lParam) << i;
    }
}

TEST(CharacterInput, DragMovesTheReferencePointByTheMousesDistance) {
    LiveCharacter character;
    character.ShowAt(300.0f, 400.0f);
    const HWND window = character.Window();
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(10, 20));
    PostMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(15, 27));
    PostMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(-5, 20));  // left of the window
    PostMessageA(window, WM_MOUSEMOVE, 0, ClientPoint(90, 90));            // button up: no drag
    PostMessageA(window, WM_LBUTTONUP, 0, ClientPoint(-5, 20));
    ASSERT_TRUE(character.WaitFor(CRN_LBUTTONUP, 0));
    EXPECT_EQ(character.Body().Position(), (PointF{285.0f, 400.0f}));
    EXPECT_TRUE(PumpUntil(
        [&] {
            RECT rect{};
            GetWindowRect(window, &rect);
            return rect.left == 285 - static_cast<int>(kAnchor.x);
        },
        2000))
        << "the window follows at the next tick";
}

TEST(CharacterInput, MoveWithTheButtonDownWithoutAPressJumpsToTheMouse) {
    LiveCharacter character;
    character.ShowAt(300.5f, 400.0f);
    const HWND window = character.Window();
    // The window's top-left is at (280, 340): client (10, 20) is the screen point (290, 360).
    PostMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(10, 20));
    SendMessageA(window, WM_NULL, 0, 0);
    PumpFor(50);
    EXPECT_EQ(character.Body().Position(), (PointF{290.5f, 360.0f})) << "within the truncation of the position";
}

namespace {

// One press, move and release through SendInput; true when the reference point followed the
// mouse while the button was down. Wine keeps its own cursor beside the X server's pointer, and
// on a loaded Xvfb a move may reach the character without the button or not at all.
bool DragThroughTheSystem(LiveCharacter& character, POINT grab, POINT target) {
    character.ShowAt(400.0f, 500.0f);
    SetCursorPos(grab.x, grab.y);
    PumpFor(50);
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) input.type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dx = NormalisedCoordinate(target.x, GetSystemMetrics(SM_CXSCREEN));
    inputs[1].mi.dy = NormalisedCoordinate(target.y, GetSystemMetrics(SM_CYSCREEN));
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &inputs[0], sizeof(INPUT));
    EXPECT_TRUE(character.WaitFor(CRN_LBUTTONDOWN, MK_LBUTTON)) << "the press reaches the character";
    SendInput(1, &inputs[1], sizeof(INPUT));
    const PointF dragged{400.0f + static_cast<float>(target.x - grab.x), 500.0f + static_cast<float>(target.y - grab.y)};
    for (int wait = 0; wait < 20 && !(character.Body().Position() == dragged); ++wait) PumpFor(50);
    const bool followed = character.Body().Position() == dragged;
    SendInput(1, &inputs[2], sizeof(INPUT));
    EXPECT_TRUE(character.WaitFor(CRN_LBUTTONUP, 0));
    return followed;
}

}  // namespace

TEST(CharacterInput, RealMouseDragThroughTheSystem) {
    LiveCharacter character;
    // An opaque pixel of the picture, on the screen: picture (30, 40) with the top-left at (380, 440).
    const POINT grab{380 + 30, 440 + 40};
    const POINT target{grab.x + 25, grab.y - 12};
    bool followed = false;
    for (int attempt = 0; attempt < 4 && !followed && !HasFailure(); ++attempt) {
        followed = DragThroughTheSystem(character, grab, target);
    }
    EXPECT_TRUE(followed) << "the reference point moves by the mouse's distance while the button is down";
    // Wherever the cursor is when the button has gone up, the character is there by the same distance.
    POINT cursor{};
    GetCursorPos(&cursor);
    const PointF position = character.Body().Position();
    EXPECT_EQ(position.x, 400.0f + static_cast<float>(cursor.x - grab.x));
    EXPECT_EQ(position.y, 500.0f + static_cast<float>(cursor.y - grab.y));
}

TEST(CharacterInput, RegionModeClicksOnKeyPixelsPassThrough) {
    CharacterThreadOptions options;
    options.forceRegionMode = true;
    LiveCharacter character(options);
    character.ShowAt(300.0f, 400.0f);
    // The picture's top-left is at (280, 340); (10, 15) lies in its key-coloured hole.
    ClickAt(POINT{280 + 10, 340 + 15});
    PumpFor(300);
    EXPECT_TRUE(character.Receiver().Of(CRN_LBUTTONDOWN).empty()) << "the hole is not the character";
    const POINT opaque{280 + 30, 340 + 40};
    ClickAt(opaque);
    ASSERT_TRUE(character.WaitFor(CRN_LBUTTONDOWN, MK_LBUTTON, 2000)) << WindowAt(opaque);
    EXPECT_EQ(character.Receiver().Of(CRN_LBUTTONDOWN)[0].lParam, ClientPoint(310, 380))
        << "region mode reports screen coordinates";
}

TEST(CharacterInput, ActivationFlagFollowsTheLow16Bits) {
    LiveCharacter character;
    EXPECT_FALSE(character.Body().IsActive());
    SendMessageA(character.Window(), WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 0), 0);
    EXPECT_TRUE(character.Body().IsActive());
    SendMessageA(character.Window(), WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 0);
    EXPECT_FALSE(character.Body().IsActive()) << "a minimised flag in the high bits does not count";
}

TEST(CharacterInput, PositionChangesReportMovesAndZOrder) {
    LiveCharacter character;
    const HWND window = character.Window();
    EXPECT_EQ(character.Body().ZOrderValue(), reinterpret_cast<HWND>(1));
    PumpFor(150);
    character.Receiver().Clear();
    // Topmost from the start, the window is at the top already: to the bottom is a change.
    SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(PumpUntil([&] { return !character.Receiver().Of(CRN_ZORDER).empty(); }, 2000));
    EXPECT_EQ(character.Receiver().Of(CRN_ZORDER)[0].wParam, reinterpret_cast<WPARAM>(HWND_BOTTOM));
    EXPECT_EQ(character.Body().ZOrderValue(), HWND_BOTTOM);
    EXPECT_TRUE(character.Receiver().Of(CRN_MOVE).empty()) << "a pure z-order change is no move";

    character.Receiver().Clear();
    SetWindowPos(window, nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(PumpUntil([&] { return !character.Receiver().Of(CRN_MOVE).empty(); }, 2000));
    EXPECT_EQ(character.Receiver().Of(CRN_MOVE)[0].wParam, 0u) << "the move cause";
    EXPECT_NE(character.Receiver().Of(CRN_MOVE)[0].lParam, 0);
    EXPECT_TRUE(character.Receiver().Of(CRN_ZORDER).empty());
}

TEST(CharacterInput, CommandOneHidesAndOthersDoNothing) {
    LiveCharacter character;
    const HWND window = character.Window();
    character.Body().SetVisible(true);
    ASSERT_TRUE(IsWindowVisible(window));
    SendMessageA(window, WM_COMMAND, 2, 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(1, 1), 0);
    EXPECT_TRUE(IsWindowVisible(window));
    SendMessageA(window, WM_COMMAND, 1, 0);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindow(window));
}

TEST(ContextMenu, OffersHideAndReportsADismissalAsZero) {
    LiveCharacter character;
    character.ShowAt(300.0f, 400.0f);
    character.Receiver().Clear();
    const HWND menu = OpenMenu(character, ClientPoint(12, 34));
    ASSERT_NE(menu, nullptr) << "the menu did not appear";
    const auto items = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
    ASSERT_NE(items, nullptr);
    EXPECT_EQ(GetMenuItemCount(items), 1);
    EXPECT_EQ(GetMenuItemID(items, 0), 1u);
    char text[32] = {};
    GetMenuStringA(items, 0, text, sizeof(text), MF_BYPOSITION);
    EXPECT_STREQ(text, "Hide");
    PressKey(character.Window(), VK_ESCAPE);
    ASSERT_TRUE(PumpUntil([&] { return !character.Receiver().Of(CRN_CONTEXTMENU).empty(); }, 3000));
    const Notification closed = character.Receiver().Of(CRN_CONTEXTMENU)[0];
    EXPECT_EQ(closed.wParam, 0u);
    EXPECT_EQ(closed.lParam, ClientPoint(12, 34));
}

TEST(ContextMenu, ChoosingHideReportsCommandOneAndLeavesTheCharacterShown) {
    LiveCharacter character;
    character.ShowAt(300.0f, 400.0f);
    ASSERT_NE(OpenMenu(character, ClientPoint(1, 2)), nullptr);
    PressKey(character.Window(), VK_DOWN);
    PressKey(character.Window(), VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return !character.Receiver().Of(CRN_CONTEXTMENU).empty(); }, 3000));
    EXPECT_EQ(character.Receiver().Of(CRN_CONTEXTMENU)[0].wParam, 1u);
    PumpFor(150);
    EXPECT_TRUE(IsWindowVisible(character.Window())) << "the client decides what Hide does";
}

TEST(ContextMenu, RightClickWhileTheMenuIsOpenDoesNothing) {
    LiveCharacter character;
    character.ShowAt(300.0f, 400.0f);
    ASSERT_NE(OpenMenu(character, ClientPoint(1, 2)), nullptr);
    DWORD_PTR result = 0;
    const LRESULT answered = SendMessageTimeoutA(character.Window(), WM_RBUTTONUP, 0, ClientPoint(3, 4),
                                                 SMTO_NORMAL, 2000, &result);
    EXPECT_NE(answered, 0) << "a second right click must return at once";
    PressKey(character.Window(), VK_ESCAPE);
    ASSERT_TRUE(PumpUntil([&] { return !character.Receiver().Of(CRN_CONTEXTMENU).empty(); }, 3000));
    PumpFor(300);
    EXPECT_EQ(character.Receiver().Of(CRN_CONTEXTMENU).size(), 1u);
    EXPECT_EQ(FindMenuOf(GetWindowThreadProcessId(character.Window(), nullptr)), nullptr);
}
