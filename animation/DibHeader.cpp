#include "DibHeader.h"

#include <cstring>
#include <limits>

namespace {

uint32_t U32At(const uint8_t* bytes, size_t offset) {
    return static_cast<uint32_t>(bytes[offset]) | static_cast<uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<uint32_t>(bytes[offset + 2]) << 16 | static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

uint16_t U16At(const uint8_t* bytes, size_t offset) {
    return static_cast<uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

void PutU32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

void PutU16(std::vector<uint8_t>& bytes, size_t offset, uint16_t value) {
    bytes[offset] = static_cast<uint8_t>(value);
    bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

}  // namespace

DibHeader ParseDibHeader(const uint8_t* block, size_t blockSize) {
    uint8_t bytes[kDibHeaderSize] = {};
    if (block != nullptr) std::memcpy(bytes, block, blockSize < kDibHeaderSize ? blockSize : kDibHeaderSize);
    DibHeader header;
    header.size = U32At(bytes, 0);
    header.width = static_cast<int32_t>(U32At(bytes, 4));
    header.height = static_cast<int32_t>(U32At(bytes, 8));
    header.planes = U16At(bytes, 12);
    header.bitCount = U16At(bytes, 14);
    header.compression = U32At(bytes, 16);
    header.sizeImage = U32At(bytes, 20);
    header.xPelsPerMeter = static_cast<int32_t>(U32At(bytes, 24));
    header.yPelsPerMeter = static_cast<int32_t>(U32At(bytes, 28));
    header.clrUsed = U32At(bytes, 32);
    header.clrImportant = U32At(bytes, 36);
    return header;
}

std::vector<uint8_t> EncodeDibHeader(const DibHeader& header) {
    std::vector<uint8_t> bytes(kDibHeaderSize, 0);
    PutU32(bytes, 0, header.size);
    PutU32(bytes, 4, static_cast<uint32_t>(header.width));
    PutU32(bytes, 8, static_cast<uint32_t>(header.height));
    PutU16(bytes, 12, header.planes);
    PutU16(bytes, 14, header.bitCount);
    PutU32(bytes, 16, header.compression);
    PutU32(bytes, 20, header.sizeImage);
    PutU32(bytes, 24, static_cast<uint32_t>(header.xPelsPerMeter));
    PutU32(bytes, 28, static_cast<uint32_t>(header.yPelsPerMeter));
    PutU32(bytes, 32, header.clrUsed);
    PutU32(bytes, 36, header.clrImportant);
    return bytes;
}

DibHeader MakeDibHeader(int32_t width, int32_t height, uint16_t bitCount) {
    DibHeader header;
    header.size = kDibHeaderSize;
    header.width = width;
    header.height = height;
    header.planes = 1;
    header.bitCount = bitCount;
    header.compression = kBiRgb;
    const uint64_t pixelBytes = DibStride(header) * DibRowCount(header);
    header.sizeImage = pixelBytes <= std::numeric_limits<uint32_t>::max() ? static_cast<uint32_t>(pixelBytes) : 0;
    return header;
}

uint64_t ColourTableBytes(const DibHeader& header) {
    if (header.clrUsed != 0) return uint64_t{header.clrUsed} * 4;
    if (header.bitCount <= 8) return (uint64_t{1} << header.bitCount) * 4;
    if (header.compression == kBiBitfields) return 12;
    return 0;
}

uint64_t DibStride(const DibHeader& header) {
    if (header.width <= 0) return 0;
    const uint64_t bits = uint64_t{header.bitCount} * static_cast<uint64_t>(header.width);
    return (bits + 31) / 32 * 4;
}

uint32_t DibRowCount(const DibHeader& header) {
    const int64_t height = header.height;
    return static_cast<uint32_t>(height < 0 ? -height : height);
}

std::optional<uint64_t> DibBytesNeeded(const DibHeader& header) {
    constexpr uint64_t kLimit = std::numeric_limits<uint64_t>::max() / 4;
    const uint64_t stride = DibStride(header);
    const uint64_t rows = DibRowCount(header);
    if (rows != 0 && stride > kLimit / rows) return std::nullopt;
    const uint64_t table = ColourTableBytes(header);  // at most 2^34
    return kDibHeaderSize + table + stride * rows;     // each term below 2^62: no wrap
}

std::optional<uint32_t> ComputedBlockSize(const DibHeader& header) {
    if (header.width < 0) return std::nullopt;
    const std::optional<uint64_t> size = DibBytesNeeded(header);
    if (!size || *size > static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) return std::nullopt;
    return static_cast<uint32_t>(*size);
}
