#include "FilmStrip.h"

FilmStrip::FilmStrip(const ScreenRect& canvas, uint32_t ticks, const FilmLook& look) : m_canvas(canvas), m_look(look) {
    m_strip.width = (canvas.right - canvas.left) * static_cast<int>(ticks);
    m_strip.height = canvas.bottom - canvas.top;
    m_strip.channels = look.transparent ? 4 : 3;
    m_strip.pixels.assign(static_cast<size_t>(m_strip.width) * static_cast<size_t>(m_strip.height) *
                              static_cast<size_t>(m_strip.channels),
                          0);
}

void FilmStrip::AddTick(const Surface& picture, const ScreenRect& shown) {
    const int64_t width = m_canvas.right - m_canvas.left;
    const auto channels = static_cast<size_t>(m_strip.channels);
    for (int64_t y = 0; y < m_strip.height; ++y) {
        uint8_t* out = m_strip.pixels.data() +
                       (static_cast<size_t>(y) * static_cast<size_t>(m_strip.width) + static_cast<size_t>(width * m_tick)) * channels;
        for (int64_t x = 0; x < width; ++x, out += channels) {
            const uint32_t colour = TickPixel(picture, shown, m_canvas.left + x, m_canvas.top + y);
            if (colour == KEY_COLOUR && m_look.transparent) continue;  // stays 0: no alpha
            const uint32_t shownColour = colour == KEY_COLOUR ? m_look.background : colour;
            out[0] = static_cast<uint8_t>(shownColour >> 16);
            out[1] = static_cast<uint8_t>(shownColour >> 8);
            out[2] = static_cast<uint8_t>(shownColour);
            if (channels == 4) out[3] = 255;
        }
    }
    ++m_tick;
}
