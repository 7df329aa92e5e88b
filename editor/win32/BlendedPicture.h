#pragma once
// Drawing pictures with opacity in Tarvel's windows: a checkerboard below, then the picture
// blended over whatever is drawn already (AlphaBlend of its premultiplied pixels).
#include <windows.h>

class CBryDIB;

void DrawCheckerboard(HDC dc, int width, int height);
// The picture at `zoom` times its size, each pixel a sharp square, blended by its opacity (a
// picture without opacity: its key colour left out).
void DrawBlendedPicture(HDC dc, const CBryDIB& image, int x, int y, int zoom);
