#include "HostileSweep.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr UINT kCloseMessage = WM_USER + 124;  // would end the character, not attack it
constexpr const char* kEngineClasses[] = {"VGECOMCHWNDCLS", "VimroGECharacterEventReceiver"};

// Values a pointer-taking handler would read through: small, unmapped, odd and kernel ones.
const uintptr_t kJunk[] = {1, 0x41414141, 0x10000, static_cast<uintptr_t>(-8), 0xDEADBEEF};

struct Search {
    DWORD processId;
    std::vector<HWND> windows;
};

bool IsEngineClass(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    for (const char* engineClass : kEngineClasses) {
        if (std::strcmp(name, engineClass) == 0) return true;
    }
    return false;
}

BOOL CALLBACK Collect(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsEngineClass(window)) search.windows.push_back(window);
    return TRUE;
}

void SendJunk(HWND window, UINT message) {
    for (const uintptr_t junk : kJunk) {
        DWORD_PTR answer = 0;
        SendMessageTimeoutA(window, message, junk, static_cast<LPARAM>(junk), SMTO_ABORTIFHUNG, 1000, &answer);
    }
}

}  // namespace

int SendJunkToEngineWindows(DWORD processId) {
    Search search{processId, {}};
    EnumWindows(&Collect, reinterpret_cast<LPARAM>(&search));
    for (HWND window : search.windows) {
        for (UINT message = WM_USER; message <= WM_USER + 0xFF; ++message) {
            if (message != kCloseMessage) SendJunk(window, message);
        }
        for (UINT message = WM_APP; message <= WM_APP + 0x3F; ++message) SendJunk(window, message);
    }
    return static_cast<int>(search.windows.size());
}
