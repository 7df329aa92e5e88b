// Latency of "vimro say" from the start of vimro.exe to the balloon on screen, against a
// running VimroDesk with Pip shown. Prints one line per sample and the median.
//   vimro_latency.exe SAMPLES
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

bool BalloonVisible() {
    const HWND balloon = FindWindowW(L"VGEBalloonWindow", nullptr);
    return balloon != nullptr && IsWindowVisible(balloon);
}

// Polls every millisecond; false after timeoutMs.
template <class Condition>
bool WaitFor(Condition condition, ULONGLONG timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() > deadline) return false;
        Sleep(1);
    }
    return true;
}

std::wstring VimroPath() {
    std::vector<wchar_t> path(32768);
    std::wstring own(path.data(), GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return own.substr(0, own.find_last_of(L"\\/") + 1) + L"vimro.exe";
}

// Milliseconds from vimro's start to the balloon, or a negative number when none came.
double OneSample(int index) {
    const std::wstring program = VimroPath();
    std::wstring commandLine = L"\"" + program + L"\" say Pip \"Sample " + std::to_wstring(index) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    LARGE_INTEGER frequency, start, shown;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    const bool appeared = WaitFor(BalloonVisible, 10000);
    QueryPerformanceCounter(&shown);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // The balloon goes before the next sample starts.
    WaitFor([] { return !BalloonVisible(); }, 15000);
    return appeared ? 1000.0 * static_cast<double>(shown.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart) : -1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int samples = argc > 1 ? std::max(1, static_cast<int>(std::wcstol(argv[1], nullptr, 10))) : 10;
    std::vector<double> times;
    for (int i = 0; i < samples; ++i) {
        const double ms = OneSample(i);
        std::printf("sample %d: %.0f ms\n", i, ms);
        if (ms < 0) {
            std::printf("FAIL: no balloon for sample %d\n", i);
            return 1;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("vimro say to balloon on screen: median %.0f ms, min %.0f ms, max %.0f ms over %d samples\n",
                times[times.size() / 2], times.front(), times.back(), samples);
    return 0;
}
