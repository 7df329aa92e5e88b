#pragma once
// While the object lives, the system is told why ending the session would lose work
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
