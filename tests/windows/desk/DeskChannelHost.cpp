// A companion without an engine for the channel's tests under Wine: CDeskChannel over fake
// characters whose requests end a timer tick (10 ms) after they were asked for.
//   desk_channel_host.exe [--idle-ms N] [--max-clients N]
#include "CDeskChannel.h"
#include "FakeDeskCharacters.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

// Ends every waited-for request on the next tick of the UI thread's timer.
class TickingCharacters : public desk::FakeDeskCharacters {
public:
    void CompleteAll() {
        while (!waiting.empty()) Complete(waiting.begin()->first, true);
    }
};

TickingCharacters* g_characters = nullptr;

void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    if (g_characters != nullptr) g_characters->CompleteAll();
}

desk::DeskChannelLimits LimitsFromCommandLine() {
    desk::DeskChannelLimits limits;
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv == nullptr) return limits;
    for (int i = 1; i + 1 < argc; i += 2) {
        const unsigned long value = std::wcstoul(argv[i + 1], nullptr, 10);
        if (std::wcscmp(argv[i], L"--idle-ms") == 0) limits.idleTimeoutMs = value;
        if (std::wcscmp(argv[i], L"--max-clients") == 0) limits.maxClients = value;
    }
    LocalFree(argv);
    return limits;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // As the engine's scan of installed characters does: a line on standard output, which
    // must never reach the output of the vimro that started this process.
    std::printf("scanning the installed characters\n");
    std::fflush(stdout);
    TickingCharacters characters;
    g_characters = &characters;
    desk::CDeskChannel channel(characters, [] { PostQuitMessage(0); }, LimitsFromCommandLine());
    if (!channel.Start()) {
        std::fprintf(stderr, "desk_channel_host: %s\n", channel.StartError().c_str());
        return 3;
    }
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, &OnTick);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    KillTimer(nullptr, timer);
    g_characters = nullptr;
    return 0;
}
