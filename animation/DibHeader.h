#pragma once
// Reading the BITMAPINFOHEADER at the start of a packed DIB without trusting it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

constexpr uint32_t kDibHeaderSize = 40;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
// Longest side of a picture that is drawn: the bound of the picture decoder and the importer.
// A frame picture claiming more is kept and saved as it is, but never drawn or sized from.
constexpr int32_t kMaxPictureSide = 8192;

struct DibHeader {
    uint32_t size = 0;
    int32_t width = 0;
    int32_t height = 0;  // negative: rows stored top-down
    uint16_t planes = 0;
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t sizeImage = 0;
    int32_t xPelsPerMeter = 0;
    int32_t yPelsPerMeter = 0;
    uint32_t clrUsed = 0;
    uint32_t clrImportant = 0;
};

// The header from the first 40 bytes of a block; bytes the block does not have read as 0.
DibHeader ParseDibHeader(const uint8_t* block, size_t blockSize);
// The 40 header bytes for a header.
std::vector<uint8_t> EncodeDibHeader(const DibHeader& header);
// The header of an uncompressed bottom-up picture of the given size and depth.
DibHeader MakeDibHeader(int32_t width, int32_t height, uint16_t bitCount);

// Bytes of colour table after the header: biClrUsed entries when set, 2^bitCount entries
// for 8 bits or fewer, 12 bytes of masks for BI_BITFIELDS, otherwise none.
uint64_t ColourTableBytes(const DibHeader& header);
// Bytes of one pixel row, padded to a multiple of 4 (non-negative width).
uint64_t DibStride(const DibHeader& header);
uint32_t DibRowCount(const DibHeader& header);  // |biHeight|
// 40 + colour table + stride * |height| without wrapping around, or nothing when that sum is
// beyond 64 bits (a header no block can hold).
std::optional<uint64_t> DibBytesNeeded(const DibHeader& header);
// 40 + colour table + stride * |height|, or nothing when the header makes no sense
// (negative width, or a size beyond 32 bits).
std::optional<uint32_t> ComputedBlockSize(const DibHeader& header);
