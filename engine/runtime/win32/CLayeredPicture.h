#pragma once
// The picture of a layered window with opacity per pixel: a premultiplied surface copied into
// a 32-bit DIB section and handed to UpdateLayeredWindow, which also places the window.
#include "Win32Api.h"

#include "UniqueHandle.h"

class CLayeredAttributes;
class Surface;

class CLayeredPicture {
public:
    // Shows the premultiplied surface as the window's picture with its top-left at topLeft
    // (screen coordinates); the window takes the surface's size. False when the system has no
    // UpdateLayeredWindow or a step failed.
    bool Show(const CLayeredAttributes& layered, HWND window, const Surface& premultiplied, POINT topLeft);

private:
    // A DIB section of the size (kept while the size stays) and a context to select it into.
    bool Prepare(int width, int height);

    UniqueMemoryDc m_dc;
    UniqueBitmap m_bitmap;
    void* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
};
