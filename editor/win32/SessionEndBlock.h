#pragma once
// While a window asks the user whether the session may end, the system is told why it waits
// (ShutdownBlockReasonCreate, Windows Vista and later, looked up at run time so that older
// systems simply go without the reason).
#include <windows.h>

class CSessionEndBlock {
public:
    CSessionEndBlock(HWND window, const wchar_t* reason);
    ~CSessionEndBlock();
    CSessionEndBlock(const CSessionEndBlock&) = delete;
    CSessionEndBlock& operator=(const CSessionEndBlock&) = delete;

private:
    HWND m_window;
    bool m_created = false;
};
