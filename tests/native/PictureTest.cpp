// Pictures: block sizes, storage rules, copies, drawing into a surface, decoding.
#include <gtest/gtest.h>

#include <stb_image_write.h>

#include "CBryDIB.h"
#include "CCharacterModel.h"
#include "CFileReader.h"
#include "CFileWriter.h"
#include "DibHeader.h"
#include "PictureDecoder.h"
#include "PictureEncoder.h"
#include "Surface.h"
#include "TestModels.h"

using namespace testing_models;

namespace {

void PutU32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) bytes.at(offset + i) = static_cast<uint8_t>(value >> (8 * i));
}

// Writes the image block alone and reads it back.
std::vector<uint8_t> StoredImageBlock(const CBryDIB& image) {
    const std::string path = TempFolder("image-block") + "/block.bin";
    {
        CFileWriter writer(path);
        EXPECT_TRUE(image.WriteTo(writer));
        EXPECT_TRUE(writer.Close());
    }
    return ReadFileBytes(path);
}

void AppendBytes(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<uint8_t>*>(context);
    out->insert(out->end(), static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size);
}

// An RGB picture: left half red, right half blue, 8 x 6.
std::vector<uint8_t> TwoColourRgb(int channels) {
    std::vector<uint8_t> pixels;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool left = x < 4;
            pixels.insert(pixels.end(), {static_cast<uint8_t>(left ? 220 : 10), 20, static_cast<uint8_t>(left ? 10 : 230)});
            if (channels == 4) pixels.push_back(static_cast<uint8_t>(y * 40));
        }
    return pixels;
}

uint32_t Red(uint32_t pixel) { return (pixel >> 16) & 0xFF; }
uint32_t Blue(uint32_t pixel) { return pixel & 0xFF; }

}  // namespace

TEST(PictureSize, BlockSizeFollowsTheHeader) {
    EXPECT_EQ(*ComputedBlockSize(MakeDibHeader(100, 50, 24)), 15040u);
    EXPECT_EQ(*ComputedBlockSize(MakeDibHeader(100, -50, 24)), 15040u) << "top-down rows count as |height|";
    EXPECT_EQ(*ComputedBlockSize(MakeDibHeader(3, 2, 8)), 40u + 1024u + 8u);
    EXPECT_EQ(*ComputedBlockSize(MakeDibHeader(9, 1, 1)), 40u + 8u + 4u);
    DibHeader used = MakeDibHeader(3, 2, 8);
    used.clrUsed = 16;
    EXPECT_EQ(*ComputedBlockSize(used), 40u + 64u + 8u);
    DibHeader fields = MakeDibHeader(2, 2, 32);
    fields.compression = kBiBitfields;
    EXPECT_EQ(*ComputedBlockSize(fields), 40u + 12u + 16u);
    EXPECT_FALSE(ComputedBlockSize(MakeDibHeader(-4, 4, 24)));
    EXPECT_FALSE(ComputedBlockSize(MakeDibHeader(0x7FFFFFFF, 0x7FFFFFFF, 32))) << "beyond 32 bits";
    DibHeader lyingTable = MakeDibHeader(1, 1, 24);
    lyingTable.clrUsed = 0xFFFFFFFFu;
    EXPECT_FALSE(ComputedBlockSize(lyingTable));
}

TEST(PictureStorage, EmptyImageIsStoredAsAZeroSizedHeaderAndLoadsEmpty) {
    const std::vector<uint8_t> stored = StoredImageBlock(CBryDIB());
    ASSERT_EQ(stored.size(), 44u);
    EXPECT_EQ(std::vector<uint8_t>(stored.begin(), stored.begin() + 4), (std::vector<uint8_t>{40, 0, 0, 0}));
    const DibHeader header = ParseDibHeader(stored.data() + 4, 40);
    EXPECT_EQ(header.width, 0);
    EXPECT_EQ(header.height, 0);
    EXPECT_EQ(header.bitCount, 32);
    CFileReader reader = CFileReader::OverBytes(stored.data(), stored.size());
    CBryDIB back;
    ASSERT_TRUE(back.ReadFrom(reader));
    EXPECT_TRUE(back.IsEmpty());
}

TEST(PictureStorage, WriteThenReadIsIdenticalOverTheBlockSize) {
    for (const auto& [width, height, bits] : {std::tuple{100, 50, 24}, std::tuple{7, 3, 32}, std::tuple{5, 5, 8}}) {
        const CBryDIB image(PatternBlock(width, height, static_cast<uint16_t>(bits)));
        const std::vector<uint8_t> stored = StoredImageBlock(image);
        ASSERT_EQ(stored.size(), 4u + image.BlockSize());
        CFileReader reader = CFileReader::OverBytes(stored.data(), stored.size());
        CBryDIB back;
        ASSERT_TRUE(back.ReadFrom(reader));
        EXPECT_EQ(back.Block(), image.Block());
        EXPECT_TRUE(back.MatchesHeader());
    }
}

TEST(PictureStorage, A65536ByteBlockRoundTrips) {
    // Two whole pieces of 32768 bytes and no remainder: 40 + 4 * 16374 = 65536.
    const std::vector<uint8_t> block = PatternBlock(1, 16374, 32);
    const CBryDIB image(block);
    ASSERT_EQ(image.BlockSize(), 65536u);
    const std::vector<uint8_t> stored = StoredImageBlock(image);
    CFileReader reader = CFileReader::OverBytes(stored.data(), stored.size());
    CBryDIB back;
    ASSERT_TRUE(back.ReadFrom(reader));
    EXPECT_EQ(back.Block(), block);
}

TEST(PictureStorage, ShortBlocksArePaddedLongBlocksCutToTheHeader) {
    std::vector<uint8_t> shortBlock = PatternBlock(4, 4, 24);
    shortBlock.resize(shortBlock.size() - 10);
    const CBryDIB shortImage(shortBlock);
    EXPECT_FALSE(shortImage.MatchesHeader());
    const std::vector<uint8_t> stored = StoredImageBlock(shortImage);
    ASSERT_EQ(stored.size(), 4u + 88u);
    EXPECT_TRUE(std::equal(shortBlock.begin(), shortBlock.end(), stored.begin() + 4));
    EXPECT_TRUE(std::all_of(stored.end() - 10, stored.end(), [](uint8_t b) { return b == 0; }));

    std::vector<uint8_t> longBlock = PatternBlock(4, 4, 24);
    longBlock.insert(longBlock.end(), 16, 0xEE);
    EXPECT_EQ(StoredImageBlock(CBryDIB(longBlock)).size(), 4u + 88u);

    // A header that makes no sense keeps the bytes as they are.
    std::vector<uint8_t> nonsense = PatternBlock(4, 4, 24);
    PutU32(nonsense, 4, static_cast<uint32_t>(-4));
    EXPECT_EQ(StoredImageBlock(CBryDIB(nonsense)).size(), 4u + nonsense.size());
}

TEST(PictureCopy, CopiesAreIndependentOfTheirSource) {
    CCharacterModel copy;
    {
        CCharacterModel source = RichModel();
        copy = source;
        source.FindAnimation("Walk")->frames[0].image = CBryDIB();
    }
    const CFrame& frame = copy.FindAnimation("Walk")->frames[0];
    ASSERT_FALSE(frame.image.IsEmpty());
    Surface surface(10, 10, 0xAFAFAF);
    frame.image.Draw(surface, 0, 0);
    EXPECT_NE(surface.At(1, 1), 0xAFAFAFu);
    EXPECT_EQ(copy, RichModel());

    CBryDIB full(PatternBlock(3, 3, 24));
    full = CBryDIB();
    EXPECT_TRUE(full.IsEmpty());
    CBryDIB self(PatternBlock(3, 3, 24));
    const std::vector<uint8_t> before = self.Block();
    const CBryDIB& alias = self;
    self = alias;
    EXPECT_EQ(self.Block(), before);
}

TEST(PictureDraw, BottomUpAndTopDownDrawUpright) {
    std::vector<uint8_t> pixels = TwoColourRgb(3);
    // Mark the top-left pixel green so that orientation shows.
    pixels[0] = 0;
    pixels[1] = 255;
    pixels[2] = 0;
    const std::vector<uint8_t> bottomUp = DibFromPixels(pixels.data(), 8, 6, 3);
    // The same picture stored top-down: reverse the rows and negate the height.
    std::vector<uint8_t> topDown(bottomUp.begin(), bottomUp.begin() + 40);
    PutU32(topDown, 8, static_cast<uint32_t>(-6));
    const size_t stride = 24;
    for (int row = 5; row >= 0; --row) {
        const auto start = bottomUp.begin() + 40 + static_cast<long>(stride) * row;
        topDown.insert(topDown.end(), start, start + static_cast<long>(stride));
    }
    for (const auto& block : {bottomUp, topDown}) {
        Surface surface(12, 10, 0xAFAFAF);
        CBryDIB(block).Draw(surface, 2, 3);
        EXPECT_EQ(surface.At(2, 3), 0x00FF00u);
        EXPECT_EQ(Red(surface.At(3, 3)), 220u);
        EXPECT_EQ(Blue(surface.At(9, 8)), 230u);
        EXPECT_EQ(surface.At(1, 3), 0xAFAFAFu);
        EXPECT_EQ(surface.At(2, 9), 0xAFAFAFu);
    }
}

TEST(PictureDraw, ClipsAtEveryEdgeAndSkipsUnreadableBlocks) {
    const CBryDIB image(PatternBlock(6, 6, 24));
    for (const auto& [x, y] : {std::pair{-3, -3}, std::pair{7, 7}, std::pair{-100, 0}, std::pair{0, 100},
                               std::pair{-2147483647, 5}, std::pair{2147483647, 2147483647}}) {
        Surface surface(8, 8, 0xAFAFAF);
        image.Draw(surface, x, y);  // must stay inside the surface (the sanitizers watch)
        const bool overlaps = x < 8 && y < 8 && x > -6 && y > -6;
        const bool touched = std::any_of(surface.Pixels().begin(), surface.Pixels().end(),
                                         [](uint32_t p) { return p != 0xAFAFAFu; });
        EXPECT_EQ(touched, overlaps) << x << "," << y;
    }
    std::vector<uint8_t> cut = PatternBlock(6, 6, 24);
    cut.resize(cut.size() - 1);
    Surface surface(8, 8, 0xAFAFAF);
    CBryDIB(cut).Draw(surface, 0, 0);
    CBryDIB(std::vector<uint8_t>(20, 0x11)).Draw(surface, 0, 0);
    std::vector<uint8_t> rle = PatternBlock(6, 6, 8);
    PutU32(rle, 16, 1);
    CBryDIB(rle).Draw(surface, 0, 0);
    EXPECT_TRUE(std::all_of(surface.Pixels().begin(), surface.Pixels().end(), [](uint32_t p) { return p == 0xAFAFAFu; }));
}

// A header whose sizes add up beyond 64 bits must not wrap around to a size that the block
// seems to hold: 40 + 2^31 palette entries + (2^33 - 4) bytes x 2^31 rows is 40 modulo 2^64.
TEST(PictureDraw, HeaderSizesThatOverflowSixtyFourBitsAreUnreadable) {
    DibHeader header = MakeDibHeader(0x7FFFFFFF, 0, 32);
    header.height = INT32_MIN;
    header.clrUsed = 0x80000000u;
    for (const size_t held : {size_t{40}, size_t{4096}}) {
        std::vector<uint8_t> block = EncodeDibHeader(header);
        block.resize(held, 0x55);
        const CBryDIB image(block);
        EXPECT_FALSE(image.MatchesHeader()) << held;
        EXPECT_EQ(image.BlockSize(), held) << "a header that makes no sense keeps the held size";
        Surface surface(8, 8, 0xAFAFAF);
        image.Draw(surface, 0, 0);  // reads nothing beyond the block (the sanitizers watch)
        EXPECT_TRUE(std::all_of(surface.Pixels().begin(), surface.Pixels().end(), [](uint32_t p) { return p == 0xAFAFAFu; }));
        EXPECT_FALSE(PixelsOfPicture(image));
    }
}

// Whether a picture is drawn is decided once, when its block is taken (read from a file,
// decoded or handed over): every byte its header claims is held, and no side is beyond
// kMaxPictureSide. Its claim stays what width() tells and what is saved.
TEST(PictureBound, TheClaimedSizeIsCheckedAgainstTheBytesAndTheBoundWhenTaken) {
    const std::vector<uint8_t> claim = EncodeDibHeader(MakeDibHeader(65536, 65537, 24));
    CBryDIB read;
    const std::vector<uint8_t> stored = [&] {
        std::vector<uint8_t> bytes = {40, 0, 0, 0};
        bytes.insert(bytes.end(), claim.begin(), claim.end());
        return bytes;
    }();
    CFileReader reader = CFileReader::OverBytes(stored.data(), stored.size());
    ASSERT_TRUE(read.ReadFrom(reader));
    EXPECT_FALSE(read.IsDrawable());
    EXPECT_EQ(read.width(), 65536);
    EXPECT_EQ(read.DrawnWidth(), 0);
    EXPECT_EQ(read.DrawnRows(), 0);
    // Held whole, but one pixel wider than the bound (1 bit a pixel: a small block).
    const CBryDIB wide(PatternBlock(kMaxPictureSide + 1, 2, 1));
    EXPECT_TRUE(wide.MatchesHeader());
    EXPECT_FALSE(wide.IsDrawable());
    Surface surface(8, 8, 0xAFAFAF);
    wide.Draw(surface, 0, 0);
    EXPECT_TRUE(std::all_of(surface.Pixels().begin(), surface.Pixels().end(), [](uint32_t p) { return p == 0xAFAFAFu; }));
    EXPECT_FALSE(PixelsOfPicture(wide));
    CBryDIB atTheBound(PatternBlock(kMaxPictureSide, 2, 1));
    EXPECT_TRUE(atTheBound.IsDrawable());
    EXPECT_EQ(atTheBound.DrawnWidth(), kMaxPictureSide);
    const CBryDIB copy = atTheBound;
    EXPECT_TRUE(copy.IsDrawable());
    const CBryDIB moved = std::move(atTheBound);
    EXPECT_TRUE(moved.IsDrawable());
    EXPECT_FALSE(atTheBound.IsDrawable()) << "a picture moved from is empty";  // NOLINT(bugprone-use-after-move)
}

TEST(PictureDraw, PalettedAndSixteenBitPictures) {
    const CBryDIB grey(PatternBlock(4, 2, 8));
    ASSERT_EQ(grey.Palette().size(), 256u);
    EXPECT_EQ(grey.Palette()[255].red, 255);
    Surface surface(4, 2, 0);
    grey.Draw(surface, 0, 0);
    EXPECT_EQ(surface.At(3, 1), RgbColour(4, 4, 4));  // index (x + y) = 4 in a 0..255 ramp

    DibHeader header = MakeDibHeader(2, 1, 16);
    std::vector<uint8_t> block = EncodeDibHeader(header);
    block.insert(block.end(), {0x00, 0x7C, 0x1F, 0x00});  // 555: pure red, then pure blue
    Surface small(2, 1, 0);
    CBryDIB(block).Draw(small, 0, 0);
    EXPECT_EQ(small.At(0, 0), RgbColour(255, 0, 0));
    EXPECT_EQ(small.At(1, 0), RgbColour(0, 0, 255));
    EXPECT_TRUE(CBryDIB(PatternBlock(4, 2, 24)).Palette().empty());
}

TEST(PictureDecode, EveryFormatDecodesToAnUprightDib) {
    const std::vector<uint8_t> rgb = TwoColourRgb(3);
    const std::vector<uint8_t> rgba = TwoColourRgb(4);
    struct Encoded {
        const char* format;
        std::vector<uint8_t> bytes;
        uint16_t bitCount;
        int tolerance;
    };
    std::vector<Encoded> files;
    for (const auto& [name, channels] : {std::pair{"png", 3}, std::pair{"png-alpha", 4}, std::pair{"bmp", 3},
                                         std::pair{"tga", 4}, std::pair{"jpg", 3}}) {
        std::vector<uint8_t> out;
        const uint8_t* data = channels == 4 ? rgba.data() : rgb.data();
        const std::string format = name;
        if (format.rfind("png", 0) == 0) stbi_write_png_to_func(AppendBytes, &out, 8, 6, channels, data, 8 * channels);
        if (format == "bmp") stbi_write_bmp_to_func(AppendBytes, &out, 8, 6, channels, data);
        if (format == "tga") stbi_write_tga_to_func(AppendBytes, &out, 8, 6, channels, data);
        if (format == "jpg") stbi_write_jpg_to_func(AppendBytes, &out, 8, 6, channels, data, 95);
        files.push_back({name, out, static_cast<uint16_t>(channels == 4 ? 32 : 24), format == "jpg" ? 40 : 0});
    }
    for (const Encoded& file : files) {
        const DecodedPicture picture = DecodePictureBytes(file.bytes.data(), file.bytes.size());
        ASSERT_FALSE(picture.block.empty()) << file.format << ": " << picture.error;
        const CBryDIB image(picture.block);
        EXPECT_EQ(image.width(), 8) << file.format;
        EXPECT_EQ(image.height(), 6) << file.format;
        EXPECT_EQ(image.BitCount(), file.bitCount) << file.format;
        EXPECT_TRUE(image.MatchesHeader()) << file.format;
        Surface surface(8, 6, 0);
        image.Draw(surface, 0, 0);
        EXPECT_NEAR(static_cast<int>(Red(surface.At(0, 0))), 220, file.tolerance) << file.format;
        EXPECT_NEAR(static_cast<int>(Blue(surface.At(7, 5))), 230, file.tolerance) << file.format;
        if (file.bitCount == 32) {
            const auto pixels = PixelsOfPicture(image);
            ASSERT_TRUE(pixels);
            EXPECT_EQ(pixels->pixels[3], 0);                          // alpha of the top row
            EXPECT_EQ(pixels->pixels[(5 * 8) * 4 + 3], 200);          // alpha of the bottom row
        }
    }
}

TEST(PictureDecode, GarbageAndMissingFilesFailAndLeaveThePicture) {
    const std::vector<uint8_t> garbage(100, 0x42);
    EXPECT_TRUE(DecodePictureBytes(garbage.data(), garbage.size()).block.empty());
    EXPECT_FALSE(DecodePictureBytes(garbage.data(), garbage.size()).error.empty());
    CBryDIB image(PatternBlock(3, 3, 24));
    const std::vector<uint8_t> before = image.Block();
    EXPECT_FALSE(image.LoadPicture("/nonexistent/picture.bmp"));
    EXPECT_FALSE(image.LoadPicture(""));
    const std::string path = TempFolder("garbage") + "/garbage.png";
    WriteFileBytes(path, garbage);
    EXPECT_FALSE(image.LoadPicture(path));
    EXPECT_EQ(image.Block(), before);
}

TEST(PictureDecode, LoadPictureReplacesTheBlock) {
    const std::vector<uint8_t> rgb = TwoColourRgb(3);
    std::vector<uint8_t> png;
    stbi_write_png_to_func(AppendBytes, &png, 8, 6, 3, rgb.data(), 24);
    const std::string path = TempFolder("load-picture") + "/two.png";
    WriteFileBytes(path, png);
    CBryDIB image;
    ASSERT_TRUE(image.LoadPicture(path));
    EXPECT_EQ(image.width(), 8);
    EXPECT_EQ(image.BlockSize(), image.Block().size());
}
