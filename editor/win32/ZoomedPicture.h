#pragma once
// A picture enlarged by a whole step, every pixel a sharp zoom x zoom square.
#include <windows.h>

class CBryDIB;

void DrawZoomedPicture(HDC dc, const CBryDIB& image, int x, int y, int zoom, HPALETTE palette);
