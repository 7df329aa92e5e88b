#include "GifFilm.h"

#include "FramePalette.h"
#include "TickPlayback.h"

namespace {
constexpr uint32_t kTickCentiseconds = kTickPeriodMs / 10;
}

GifFilm::GifFilm(const ScreenRect& canvas, const FilmLook& look)
    : m_canvas(canvas), m_look(look), m_encoder(canvas.right - canvas.left, canvas.bottom - canvas.top) {}

void GifFilm::AddTick(const Surface& picture, const ScreenRect& shown) {
    ScreenRect area = m_first ? m_canvas : UnionOf(m_previous, shown);
    if (IsEmptyRect(area)) area = ScreenRect{m_canvas.left, m_canvas.top, m_canvas.left + 1, m_canvas.top + 1};
    m_first = false;
    m_previous = shown;
    std::vector<uint32_t> pixels;
    pixels.reserve(static_cast<size_t>(area.right - area.left) * static_cast<size_t>(area.bottom - area.top));
    for (int64_t y = area.top; y < area.bottom; ++y) {
        for (int64_t x = area.left; x < area.right; ++x) {
            pixels.push_back(m_look.premultiplied ? CutAtHalfOpacity(TickPixelWithOpacity(picture, shown, x, y, true))
                                                  : TickPixel(picture, shown, x, y));
        }
    }
    IndexedColours indexed = IndexPixels(pixels, KEY_COLOUR, m_look.background);
    if (indexed.colours.empty()) {
        m_error = "cannot reduce a tick's picture to 256 colours";
        return;
    }
    // Transparent: each tick clears its rectangle once shown, so the next one starts from nothing.
    m_encoder.AddFrame(IndexedGifFrame(area.left - m_canvas.left, area.top - m_canvas.top, area.right - area.left,
                                       std::move(indexed.indices), std::move(indexed.colours), kTickCentiseconds,
                                       m_look.transparent ? GifDisposal::kClear : GifDisposal::kKeep,
                                       m_look.transparent ? 0 : -1));
}

std::vector<uint8_t> GifFilm::Finish(std::string& error) {
    std::vector<uint8_t> bytes = m_encoder.Finish();
    error = !m_error.empty() ? m_error : m_encoder.Error();
    if (!error.empty()) bytes.clear();
    return bytes;
}
