#pragma once
// How a rendered run shows: the key colour as a background colour or as transparency.
#include <cstdint>

#include "PictureOpacity.h"
#include "RuntimeConstants.h"
#include "ScreenRect.h"
#include "Surface.h"

struct FilmLook {
    uint32_t background = 0xFFFFFF;  // 0xRRGGBB shown for the key colour
    bool transparent = false;        // the key colour shows nothing instead
    bool premultiplied = false;      // the ticks' pictures hold opacity (a character with opacity)
};

// The colour at screen point (x, y) in a tick: the composed picture inside the part of the
// frame rectangle it covers, the key colour elsewhere.
inline uint32_t TickPixel(const Surface& picture, const ScreenRect& shown, int64_t x, int64_t y) {
    if (x < shown.left || x >= shown.right || y < shown.top || y >= shown.bottom) return KEY_COLOUR;
    return picture.At(static_cast<int>(x - shown.left), static_cast<int>(y - shown.top)) & 0xFFFFFFu;
}

// The pixel at screen point (x, y) in a tick as premultiplied 0xAARRGGBB: 0 outside the
// picture; a keyed picture's key colour transparent and its other colours opaque.
inline uint32_t TickPixelWithOpacity(const Surface& picture, const ScreenRect& shown, int64_t x, int64_t y,
                                     bool premultiplied) {
    if (x < shown.left || x >= shown.right || y < shown.top || y >= shown.bottom) return 0;
    const uint32_t pixel = picture.At(static_cast<int>(x - shown.left), static_cast<int>(y - shown.top));
    if (premultiplied) return pixel;
    return (pixel & 0xFFFFFFu) == KEY_COLOUR ? 0u : (0xFF000000u | pixel);
}

// A GIF has one transparent colour: pixels of opacity below half become the key colour, the
// others their straight colour (a key-coloured one made visible by a step in blue).
inline uint32_t CutAtHalfOpacity(uint32_t premultiplied) {
    if (OpacityOf(premultiplied) < 128) return KEY_COLOUR;
    const uint32_t colour = Unpremultiply(premultiplied) & 0xFFFFFFu;
    return colour == KEY_COLOUR ? (KEY_COLOUR ^ 1u) : colour;
}
