// The application icon built in code: a well-formed .ico whose masks match the pictures.
#include <gtest/gtest.h>

#include "TarvelIcon.h"

namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t U16(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); }

}  // namespace

TEST(TarvelIcon, DirectoryDescribesBothSizes) {
    const std::vector<uint8_t> file = TarvelIconFile();
    ASSERT_GE(file.size(), 38u);
    EXPECT_EQ(U16(file, 0), 0);
    EXPECT_EQ(U16(file, 2), 1) << "an icon, not a cursor";
    ASSERT_EQ(U16(file, 4), 2);
    size_t expectedOffset = 6 + 2 * 16;
    for (int entry = 0; entry < 2; ++entry) {
        const size_t at = 6 + 16 * static_cast<size_t>(entry);
        const int size = file[at];
        EXPECT_EQ(size, entry == 0 ? 32 : 16);
        EXPECT_EQ(U16(file, at + 6), 32);
        const uint32_t bytes = U32(file, at + 8);
        const uint32_t offset = U32(file, at + 12);
        EXPECT_EQ(offset, expectedOffset);
        EXPECT_EQ(bytes, 40u + size * size * 4u + size * 4u) << "header, colours, one mask dword per row";
        ASSERT_LE(offset + bytes, file.size());
        EXPECT_EQ(U32(file, offset + 4), static_cast<uint32_t>(size));
        EXPECT_EQ(U32(file, offset + 8), static_cast<uint32_t>(2 * size)) << "colour rows and mask rows";
        expectedOffset += bytes;
    }
    EXPECT_EQ(expectedOffset, file.size());
}

TEST(TarvelIcon, MaskMarksExactlyTheTransparentPixels) {
    const std::vector<uint8_t> file = TarvelIconFile();
    const IconImage picture = DrawTarvelIcon(32);
    const size_t offset = U32(file, 6 + 12);
    const size_t mask = offset + 40 + 32 * 32 * 4;
    int transparent = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool clear = (picture.argb[static_cast<size_t>(y * 32 + x)] >> 24) == 0;
            const uint8_t bits = file[mask + static_cast<size_t>(31 - y) * 4 + static_cast<size_t>(x / 8)];
            EXPECT_EQ(((bits >> (7 - x % 8)) & 1) != 0, clear) << x << "," << y;
            transparent += clear;
        }
    }
    EXPECT_GT(transparent, 100) << "the corners are clear";
    EXPECT_LT(transparent, 32 * 32 - 300) << "the face is opaque";
}

TEST(TarvelIcon, ColourRowsAreStoredBottomUp) {
    const std::vector<uint8_t> file = TarvelIconFile();
    const IconImage picture = DrawTarvelIcon(16);
    const size_t offset = U32(file, 6 + 16 + 12);
    for (int y : {0, 7, 15}) {
        for (int x : {0, 8, 15}) {
            EXPECT_EQ(U32(file, offset + 40 + (static_cast<size_t>(15 - y) * 16 + static_cast<size_t>(x)) * 4),
                      picture.argb[static_cast<size_t>(y * 16 + x)]);
        }
    }
}
