#pragma once
// Thread DPI awareness and window DPI, looked up in user32 at run time: systems before
// Windows 10 1607 lack them, and there every window is drawn at 96 DPI as before.
#include "Win32Api.h"

#include "DpiPolicy.h"
#include "UniqueHandle.h"

// The calling thread's awareness context; nullptr where the system has none.
DPI_AWARENESS_CONTEXT CurrentThreadDpiContext();
// Gives the calling thread the context; nothing where the system lacks it or context is null.
void AdoptThreadDpiContext(DPI_AWARENESS_CONTEXT context);
// The window's DPI; 96 where the system cannot tell (an unaware window also answers 96).
UINT WindowDpi(HWND window);
// The window's own awareness; unaware where the system cannot tell.
WindowAwareness WindowAwarenessOf(HWND window);

// The DPI of the monitor nearest a point (shcore's GetDpiForMonitor, Windows 8.1 and later),
// as a per-monitor-aware thread sees it.
class CMonitorDpi {
public:
    // Loads shcore.dll from the system folder; it stays loaded while this lives.
    void Load();
    // 0 where the system cannot tell.
    UINT At(POINT point) const;

private:
    using Entry = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    UniqueModule m_library;
    Entry m_entry = nullptr;
};
