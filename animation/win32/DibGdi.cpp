#include "DibGdi.h"

#include <vector>

#include "../DibPixelReader.h"

GdiPalette& GdiPalette::operator=(GdiPalette&& other) noexcept {
    if (this != &other) {
        if (m_palette != nullptr) DeleteObject(m_palette);
        m_palette = other.m_palette;
        other.m_palette = nullptr;
    }
    return *this;
}

GdiPalette::~GdiPalette() {
    if (m_palette != nullptr) DeleteObject(m_palette);
}

GdiPalette CreatePictureGdiPalette(const CBryDIB& image) {
    const std::vector<PaletteEntry> entries = image.Palette();
    if (entries.empty()) return GdiPalette();
    std::vector<unsigned char> storage(sizeof(LOGPALETTE) + entries.size() * sizeof(PALETTEENTRY));
    auto* logical = reinterpret_cast<LOGPALETTE*>(storage.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = static_cast<WORD>(entries.size());
    PALETTEENTRY* out = logical->palPalEntry;
    for (size_t i = 0; i < entries.size(); ++i) {
        out[i] = PALETTEENTRY{entries[i].red, entries[i].green, entries[i].blue, 0};
    }
    return GdiPalette(CreatePalette(logical));
}

void DrawPicture(HDC dc, const CBryDIB& image, int x, int y, HPALETTE palette) {
    if (!image.IsDrawable()) return;
    const DibPixelReader reader(image.Block());
    HPALETTE previous = nullptr;
    if (palette != nullptr) {
        previous = SelectPalette(dc, palette, FALSE);
        RealizePalette(dc);
    }
    const auto* info = reinterpret_cast<const BITMAPINFO*>(image.Block().data());
    const unsigned char* bits = image.Block().data() + kDibHeaderSize + ColourTableBytes(ParseDibHeader(
                                                                             image.Block().data(), image.Block().size()));
    const int rows = reader.Rows();
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(reader.Width()), static_cast<DWORD>(rows), 0, 0, 0,
                      static_cast<UINT>(rows), bits, info, DIB_RGB_COLORS);
    if (previous != nullptr) SelectPalette(dc, previous, FALSE);
}
