#include "ClipboardDib.h"

#include "DibHeader.h"

namespace {

constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kV4HeaderSize = 108;
constexpr uint32_t kV5HeaderSize = 124;

uint32_t LoadU32(const std::vector<uint8_t>& bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
           static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

uint16_t LoadU16(const std::vector<uint8_t>& bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

void AppendU32(std::vector<uint8_t>& bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
}

// Puts `prefix` in place of the first `replaced` bytes.
void ReplaceFront(std::vector<uint8_t>& dib, size_t replaced, const std::vector<uint8_t>& prefix) {
    dib.erase(dib.begin(), dib.begin() + static_cast<std::ptrdiff_t>(replaced));
    dib.insert(dib.begin(), prefix.begin(), prefix.end());
}

bool TooShort(std::string& why) {
    why = "The picture on the clipboard is cut short.";
    return false;
}

// BITMAPCOREHEADER: 16-bit sizes, and a colour table of 3-byte entries for 8 bits or fewer.
bool FromCoreHeader(std::vector<uint8_t>& dib, std::string& why) {
    if (dib.size() < kCoreHeaderSize) return TooShort(why);
    const uint16_t bitCount = LoadU16(dib, 10);
    const uint64_t entries = bitCount <= 8 ? uint64_t{1} << bitCount : 0;
    if (kCoreHeaderSize + entries * 3 > dib.size()) return TooShort(why);
    DibHeader header = MakeDibHeader(LoadU16(dib, 4), LoadU16(dib, 6), bitCount);
    std::vector<uint8_t> prefix = EncodeDibHeader(header);
    for (uint64_t i = 0; i < entries; ++i) {
        const size_t at = kCoreHeaderSize + static_cast<size_t>(i) * 3;
        prefix.insert(prefix.end(), {dib[at], dib[at + 1], dib[at + 2], 0});
    }
    ReplaceFront(dib, kCoreHeaderSize + static_cast<size_t>(entries) * 3, prefix);
    return true;
}

// BITMAPV4HEADER and BITMAPV5HEADER: the first 40 bytes are a BITMAPINFOHEADER, the masks
// (red, green, blue, alpha) follow it inside the header.
bool FromVersionHeader(std::vector<uint8_t>& dib, uint32_t headerSize, std::string& why) {
    if (dib.size() < headerSize) return TooShort(why);
    DibHeader header = ParseDibHeader(dib.data(), dib.size());
    const bool paletted = header.bitCount <= 8;
    const uint64_t tableBytes = paletted ? ColourTableBytes(header) : uint64_t{header.clrUsed} * 4;
    if (headerSize + tableBytes > dib.size()) return TooShort(why);
    const uint32_t masks[4] = {LoadU32(dib, 40), LoadU32(dib, 44), LoadU32(dib, 48), LoadU32(dib, 52)};
    const bool bitfields = header.compression == kBiBitfields;
    const bool plainAlpha = bitfields && header.bitCount == 32 && masks[0] == 0x00FF0000u &&
                            masks[1] == 0x0000FF00u && masks[2] == 0x000000FFu && masks[3] == 0xFF000000u;
    header.size = kDibHeaderSize;
    if (!paletted) header.clrUsed = 0;  // an optional palette of a deep picture is dropped
    if (plainAlpha) header.compression = kBiRgb;
    std::vector<uint8_t> prefix = EncodeDibHeader(header);
    if (bitfields && !plainAlpha) {
        for (int i = 0; i < 3; ++i) AppendU32(prefix, masks[i]);
    }
    if (paletted) {
        prefix.insert(prefix.end(), dib.begin() + headerSize,
                      dib.begin() + static_cast<std::ptrdiff_t>(headerSize + tableBytes));
    }
    ReplaceFront(dib, static_cast<size_t>(headerSize + tableBytes), prefix);
    return true;
}

}  // namespace

bool NormaliseClipboardDib(std::vector<uint8_t>& dib, std::string& why) {
    if (dib.size() < 4) return TooShort(why);
    const uint32_t headerSize = LoadU32(dib, 0);
    switch (headerSize) {
        case kDibHeaderSize:
            return true;
        case kCoreHeaderSize:
            return FromCoreHeader(dib, why);
        case kV4HeaderSize:
        case kV5HeaderSize:
            return FromVersionHeader(dib, headerSize, why);
        default:
            why = "The picture on the clipboard has a header of " + std::to_string(headerSize) +
                  " bytes, which Tarvel does not know.";
            return false;
    }
}
