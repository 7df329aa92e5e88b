#pragma once
// The monitors of the desktop as the calling thread sees them.
#include "Win32Api.h"

#include <vector>

#include "MonitorBringBack.h"
#include "ScreenRect.h"

std::vector<MonitorArea> CurrentMonitors();
// SM_XVIRTUALSCREEN ... SM_CYVIRTUALSCREEN: the rectangle around every monitor.
ScreenRect VirtualScreen();
