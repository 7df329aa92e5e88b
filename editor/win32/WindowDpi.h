#pragma once
// The DPI of the monitor a window is on, as the window sees it.
#include <windows.h>

// GetDpiForWindow where the system has it (looked up at run time); otherwise the screen's
// LOGPIXELSX.
UINT WindowDpi(HWND window);
