#pragma once
// The main window's part in the end of the session: the block reason held while the character
// has unsaved changes, WM_QUERYENDSESSION answered at once, and the recovery copy written
// where the session ends anyway (see CSessionEnd).
#include <windows.h>

#include <functional>
#include <optional>

#include "SessionEnd.h"
#include "SessionEndBlock.h"

class CSessionGuard {
public:
    // After every change of the document.
    void DocumentIs(HWND window, bool dirty);
    // WM_QUERYENDSESSION and WM_ENDSESSION; true when the message was one of them, `result`
    // being the answer. `dirty` tells whether there is work to lose, `keep` writes the copy.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, const std::function<bool()>& dirty,
                   const std::function<void()>& keep, INT_PTR& result);

private:
    CSessionEnd m_session;
    std::optional<CSessionEndBlock> m_block;
};
