#include "DibPixelReader.h"

namespace {

uint32_t LoadU32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

// Scales the field under mask to 8 bits.
uint32_t Channel(uint32_t value, uint32_t mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) ++shift;
    const uint32_t field = (value & mask) >> shift;
    const uint32_t top = mask >> shift;
    return top == 0 ? 0 : (field * 255u + top / 2) / top;
}

bool KnownBitCount(uint16_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

DibPixelReader::DibPixelReader(const std::vector<uint8_t>& block)
    : m_bytes(block.data()), m_header(ParseDibHeader(block.data(), block.size())) {
    m_readable = CheckLayout(block.size());
}

bool DibPixelReader::CheckLayout(size_t blockSize) {
    if (blockSize < kDibHeaderSize || m_header.size != kDibHeaderSize) return false;
    if (m_header.width <= 0 || m_header.height == 0 || !KnownBitCount(m_header.bitCount)) return false;
    m_bitfields = m_header.compression == kBiBitfields;
    if (m_header.compression != kBiRgb &&
        !(m_bitfields && (m_header.bitCount == 16 || m_header.bitCount == 32)))
        return false;
    const uint64_t tableBytes = ColourTableBytes(m_header);
    m_stride = DibStride(m_header);
    const std::optional<uint64_t> needed = DibBytesNeeded(m_header);
    if (!needed || *needed > blockSize) return false;
    m_colourTable = m_bytes + kDibHeaderSize;
    m_pixels = m_colourTable + tableBytes;
    if (m_header.bitCount <= 8) m_paletteSize = static_cast<uint32_t>(tableBytes / 4);
    if (m_bitfields) {
        if (tableBytes < 12) return false;
        for (int i = 0; i < 3; ++i) m_masks[i] = LoadU32(m_colourTable + 4 * i);
    } else if (m_header.bitCount == 16) {
        m_masks[0] = 0x7C00;
        m_masks[1] = 0x03E0;
        m_masks[2] = 0x001F;
    }
    return true;
}

uint32_t DibPixelReader::PaletteColour(uint32_t index) const {
    if (index >= m_paletteSize) return 0xFF000000u;
    const uint8_t* entry = m_colourTable + 4 * static_cast<size_t>(index);
    return 0xFF000000u | static_cast<uint32_t>(entry[2]) << 16 | static_cast<uint32_t>(entry[1]) << 8 | entry[0];
}

uint32_t DibPixelReader::MaskedColour(uint32_t value) const {
    return 0xFF000000u | Channel(value, m_masks[0]) << 16 | Channel(value, m_masks[1]) << 8 |
           Channel(value, m_masks[2]);
}

void DibPixelReader::ReadRow(int row, int x0, int count, uint32_t* out) const {
    const uint32_t rows = DibRowCount(m_header);
    const uint64_t stored = m_header.height > 0 ? rows - 1 - static_cast<uint32_t>(row) : static_cast<uint32_t>(row);
    const uint8_t* line = m_pixels + stored * m_stride;
    const size_t first = static_cast<size_t>(x0);
    // One loop per depth, so that the common 24- and 32-bit cases stay tight.
    switch (m_header.bitCount) {
        case 32:
            if (m_bitfields) {
                for (int i = 0; i < count; ++i) out[i] = MaskedColour(LoadU32(line + 4 * (first + static_cast<size_t>(i))));
            } else {
                for (int i = 0; i < count; ++i) out[i] = LoadU32(line + 4 * (first + static_cast<size_t>(i)));
            }
            break;
        case 24:
            for (int i = 0; i < count; ++i) {
                const uint8_t* p = line + 3 * (first + static_cast<size_t>(i));
                out[i] = 0xFF000000u | static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[0];
            }
            break;
        case 16:
            for (int i = 0; i < count; ++i) {
                const uint8_t* p = line + 2 * (first + static_cast<size_t>(i));
                out[i] = MaskedColour(static_cast<uint32_t>(p[0] | p[1] << 8));
            }
            break;
        case 8:
            for (int i = 0; i < count; ++i) out[i] = PaletteColour(line[first + static_cast<size_t>(i)]);
            break;
        case 4:
            for (int i = 0; i < count; ++i) {
                const size_t x = first + static_cast<size_t>(i);
                out[i] = PaletteColour((line[x / 2] >> ((x % 2 == 0) ? 4 : 0)) & 0x0Fu);
            }
            break;
        default:  // 1 bit
            for (int i = 0; i < count; ++i) {
                const size_t x = first + static_cast<size_t>(i);
                out[i] = PaletteColour((line[x / 8] >> (7 - x % 8)) & 0x01u);
            }
            break;
    }
}

bool DibPixelReader::HasOpacity() const {
    if (!m_readable || m_header.bitCount != 32 || m_bitfields) return false;
    const uint32_t rows = DibRowCount(m_header);
    const size_t rowBytes = 4 * static_cast<size_t>(m_header.width);
    for (uint32_t row = 0; row < rows; ++row) {
        const uint8_t* line = m_pixels + row * m_stride;
        for (size_t i = 3; i < rowBytes; i += 4) {
            if (line[i] != 0) return true;
        }
    }
    return false;
}
