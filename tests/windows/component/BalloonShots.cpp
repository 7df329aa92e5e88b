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
                work.bottom, b.bottom <= c.top + 1 ? "above" : "below", whole ? "whole" : "NOT WHOLE");
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


// CPU of the character threads, in 100 ns units: kMeasured still characters with a balloon up
// for the whole time against kMeasured without one, all shown, in the same run.
constexpr int kMeasured = 4;
struct CpuFigure {
    uint64_t with = 0, without = 0;
};

CpuFigure MeasureCpu() {
    CpuFigure figure;
    Released<IGraphicEngine> engine;
    if (FAILED(CoCreateInstance(CLSID_GraphicEngine, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphicEngine,
                                reinterpret_cast<void**>(&engine.p)))) {
        return figure;
    }
    const Text name(L"Hero"), stand(L"Stand");
    const Text longText(L"A balloon that stays up for the whole measurement: this text is long enough to need "
                        L"more than fifteen seconds of reading time, which is the most a page stays, so its one "
                        L"and only page stays up while the threads are timed.");
    std::vector<Released<ICharacter2>> characters(2 * kMeasured);
    std::vector<HWND> windows;
    for (int i = 0; i < 2 * kMeasured; ++i) {
        const Text id((L"cpu" + std::to_wstring(i)).c_str());
        Released<ICharacter> loaded;
        if (FAILED(engine->Load(id.b, name.b, nullptr, &loaded.p)) ||
            FAILED(loaded->QueryInterface(IID_ICharacter2, reinterpret_cast<void**>(&characters[static_cast<size_t>(i)].p)))) {
            return figure;
        }
        ICharacter2* character = characters[static_cast<size_t>(i)].p;
        character->SetPosition(100 + 150 * (i % kMeasured), i < kMeasured ? 400 : 800);
        character->put_Visible(1);
        LONG request = 0, cause = 1, handle = 0;
        character->Play(stand.b, 0, 0, 0, &request);
        character->WaitForRequest(request, &cause);
        character->get_hWnd(&handle);
        windows.push_back(reinterpret_cast<HWND>(static_cast<intptr_t>(handle)));
        if (i < kMeasured) {
            Released<IBalloon> balloon;
            character->get_Balloon(&balloon.p);
            balloon->put_Enabled(1);
            balloon->put_CharsPerLine(40);
            balloon->put_NumberOfLines(6);
            character->Speak(longText.b, &request);
        }
    }
    Pump(500);
    std::vector<uint64_t> before;
    for (HWND window : windows) before.push_back(CpuOf(window));
    Pump(12000);
    for (size_t i = 0; i < windows.size(); ++i) {
        (i < static_cast<size_t>(kMeasured) ? figure.with : figure.without) += CpuOf(windows[i]) - before[i];
    }
    for (int i = 0; i < 2 * kMeasured; ++i) {
        characters[static_cast<size_t>(i)]->StopAll();
        const Text id((L"cpu" + std::to_wstring(i)).c_str());
        engine->Unload(id.b);
    }
    return figure;
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
            {"right-edge", static_cast<int>(last.right) - 30, last.top + 400, false, L"At the right edge the balloon moves left onto the monitor."},
        };
        // The character shows a picture once it has played something.
        const Text stand(L"Stand");
        LONG played = 0, cause = 1;
        first->Play(stand.b, 0, 0, 0, &played);
        first->WaitForRequest(played, &cause);
        for (const Scene& scene : scenes) failures += Show(speaker.p, heroWindow, scene, argv[2]) ? 0 : 1;
        // A character whose picture's top lies 10 pixels below the top of the monitor.
        first->SetPosition(midX, 500);
        Pump(200);
        const LONG anchorY = 500 - WindowRect(heroWindow).top;
        const Scene top{"top-edge", midX, static_cast<int>(primary.top + 10 + anchorY), false,
                        L"No room above me: the balloon goes below."};
        failures += Show(speaker.p, heroWindow, top, argv[2]) ? 0 : 1;

        // A speaking character moved: the balloon follows it.
        const Scene moving{"moved", midX - 200, 500, false, L"I am moving, and my balloon comes with me."};
        failures += Show(speaker.p, heroWindow, moving, argv[2] + std::string("-before")) ? 0 : 1;
        for (int step = 1; step <= 10; ++step) {
            first->put_X(midX - 200 + 30 * step);
            Pump(100);
        }
        Pump(300);
        const RECT afterMove = WindowRect(VisibleBalloon() != nullptr ? VisibleBalloon() : heroWindow);
        const RECT heroAfter = WindowRect(heroWindow);
        const long offset = (afterMove.left + afterMove.right) / 2 - (heroAfter.left + heroAfter.right) / 2;
        std::printf("moved: balloon centre %ld from the character's centre\n", offset);
        RECT shot{};
        UnionRect(&shot, &afterMove, &heroAfter);
        InflateRect(&shot, 16, 16);
        WriteShot(shot, argv[2] + std::string("-moved.png"));
        speaker->Stop(0);  // the current request: its balloon goes at once
        Pump(300);
        std::printf("stopped: %s\n", VisibleBalloon() == nullptr ? "no balloon" : "a balloon is still shown");
        RECT around = WindowRect(heroWindow);
        InflateRect(&around, 60, 80);
        WriteShot(around, argv[2] + std::string("-stopped.png"));

        speaker->StopAll();
        engine->Unload(id.b);
        engine->Unload(otherId.b);
    }
    const CpuFigure cpu = MeasureCpu();
    std::printf("cpu over 12 s, %d characters each: with a balloon %.1f ms, without %.1f ms, ratio %.2f\n",
                kMeasured, cpu.with / 1e4, cpu.without / 1e4,
                cpu.without != 0 ? static_cast<double>(cpu.with) / static_cast<double>(cpu.without) : 0.0);
    CoUninitialize();
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Orvane\\RUX");
    if (failures == 0) std::printf("ALL WHOLE\n");
    return failures == 0 ? 0 : 1;
}
