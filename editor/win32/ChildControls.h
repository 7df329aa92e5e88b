#pragma once
// Controls that a drawn child window makes itself (outside any dialog template), in the font of
// the dialog it lies in; after a DPI change the dialog has a font of the new size for them.
#include <windows.h>

#include "ControlColumnLayout.h"

HWND CreateChildControl(HWND parent, const char* windowClass, DWORD style, int id);
// Gives the control the font of the dialog above its parent.
void UseDialogFont(HWND control, bool redraw);
void Place(HWND control, const ControlRect& rect);
