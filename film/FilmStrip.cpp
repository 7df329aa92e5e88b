#include "FilmStrip.h"

FilmStrip::FilmStrip(const ScreenRect& canvas, uint32_t ticks, const FilmLook& look) : m_canvas(canvas), m_look(look) {
    m_strip.width = (canvas.right - canvas.left) * static_cast<int>(ticks);
    m_strip.height = canvas.bottom - canvas.top;
    m_strip.channels = look.transparent ? 4 : 3;
    m_strip.pixels.assign(static_cast<size_t>(m_strip.width) * static_cast<size_t>(m_strip.height) *
                              static_cast<size_t>(m_strip.channels),
                          0);
}

uint32_t FilmStrip::OverBackground(uint32_t premultiplied) const {
    const uint32_t rest = 255 - OpacityOf(premultiplied);
    uint32_t colour = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t channel = ((premultiplied >> shift) & 0xFF) + MultiplyBy255ths((m_look.background >> shift) & 0xFF, rest);
        colour |= (channel > 255 ? 255 : channel) << shift;
    }
    return colour;
}

void FilmStrip::AddTick(const Surface& picture, const ScreenRect& shown) {
    const int64_t width = m_canvas.right - m_canvas.left;
    const auto channels = static_cast<size_t>(m_strip.channels);
    for (int64_t y = 0; y < m_strip.height; ++y) {
        uint8_t* out = m_strip.pixels.data() +
                       (static_cast<size_t>(y) * static_cast<size_t>(m_strip.width) + static_cast<size_t>(width * m_tick)) * channels;
        for (int64_t x = 0; x < width; ++x, out += channels) {
            const uint32_t pixel =
                TickPixelWithOpacity(picture, shown, m_canvas.left + x, m_canvas.top + y, m_look.premultiplied);
            const uint32_t opacity = OpacityOf(pixel);
            if (opacity == 0 && m_look.transparent) continue;  // stays 0: no alpha
            // Transparent look: the straight colour and its opacity; otherwise over the background.
            const uint32_t shownColour = m_look.transparent ? Unpremultiply(pixel) : OverBackground(pixel);
            out[0] = static_cast<uint8_t>(shownColour >> 16);
            out[1] = static_cast<uint8_t>(shownColour >> 8);
            out[2] = static_cast<uint8_t>(shownColour);
            if (channels == 4) out[3] = static_cast<uint8_t>(opacity);
        }
    }
    ++m_tick;
}
