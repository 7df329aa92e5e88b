#pragma once
#include "Win32Api.h"

class Surface;

// Copies the whole surface into the drawing context with its top-left corner at (x, y),
// straight from the surface's top-down 32-bit pixels.
void BlitSurface(HDC dc, const Surface& surface, int x, int y);
