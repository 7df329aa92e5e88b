#pragma once
// What a hostile program on the desktop can do to the engine's windows: find them by class
// and send them every private message number with junk parameters.
#include <windows.h>

// Sends WM_USER .. WM_USER + 0xFF and WM_APP .. WM_APP + 0x3F (all but the closing message)
// with junk parameters to every character and receiver window of the process; each send gives
// up after a second. Returns how many windows it reached.
int SendJunkToEngineWindows(DWORD processId);
