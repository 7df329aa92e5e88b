#pragma once
// Thread DPI awareness and window DPI, looked up in user32 at run time: systems before
// Windows 10 1607 lack them, and there every window is drawn at 96 DPI as before.
#include "Win32Api.h"

// The calling thread's awareness context; nullptr where the system has none.
DPI_AWARENESS_CONTEXT CurrentThreadDpiContext();
// Gives the calling thread the context; nothing where the system lacks it or context is null.
void AdoptThreadDpiContext(DPI_AWARENESS_CONTEXT context);
// The window's DPI; 96 where the system cannot tell (an unaware window also answers 96).
UINT WindowDpi(HWND window);
