// desk_driver: drives a running VimroDesk.exe as a user would, for desk-test.sh. One step per
// run; each prints one line and exits 0, or 1 with the reason.
//   desk_driver wait-companion | wait-gone     the companion's window appears / goes (10 s)
//   desk_driver open-menu                      the tray icon's right click; waits for the menu
//   desk_driver keys-choose-first              Down and Enter into the open menu (SendInput)
//   desk_driver command ID                     WM_COMMAND ID to the companion's window
//   desk_driver character                      the shown character window's rectangle
//   desk_driver drag X Y DX DY                 drags with the left button from X, Y by DX, DY
//   desk_driver cpu SECONDS                    the companion's CPU time over SECONDS
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

constexpr UINT kTrayMessage = WM_APP + 1;  // desk/win32/DeskWindow.h

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 10000) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() > end) return false;
        Sleep(50);
    }
    return true;
}

HWND Companion() { return FindWindowW(L"VimroDeskCompanion", nullptr); }

HWND VisibleWindowOfClass(const wchar_t* className) {
    HWND found = nullptr;
    for (HWND window = FindWindowExW(nullptr, nullptr, className, nullptr); window != nullptr;
         window = FindWindowExW(nullptr, window, className, nullptr)) {
        if (IsWindowVisible(window)) found = window;
    }
    return found;
}

int Fail(const std::string& why) {
    std::printf("FAIL: %s\n", why.c_str());
    return 1;
}

void Key(WORD key) {
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = key;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
    Sleep(150);
}

void Mouse(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(INPUT));
}

int Drag(long x, long y, long dx, long dy) {
    SetCursorPos(x, y);
    Sleep(200);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    const int steps = 10;
    for (int i = 1; i <= steps; ++i) {
        Sleep(60);
        SetCursorPos(x + dx * i / steps, y + dy * i / steps);
        Mouse(MOUSEEVENTF_MOVE);
    }
    Sleep(200);
    Mouse(MOUSEEVENTF_LEFTUP);
    Sleep(300);
    std::printf("dragged from %ld %ld by %ld %ld\n", x, y, dx, dy);
    return 0;
}

int CharacterRect() {
    HWND character = nullptr;
    if (!WaitFor([&] { return (character = VisibleWindowOfClass(L"VGECOMCHWNDCLS")) != nullptr; })) {
        return Fail("no character window is shown");
    }
    RECT rect{};
    GetWindowRect(character, &rect);
    std::printf("character %ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
    return 0;
}

ULONGLONG CpuTime(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
    const auto value = [](FILETIME t) { return (ULONGLONG{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
    return value(kernel) + value(user);
}

int Cpu(int seconds) {
    DWORD processId = 0;
    GetWindowThreadProcessId(Companion(), &processId);
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) return Fail("cannot open the companion's process");
    const ULONGLONG before = CpuTime(process);
    const ULONGLONG start = GetTickCount64();
    Sleep(static_cast<DWORD>(seconds) * 1000);
    const ULONGLONG used = (CpuTime(process) - before) / 10000;  // 100 ns units to ms
    const ULONGLONG elapsed = GetTickCount64() - start;
    CloseHandle(process);
    std::printf("cpu %llu ms over %llu ms (%.2f %%)\n", used, elapsed, 100.0 * static_cast<double>(used) / static_cast<double>(elapsed));
    return 0;
}

int Run(int argc, char** argv) {
    const std::string step = argc > 1 ? argv[1] : "";
    if (step == "wait-companion") {
        if (!WaitFor([] { return Companion() != nullptr; })) return Fail("no companion window");
        std::printf("companion up\n");
        return 0;
    }
    if (step == "wait-gone") {
        if (!WaitFor([] { return Companion() == nullptr; })) return Fail("the companion is still there");
        std::printf("companion gone\n");
        return 0;
    }
    if (Companion() == nullptr) return Fail("no companion window");
    if (step == "open-menu") {
        // The cursor onto the icon first, as a user's click leaves it: the menu opens there.
        NOTIFYICONIDENTIFIER icon{};
        icon.cbSize = sizeof(icon);
        icon.hWnd = Companion();
        icon.uID = 1;
        RECT where{};
        if (SUCCEEDED(Shell_NotifyIconGetRect(&icon, &where))) {
            SetCursorPos((where.left + where.right) / 2, (where.top + where.bottom) / 2);
            std::printf("icon %ld %ld %ld %ld\n", where.left, where.top, where.right, where.bottom);
        }
        PostMessageW(Companion(), kTrayMessage, 1, WM_RBUTTONUP);
        if (!WaitFor([] { return VisibleWindowOfClass(L"#32768") != nullptr; })) return Fail("no menu came up");
        RECT rect{};
        GetWindowRect(VisibleWindowOfClass(L"#32768"), &rect);
        std::printf("menu %ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
        return 0;
    }
    if (step == "keys-choose-first") {
        Key(VK_DOWN);
        Key(VK_RETURN);
        if (!WaitFor([] { return VisibleWindowOfClass(L"#32768") == nullptr; }, 3000)) return Fail("the menu stays open");
        std::printf("chosen\n");
        return 0;
    }
    if (step == "command" && argc > 2) {
        PostMessageW(Companion(), WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[2])), 0);
        std::printf("posted\n");
        return 0;
    }
    if (step == "character") return CharacterRect();
    if (step == "drag" && argc > 5) return Drag(std::atol(argv[2]), std::atol(argv[3]), std::atol(argv[4]), std::atol(argv[5]));
    if (step == "cpu" && argc > 2) return Cpu(std::atoi(argv[2]));
    return Fail("unknown step " + step);
}

}  // namespace

int main(int argc, char** argv) {
    const int status = Run(argc, argv);
    std::fflush(stdout);
    return status;
}
