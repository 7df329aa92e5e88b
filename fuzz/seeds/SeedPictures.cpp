#include "SeedPictures.h"

#include <cstdint>

#include "CBryDIB.h"
#include "DibHeader.h"

namespace fuzz_seeds {

namespace {

void AppendU32(std::vector<uint8_t>& bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A block of the header's layout whose pixel bytes count up, so that rows differ.
std::vector<uint8_t> Block(DibHeader header, const std::vector<uint32_t>& masks = {}) {
    std::vector<uint8_t> block = EncodeDibHeader(header);
    const uint64_t table = ColourTableBytes(header);
    if (!masks.empty()) {
        for (uint32_t mask : masks) AppendU32(block, mask);
    } else {
        for (uint64_t i = 0; i < table / 4; ++i) AppendU32(block, static_cast<uint32_t>(i * 0x00111111u));
    }
    const uint64_t pixels = DibStride(header) * DibRowCount(header);
    for (uint64_t i = 0; i < pixels; ++i) block.push_back(static_cast<uint8_t>(i * 37 + 11));
    return block;
}

DibHeader Header(int32_t width, int32_t height, uint16_t bits) { return MakeDibHeader(width, height, bits); }

}  // namespace

std::vector<std::vector<uint8_t>> PictureKinds() {
    std::vector<std::vector<uint8_t>> kinds;
    for (const uint16_t bits : {1, 4, 8, 16, 24, 32}) kinds.push_back(Block(Header(7, 5, bits)));
    DibHeader topDown = Header(6, -4, 24);
    kinds.push_back(Block(topDown));
    std::vector<uint8_t> noOpacity = Block(Header(6, 3, 32));  // every fourth byte 0: opaque, keyed
    for (size_t i = kDibHeaderSize + 3; i < noOpacity.size(); i += 4) noOpacity[i] = 0;
    kinds.push_back(noOpacity);
    DibHeader fields16 = Header(5, 3, 16);
    fields16.compression = kBiBitfields;
    kinds.push_back(Block(fields16, {0xF800, 0x07E0, 0x001F}));
    DibHeader fields32 = Header(4, 4, 32);
    fields32.compression = kBiBitfields;
    kinds.push_back(Block(fields32, {0x00FF0000, 0x0000FF00, 0x000000FF}));
    DibHeader fewColours = Header(9, 3, 8);
    fewColours.clrUsed = 3;
    kinds.push_back(Block(fewColours));
    std::vector<uint8_t> cut = Block(Header(8, 8, 24));
    cut.resize(cut.size() / 2);
    kinds.push_back(cut);
    std::vector<uint8_t> spare = Block(Header(3, 3, 32));
    spare.insert(spare.end(), 13, 0xAF);
    kinds.push_back(spare);
    kinds.push_back(EmptyImageBlock());
    DibHeader overflowing = Header(0x7FFFFFFF, 0, 32);  // its sizes add up to 40 modulo 2^64
    overflowing.height = INT32_MIN;
    overflowing.clrUsed = 0x80000000u;
    kinds.push_back(EncodeDibHeader(overflowing));
    kinds.push_back(EncodeDibHeader(Header(65536, 65537, 24)));  // claims about 12 GB, holds none
    kinds.push_back(Block(Header(kMaxPictureSide + 1, 2, 1)));   // held whole, one pixel beyond the bound
    kinds.push_back(Block(Header(700, 3, 1)));                   // wider than the drawing area at any scale
    return kinds;
}

}  // namespace fuzz_seeds
