#pragma once
// A rendered run as one PNG: every tick's canvas side by side, left to right.
#include <cstdint>
#include <vector>

#include "FilmLook.h"
#include "PictureEncoder.h"

class FilmStrip {
public:
    FilmStrip(const ScreenRect& canvas, uint32_t ticks, const FilmLook& look);
    void AddTick(const Surface& picture, const ScreenRect& shown);
    std::vector<uint8_t> Finish() const { return EncodePng(m_strip); }

private:
    // The premultiplied pixel blended over the look's background, as 0xRRGGBB.
    uint32_t OverBackground(uint32_t premultiplied) const;

    ScreenRect m_canvas;
    FilmLook m_look;
    RgbaPixels m_strip;
    uint32_t m_tick = 0;
};
