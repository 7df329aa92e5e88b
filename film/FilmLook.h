#pragma once
// How a rendered run shows: the key colour as a background colour or as transparency.
#include <cstdint>

#include "RuntimeConstants.h"
#include "ScreenRect.h"
#include "Surface.h"

struct FilmLook {
    uint32_t background = 0xFFFFFF;  // 0xRRGGBB shown for the key colour
    bool transparent = false;        // the key colour shows nothing instead
};

// The colour at screen point (x, y) in a tick: the composed picture inside the part of the
// frame rectangle it covers, the key colour elsewhere.
inline uint32_t TickPixel(const Surface& picture, const ScreenRect& shown, int64_t x, int64_t y) {
    if (x < shown.left || x >= shown.right || y < shown.top || y >= shown.bottom) return KEY_COLOUR;
    return picture.At(static_cast<int>(x - shown.left), static_cast<int>(y - shown.top)) & 0xFFFFFFu;
}
