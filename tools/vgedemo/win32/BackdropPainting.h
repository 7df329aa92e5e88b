#pragma once
// The backdrop's picture, drawn with GDI into a device context.
#include <windows.h>

// Paints the whole client area; groundY is where the characters stand.
void PaintBackdrop(HDC dc, const RECT& area, int groundY);
