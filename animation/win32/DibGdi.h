#pragma once
// Drawing pictures onto Windows device contexts.
#include <windows.h>

#include "../CBryDIB.h"

// Owns a GDI palette.
class GdiPalette {
public:
    GdiPalette() = default;
    explicit GdiPalette(HPALETTE palette) : m_palette(palette) {}
    GdiPalette(GdiPalette&& other) noexcept : m_palette(other.m_palette) { other.m_palette = nullptr; }
    GdiPalette& operator=(GdiPalette&& other) noexcept;
    GdiPalette(const GdiPalette&) = delete;
    GdiPalette& operator=(const GdiPalette&) = delete;
    ~GdiPalette();
    HPALETTE Get() const { return m_palette; }

private:
    HPALETTE m_palette = nullptr;
};

// A logical palette from the picture's colour table; holds none for pictures above 8 bits.
GdiPalette CreatePictureGdiPalette(const CBryDIB& image);

// Draws the whole picture with its top-left corner at (x, y), selecting the palette (when given)
// as a foreground palette for the duration of the call. Unreadable pictures draw nothing.
void DrawPicture(HDC dc, const CBryDIB& image, int x, int y, HPALETTE palette = nullptr);
