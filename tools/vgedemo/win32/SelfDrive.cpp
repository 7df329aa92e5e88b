#include "SelfDrive.h"

#include "QuitSignals.h"

namespace {

constexpr int kDragSteps = 12;
constexpr int kDragArcHeight = 50;

// A screen coordinate in the 0 to 65535 range of absolute mouse input, rounded to land on it.
LONG Normalised(int pixel, int screenSize) { return static_cast<LONG>((pixel * 65536 + screenSize / 2) / screenSize); }

void SendMouse(DWORD flags, POINT at = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        input.mi.dx = Normalised(at.x, GetSystemMetrics(SM_CXSCREEN));
        input.mi.dy = Normalised(at.y, GetSystemMetrics(SM_CYSCREEN));
    }
    SendInput(1, &input, sizeof(INPUT));
}

void MoveMouse(POINT to) { SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, to); }

void PressKey(WORD key) {
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

POINT ScreenPointOf(const Actor& actor, StagePoint offset) {
    const StagePoint position = actor.Position();
    return POINT{position.x + offset.x, position.y + offset.y};
}

// A visible pop-up menu on the screen (class "#32768").
bool MenuShown() {
    for (HWND menu = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); menu != nullptr;
         menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) {
        if (IsWindowVisible(menu)) return true;
    }
    return false;
}

bool WaitUpTo(DWORD milliseconds, const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    return PumpUntil([&] { return done() || GetTickCount() - start >= milliseconds; }) && done();
}

}  // namespace

bool DragAlong(Actor& actor, StagePoint offset, int dx) {
    const POINT grab = ScreenPointOf(actor, offset);
    SetCursorPos(grab.x, grab.y);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    if (!Pause(150)) return false;
    for (int step = 1; step <= kDragSteps; ++step) {
        // Up and down again: a parabola over the steps, zero at both ends.
        const int lift = 4 * kDragArcHeight * step * (kDragSteps - step) / (kDragSteps * kDragSteps);
        MoveMouse(POINT{grab.x + dx * step / kDragSteps, grab.y - lift});
        if (!Pause(70)) return false;
    }
    SendMouse(MOUSEEVENTF_LEFTUP);
    return Pause(300);
}

bool PickFromContextMenu(Actor& actor, StagePoint offset) {
    const POINT at = ScreenPointOf(actor, offset);
    SetCursorPos(at.x, at.y);
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    SendMouse(MOUSEEVENTF_RIGHTUP);
    if (!WaitUpTo(3000, &MenuShown)) return false;
    if (!Pause(1200)) return false;  // long enough to be seen, and to be in a picture
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    return WaitUpTo(3000, [] { return !MenuShown(); });
}
