// Balloons on the desktop as a user sees them: a speech and a thought balloon, a balloon at
// the top edge of a monitor and one at the right edge of the last monitor, each checked to lie
// whole on its monitor's work area and written as a PNG of that part of the screen; then the
// CPU of a character thread with a balloon shown against one without, in the same run.
//   balloon_shots FOLDER OUT_PREFIX [aware]
// "aware" makes the process per-monitor DPI aware first (the characters then take the
// monitor's scale). Prints "ALL WHOLE" when every balloon lay whole on its work area.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "PictureEncoder.h"
#include "ServerRegistration.h"
#include "TestCharacters.h"
#include "VimroGE.h"

namespace {

template <class T>
struct Released {
    T* p = nullptr;
    Released() = default;
    Released(const Released&) = delete;
    Released& operator=(const Released&) = delete;
    ~Released() {
        if (p != nullptr) p->Release();
    }
    T* operator->() const { return p; }
};

struct Text {
    BSTR b;
    explicit Text(const wchar_t* text) : b(SysAllocString(text)) {}
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    ~Text() { SysFreeString(b); }
};

void Pump(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(10);
    }
}

HWND VisibleBalloon() {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, L"VGEBalloonWindow", nullptr)) != nullptr) {
        if (IsWindowVisible(window)) return window;
    }
    return nullptr;
}

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT WorkArea(HWND window) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

// The screen inside the rectangle as a PNG file.
bool WriteShot(const RECT& rect, const std::string& path) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    RgbaPixels pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.channels = 3;
    const auto* bgra = static_cast<const uint8_t*>(bits);
    for (int i = 0; i < width * height; ++i) {
        pixels.pixels.push_back(bgra[4 * i + 2]);
        pixels.pixels.push_back(bgra[4 * i + 1]);
        pixels.pixels.push_back(bgra[4 * i]);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    const std::vector<uint8_t> png = EncodePng(pixels);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    return !png.empty();
}

struct Scene {
    const char* name;
    int x, y;
    bool think;
    const wchar_t* text;
};

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM list) {
    reinterpret_cast<std::vector<RECT>*>(list)->push_back(*rect);
    return TRUE;
}

// The monitors, the primary one first.
std::vector<RECT> Monitors() {
    std::vector<RECT> monitors;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    std::stable_partition(monitors.begin(), monitors.end(), [](const RECT& r) { return r.left == 0 && r.top == 0; });
    return monitors;
}

// Shows one scene, checks and photographs it; true when the balloon lay whole on its area.
bool Show(ICharacter2* hero, HWND heroWindow, const Scene& scene, const std::string& prefix) {
    hero->StopAll();
    hero->SetPosition(scene.x, scene.y);
    const Text text(scene.text);
    LONG id = 0;
    if (scene.think) {
        hero->Think(text.b, &id);
    } else {
        hero->Speak(text.b, &id);
    }
    Pump(600);
    const HWND balloon = VisibleBalloon();
    if (balloon == nullptr) {
        std::printf("%s: no balloon\n", scene.name);
        return false;
    }
    const RECT b = WindowRect(balloon), c = WindowRect(heroWindow), work = WorkArea(heroWindow);
    const bool whole = b.left >= work.left && b.top >= work.top && b.right <= work.right && b.bottom <= work.bottom;
    std::printf("%s: balloon %ld,%ld-%ld,%ld character %ld,%ld-%ld,%ld work area %ld,%ld-%ld,%ld %s %s\n", scene.name,
                b.left, b.top, b.right, b.bottom, c.left, c.top, c.right, c.bottom, work.left, work.top, work.right,
                work.bottom, b.bottom <= c.top ? "above" : "below", whole ? "whole" : "NOT WHOLE");
    RECT shot{};
    UnionRect(&shot, &b, &c);
    InflateRect(&shot, 16, 16);
    IntersectRect(&shot, &shot, &work);
    WriteShot(shot, prefix + "-" + scene.name + ".png");
    return whole;
}

uint64_t CpuOf(HWND window) {
    FILETIME times[4]{};
    HANDLE thread = OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, GetWindowThreadProcessId(window, nullptr));
    if (thread == nullptr) return 0;
    GetThreadTimes(thread, &times[0], &times[1], &times[2], &times[3]);
    CloseHandle(thread);
    const auto value = [](FILETIME t) { return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return value(times[2]) + value(times[3]);  // kernel + user, 100 ns units
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: balloon_shots FOLDER OUT_PREFIX [aware]\n");
        return 2;
    }
    if (argc > 3 && std::string(argv[3]) == "aware") SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    CreateDirectoryA(argv[1], nullptr);
    test_characters::WriteAll(argv[1]);
    if (component_tests::RunRegsvr32(false) != 0) return 1;
    const std::string hero = std::string(argv[1]) + "\\Hero.rux", ball = std::string(argv[1]) + "\\Ball.rux";
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Orvane\\RUX");
    RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Orvane\\RUX", "File_1", REG_SZ, hero.c_str(), static_cast<DWORD>(hero.size() + 1));
    RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Orvane\\RUX", "File_2", REG_SZ, ball.c_str(), static_cast<DWORD>(ball.size() + 1));
    if (FAILED(CoInitialize(nullptr))) return 1;
    int failures = 0;
    {
        Released<IGraphicEngine> engine;
        if (FAILED(CoCreateInstance(CLSID_GraphicEngine, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphicEngine,
                                    reinterpret_cast<void**>(&engine.p)))) {
            return 1;
        }
        const Text id(L"hero"), name(L"Hero"), otherId(L"other");
        Released<ICharacter> first, second;
        Released<ICharacter2> speaker;
        Released<IBalloon> balloon;
        if (FAILED(engine->Load(id.b, name.b, nullptr, &first.p)) || FAILED(engine->Load(otherId.b, name.b, nullptr, &second.p)) ||
            FAILED(first->QueryInterface(IID_ICharacter2, reinterpret_cast<void**>(&speaker.p))) ||
            FAILED(speaker->get_Balloon(&balloon.p))) {
            return 1;
        }
        balloon->put_Enabled(1);
        first->put_Visible(1);
        LONG handle = 0;
        first->get_hWnd(&handle);
        const HWND heroWindow = reinterpret_cast<HWND>(static_cast<intptr_t>(handle));
        const std::vector<RECT> monitors = Monitors();
        const RECT& primary = monitors.front();
        const RECT& last = monitors.back();
        const int midX = (primary.left + primary.right) / 2;
        const Scene scenes[] = {
            {"speak", midX, 500, false, L"Hello! I am Hero, and this is a speech balloon."},
            {"think", midX, 500, true, L"Hmm... where did that ball go?"},
            {"top-edge", midX, primary.top + 150, false, L"No room above me: the balloon goes below."},
            {"right-edge", static_cast<int>(last.right) - 30, last.top + 400, false, L"At the right edge the balloon moves left onto the monitor."},
        };
        for (const Scene& scene : scenes) failures += Show(speaker.p, heroWindow, scene, argv[2]) ? 0 : 1;
        speaker->StopAll();
        Pump(300);
        std::printf("stopped: %s\n", VisibleBalloon() == nullptr ? "no balloon" : "a balloon is still shown");

        // CPU: both characters shown and still, the first with a balloon up for the whole time.
        second->put_Visible(1);
        first->SetPosition(midX - 150, 500);
        second->SetPosition(midX + 150, 500);
        balloon->put_CharsPerLine(60);
        const Text longText(L"A balloon that stays up for the whole measurement: this text is long enough to "
                            L"need more than ten seconds of reading time on its one and only page.");
        LONG request = 0;
        speaker->Speak(longText.b, &request);
        Pump(500);
        LONG otherHandle = 0;
        second->get_hWnd(&otherHandle);
        const HWND otherWindow = reinterpret_cast<HWND>(static_cast<intptr_t>(otherHandle));
        const uint64_t withBefore = CpuOf(heroWindow), withoutBefore = CpuOf(otherWindow);
        Pump(8000);
        const uint64_t with = CpuOf(heroWindow) - withBefore, without = CpuOf(otherWindow) - withoutBefore;
        std::printf("cpu over 8 s: with a balloon %.1f ms, without %.1f ms, ratio %.2f\n", with / 1e4, without / 1e4,
                    without != 0 ? static_cast<double>(with) / static_cast<double>(without) : 0.0);
        speaker->StopAll();
        engine->Unload(id.b);
        engine->Unload(otherId.b);
    }
    CoUninitialize();
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Orvane\\RUX");
    if (failures == 0) std::printf("ALL WHOLE\n");
    return failures == 0 ? 0 : 1;
}
