#pragma once
// How the demo learns that it should end, all as the thread's quit message: Ctrl+C or a closed
// console, the end of --seconds, Escape on a character, a closed backdrop. The demo's waits
// pump messages and stop when it comes; once it came, every later wait returns at once.
#include <windows.h>

#include <cstdint>
#include <functional>

// Posts the quit message to the calling thread on Ctrl+C, Ctrl+Break or a closing console.
void QuitOnConsoleClose();
// Posts the quit message to the calling thread after that many seconds (a thread timer).
void QuitAfter(uint32_t seconds);

// Whether the quit message has come (dispatching what waits before it).
bool QuitRequested();
// Dispatches the thread's messages until done() holds (true) or the quit message comes
// (false); done may be empty to wait for the quit alone.
bool PumpUntil(const std::function<bool()>& done);
// Dispatches messages for that many milliseconds; false when the quit message came first.
bool Pause(DWORD milliseconds);
