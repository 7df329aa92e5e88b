#include "QuitSignals.h"

namespace {

DWORD g_demoThread = 0;
bool g_quitting = false;  // the quit message has been taken from the queue

constexpr DWORD kCloseGraceMs = 2000;

BOOL WINAPI OnConsoleEvent(DWORD event) {
    PostThreadMessageW(g_demoThread, WM_QUIT, 0, 0);
    // A closing console ends the process when this returns: the demo gets a moment to
    // release its characters first. Otherwise it ends by itself.
    if (event == CTRL_CLOSE_EVENT) Sleep(kCloseGraceMs);
    return TRUE;
}

void CALLBACK OnDeadline(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }

// Dispatches what is waiting; false once the quit message has come.
bool DispatchWaiting() {
    MSG message;
    while (!g_quitting && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            g_quitting = true;
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return !g_quitting;
}

}  // namespace

void QuitOnConsoleClose() {
    g_demoThread = GetCurrentThreadId();
    SetConsoleCtrlHandler(&OnConsoleEvent, TRUE);
}

void QuitAfter(uint32_t seconds) { SetTimer(nullptr, 0, seconds * 1000, &OnDeadline); }

bool QuitRequested() { return g_quitting || !DispatchWaiting(); }

bool PumpUntil(const std::function<bool()>& done) {
    for (;;) {
        if (!DispatchWaiting()) return false;
        if (done && done()) return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
}

bool Pause(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    return PumpUntil([&] { return GetTickCount() - start >= milliseconds; });
}
