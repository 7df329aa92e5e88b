#pragma once
// Reads the pixels of a packed DIB without trusting its header: only blocks that hold every
// byte their header calls for are readable.
#include <cstdint>
#include <vector>

#include "DibHeader.h"

class DibPixelReader {
public:
    explicit DibPixelReader(const std::vector<uint8_t>& block);

    // Uncompressed (or bit-field) 1, 4, 8, 16, 24 or 32 bits, and every row present.
    bool Readable() const { return m_readable; }
    int Width() const { return m_header.width; }
    int Rows() const { return static_cast<int>(DibRowCount(m_header)); }
    uint16_t BitCount() const { return m_header.bitCount; }

    // Pixels [x0, x0 + count) of the row `row` counted from the top, as 0xAARRGGBB; alpha is
    // the fourth byte of 32-bit pixels and 0xFF otherwise. The range must lie inside the row.
    void ReadRow(int row, int x0, int count, uint32_t* out) const;
    // Whether the picture carries an opacity per pixel: 32 bits uncompressed (not bit fields)
    // with a fourth byte other than 0 in some pixel. False when not readable.
    bool HasOpacity() const;

private:
    uint32_t PaletteColour(uint32_t index) const;
    uint32_t MaskedColour(uint32_t value) const;
    bool CheckLayout(size_t blockSize);

    const uint8_t* m_bytes = nullptr;
    DibHeader m_header;
    bool m_readable = false;
    bool m_bitfields = false;
    uint64_t m_stride = 0;
    const uint8_t* m_colourTable = nullptr;
    uint32_t m_paletteSize = 0;
    const uint8_t* m_pixels = nullptr;
    uint32_t m_masks[3] = {0, 0, 0};
};
