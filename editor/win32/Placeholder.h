#pragma once
// The area a dialog gives its drawn child window: the placeholder control's rectangle at
// first, then from its top-left corner to the dialog's bottom-right corner.
#include <windows.h>

// Destroys the placeholder control and returns its rectangle in dialog client coordinates;
// the dialog's client rectangle when there is no such control.
RECT TakePlaceholder(HWND dialog, int placeholderId);

// The reserved area after the dialog's client area became cx x cy pixels.
RECT GrownToClient(const RECT& reserved, int cx, int cy);

// After a DPI change the dialog manager scales the template's controls; the reserved area's
// corner, taken in pixels, follows (its size comes from the next GrownToClient).
RECT ReservedAtDpi(const RECT& reserved, UINT oldDpi, UINT newDpi);
// Posted by a dialog to itself after a DPI change: the drawn window is placed once the dialog
// manager has given the dialog its new size.
constexpr UINT kPlaceReservedMessage = WM_APP + 2;
