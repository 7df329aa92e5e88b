#include "Forget.h"

#include <windows.h>

#include "DeskStore.h"

namespace {

constexpr DWORD kWaitStepMs = 100;
constexpr int kWaitSteps = 50;  // 5 s for the companion to save and end

bool CompanionRuns() {
    const HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, L"Local\\VimroDesk.Companion");
    if (mutex == nullptr) return false;
    CloseHandle(mutex);
    return true;
}

}  // namespace

void ForgetEverything() {
    // The companion saves its state as it ends: it has to end before the state goes.
    if (const HWND companion = FindWindowW(L"VimroDeskCompanion", nullptr)) PostMessageW(companion, WM_CLOSE, 0, 0);
    for (int step = 0; step < kWaitSteps && CompanionRuns(); ++step) Sleep(kWaitStepMs);
    desk::DeskStore().Forget();
}
