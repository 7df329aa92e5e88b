// Pictures with an opacity per pixel: which pictures carry it, and how they are premultiplied.
#include <gtest/gtest.h>

#include "CBryDIB.h"
#include "DibHeader.h"
#include "PictureDecoder.h"
#include "PictureOpacity.h"
#include "Surface.h"

namespace {

constexpr uint32_t kKey = 0xAFAFAF;

// A 3 x 1 RGBA picture: opaque red, half-opaque green, transparent key colour.
std::vector<uint8_t> RampRgba() {
    return {0xFF, 0, 0, 0xFF, 0, 0xFF, 0, 0x80, 0xAF, 0xAF, 0xAF, 0};
}

}  // namespace

TEST(PictureOpacity, OnlyUncompressedThirtyTwoBitPicturesWithAFourthByteCarryIt) {
    const std::vector<uint8_t> rgba = RampRgba();
    EXPECT_TRUE(CBryDIB(DibFromPixels(rgba.data(), 3, 1, 4)).HasOpacity());

    std::vector<uint8_t> allZero = rgba;
    for (size_t i = 3; i < allZero.size(); i += 4) allZero[i] = 0;
    const CBryDIB keyed(DibFromPixels(allZero.data(), 3, 1, 4));
    EXPECT_TRUE(keyed.IsDrawable());
    EXPECT_FALSE(keyed.HasOpacity()) << "all fourth bytes 0: opaque and keyed, as before";

    std::vector<uint8_t> rgb = {0xFF, 0, 0, 0, 0xFF, 0, 0xAF, 0xAF, 0xAF};
    EXPECT_FALSE(CBryDIB(DibFromPixels(rgb.data(), 3, 1, 3)).HasOpacity());

    std::vector<uint8_t> fields = DibFromPixels(rgba.data(), 3, 1, 4);
    fields[16] = static_cast<uint8_t>(kBiBitfields);  // biCompression; the masks then count as table
    EXPECT_FALSE(CBryDIB(fields).HasOpacity()) << "bit fields say where colours are, not opacity";

    std::vector<uint8_t> shortBlock = DibFromPixels(rgba.data(), 3, 1, 4);
    shortBlock.pop_back();
    EXPECT_FALSE(CBryDIB(shortBlock).HasOpacity()) << "a block missing bytes is not drawn at all";

    CBryDIB moved(DibFromPixels(rgba.data(), 3, 1, 4));
    const CBryDIB taken(std::move(moved));
    EXPECT_TRUE(taken.HasOpacity());
    EXPECT_FALSE(moved.HasOpacity());  // NOLINT(bugprone-use-after-move): moved-from is defined empty
}

TEST(PictureOpacity, PremultipliedDrawingKeepsOpacityOrKeysOutTheKeyColour) {
    const std::vector<uint8_t> rgba = RampRgba();
    Surface surface(4, 1, 0x12345678u);
    CBryDIB(DibFromPixels(rgba.data(), 3, 1, 4)).DrawPremultiplied(surface, 0, 0, kKey);
    EXPECT_EQ(surface.At(0, 0), 0xFFFF0000u);
    EXPECT_EQ(surface.At(1, 0), 0x80008000u);
    EXPECT_EQ(surface.At(2, 0), 0u);
    EXPECT_EQ(surface.At(3, 0), 0x12345678u) << "nothing drawn beyond the picture";

    std::vector<uint8_t> rgb = {0xFF, 0, 0, 0, 0xFF, 0, 0xAF, 0xAF, 0xAF};
    CBryDIB(DibFromPixels(rgb.data(), 3, 1, 3)).DrawPremultiplied(surface, 1, 0, kKey);
    EXPECT_EQ(surface.At(1, 0), 0xFFFF0000u) << "a picture without opacity is opaque";
    EXPECT_EQ(surface.At(3, 0), 0u) << "and its key colour transparent";

    Surface keyed(3, 1);
    CBryDIB(DibFromPixels(rgba.data(), 3, 1, 4)).Draw(keyed, 0, 0);
    EXPECT_EQ(keyed.At(2, 0), kKey) << "the keyed drawing still cuts out the same outline";
}

TEST(PictureOpacity, PremultiplyRoundsExactlyAndUndoesWithinOneStep) {
    for (uint32_t a = 0; a < 256; ++a) {
        for (uint32_t c = 0; c < 256; ++c) {
            const uint32_t exact = (c * a * 2 + 255) / 510;  // c·a/255 rounded half up
            ASSERT_EQ(MultiplyBy255ths(c, a), exact) << c << " x " << a;
        }
    }
    EXPECT_EQ(Premultiply(0x00FFFFFFu), 0u) << "a transparent pixel has no colour";
    EXPECT_EQ(Premultiply(0xFF123456u), 0xFF123456u);
    for (uint32_t a = 1; a < 256; a += 7) {
        const uint32_t straight = a << 24 | 0xC08040u;
        const uint32_t back = Unpremultiply(Premultiply(straight));
        EXPECT_EQ(back >> 24, a);
        // Premultiplying loses up to half a step of 1/a; undoing it magnifies that by 255/a.
        const int tolerance = static_cast<int>(255 / a / 2 + 1);
        EXPECT_NEAR(static_cast<int>((back >> 16) & 0xFF), 0xC0, tolerance) << "opacity " << a;
        EXPECT_NEAR(static_cast<int>(back & 0xFF), 0x40, tolerance) << "opacity " << a;
    }
}
