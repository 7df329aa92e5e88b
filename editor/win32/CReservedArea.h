#pragma once
// The part of a dialog that its drawn child window fills: the placeholder control's place at
// first, then grown with the dialog to its bottom-right corner, and kept there across DPI
// changes.
#include <windows.h>

class CDrawnChildWnd;

class CReservedArea {
public:
    // Puts `window` in place of the dialog's placeholder control.
    void Take(HWND dialog, int placeholderId, CDrawnChildWnd& window);
    // The dialog's sizing and DPI messages that move the window; true when one was handled.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

private:
    void PlaceWindow();

    HWND m_dialog = nullptr;
    CDrawnChildWnd* m_window = nullptr;
    RECT m_rect{0, 0, 0, 0};
    UINT m_dpi = 96;  // the area's
};
