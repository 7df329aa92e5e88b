#pragma once
// The area a dialog gives its drawn child window: the placeholder control's rectangle at
// first, then from its top-left corner to the dialog's bottom-right corner.
#include <windows.h>

// Destroys the placeholder control and returns its rectangle in dialog client coordinates;
// the dialog's client rectangle when there is no such control.
RECT TakePlaceholder(HWND dialog, int placeholderId);

// The reserved area after the dialog's client area became cx x cy pixels.
RECT GrownToClient(const RECT& reserved, int cx, int cy);
