#include <gtest/gtest.h>

#include <filesystem>

#include "CCharacterModel.h"
#include "DibHeader.h"
#include "DotsGif.h"
#include "FrameColours.h"
#include "GifDecoder.h"
#include "GifEncoder.h"
#include "PictureDecoder.h"
#include "PictureEncoder.h"
#include "TestSupport.h"

namespace {

constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00, kWhite = 0xFFFFFF, kKey = 0xAFAFAF;

GifFrameImage GifFrame(int left, int top, int width, std::vector<uint8_t> indices, uint32_t delay, GifDisposal disposal,
                       int transparent = -1) {
    return IndexedGifFrame(left, top, width, std::move(indices), {kRed, kBlue, kGreen, kWhite}, delay, disposal,
                           transparent);
}

void WritePng(const std::string& path, int width, int height, int channels, std::vector<uint8_t> pixels) {
    RgbaPixels picture{width, height, channels, std::move(pixels)};
    WriteBytes(path, EncodePng(picture));
}

const CAnimation& Imported(const CCharacterModel& model, const std::string& name) {
    static const CAnimation none;
    const CAnimation* animation = model.FindAnimation(name);
    return animation != nullptr ? *animation : none;
}

void ExpectRefusedUntouched(const std::vector<std::string>& args, const std::string& file, int exitCode,
                            const std::string& why) {
    const bool existed = std::filesystem::exists(file);
    const std::vector<uint8_t> before = existed ? ReadBytes(file) : std::vector<uint8_t>();
    const CommandResult result = RunTool(args);
    EXPECT_EQ(result.exitCode, exitCode) << result.err;
    EXPECT_TRUE(IsOneLine(result.err)) << result.err;
    EXPECT_TRUE(Contains(result.err, why)) << result.err;
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(std::filesystem::exists(file), existed);
    EXPECT_EQ(ReadBytes(file), before);
}

TEST(ruxtool_Import, GifFramesAreComposedAsViewersShowThemWithTheirDelays) {
    TempDir dir;
    // Red everywhere; then a blue dot put back afterwards; then green and a transparent pixel,
    // cleared afterwards; then a white dot over what the clearing left.
    GifEncoder encoder(4, 2);
    encoder.AddFrame(GifFrame(0, 0, 4, {0, 0, 0, 0, 0, 0, 0, 0}, 5, GifDisposal::kKeep));
    encoder.AddFrame(GifFrame(1, 0, 1, {1}, 0, GifDisposal::kRestore));
    encoder.AddFrame(GifFrame(2, 1, 2, {2, 3}, 12, GifDisposal::kClear, 3));
    encoder.AddFrame(GifFrame(0, 0, 1, {3}, 1, GifDisposal::kKeep));
    EXPECT_EQ(encoder.Finish(), DotsGifBytes()) << encoder.Error();
    WriteBytes(dir.File("dots.gif"), DotsGifBytes());

    const CommandResult result = RunTool({"import", dir.File("pip.rux"), "Dots", dir.File("dots.gif"), "--time", "70"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, dir.File("pip.rux") + ": Dots: 4 frames imported\n");
    const CCharacterModel model(dir.File("pip.rux"));
    EXPECT_EQ(model.CharacterName(), "pip");
    const auto& frames = Imported(model, "Dots").frames;
    ASSERT_EQ(frames.size(), 4u);
    const std::vector<uint32_t> expected[4] = {
        {kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed},
        {kRed, kBlue, kRed, kRed, kRed, kRed, kRed, kRed},
        {kRed, kRed, kRed, kRed, kRed, kRed, kGreen, kRed},
        {kWhite, kRed, kRed, kRed, kRed, kRed, kKey, kKey},
    };
    const uint32_t times[4] = {50, 70, 120, 10};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(FrameColours(frames[i]), expected[i]) << "frame " << i;
        EXPECT_EQ(frames[i].displayTime, times[i]) << "frame " << i;
        EXPECT_EQ(frames[i].anchor, (PointF{2, 2}));
        const DibHeader header = ParseDibHeader(frames[i].image.Block().data(), frames[i].image.Block().size());
        EXPECT_EQ(header.bitCount, 24);
        EXPECT_EQ(header.sizeImage, 24u);  // two rows of 4 pixels, 12 bytes each
    }
}

TEST(ruxtool_Import, InterlacedGifRowsComeBackInTheirPlaces) {
    TempDir dir;
    // 2 x 9, interlaced (rows stored 0 8 | 4 | 2 6 | 1 3 5 7), written by another encoder;
    // rows from the top: red, green, blue, white, black, red, green, blue, white.
    WriteBytes(dir.File("rows.gif"),
               {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x02, 0x00, 0x09, 0x00, 0xf2, 0x04, 0x00, 0x00, 0x00, 0x00, 0xff,
                0x00, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0xff, 0xff, 0xff, 0xff, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x02,
                0x00, 0x09, 0x00, 0x40, 0x03, 0x09, 0x18, 0x41, 0x04, 0x30, 0x43, 0x48, 0xc1, 0x14, 0x4c, 0x00, 0x3b});
    ASSERT_EQ(RunTool({"import", dir.File("rows.rux"), "Rows", dir.File("rows.gif")}).exitCode, 0);
    const CCharacterModel model(dir.File("rows.rux"));
    const auto& frames = Imported(model, "Rows").frames;
    ASSERT_EQ(frames.size(), 1u);
    std::vector<uint32_t> expected;
    for (uint32_t row : {kRed, kGreen, kBlue, kWhite, 0u, kRed, kGreen, kBlue, kWhite}) expected.insert(expected.end(), 2, row);
    EXPECT_EQ(FrameColours(frames[0]), expected);
    EXPECT_EQ(frames[0].displayTime, 100u);  // a delay of 0 takes --time
}

TEST(ruxtool_Import, GridCutsCellsRowByRowAndRefusesGridsThatDoNotDivide) {
    TempDir dir;
    // A 6 x 4 sheet of 2 x 2 cells, each cell one colour: cell (column, row) = 10 * column + row.
    std::vector<uint8_t> pixels;
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) pixels.insert(pixels.end(), {static_cast<uint8_t>(10 * (x / 2) + y / 2), 0, 0});
    }
    WritePng(dir.File("sheet.png"), 6, 4, 3, pixels);
    const std::string file = dir.File("sheet.rux");
    ASSERT_EQ(RunTool({"import", file, "Run", dir.File("sheet.png"), "--grid", "3x2", "--anchor", "1,0.5",
                       "--shift", "-3,0", "--character", "Runner"})
                  .exitCode,
              0);
    const CCharacterModel model(file);
    EXPECT_EQ(model.CharacterName(), "Runner");
    const auto& frames = Imported(model, "Run").frames;
    ASSERT_EQ(frames.size(), 6u);
    const uint8_t order[6] = {0, 10, 20, 1, 11, 21};
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(FrameColours(frames[i]), std::vector<uint32_t>(4, uint32_t{order[i]} << 16)) << "cell " << i;
        EXPECT_EQ(frames[i].anchor, (PointF{1, 0.5f}));
        EXPECT_EQ(frames[i].shift, (PointF{-3, 0}));
        EXPECT_EQ(frames[i].displayTime, 100u);
    }

    const std::string other = dir.File("other.rux");
    ExpectRefusedUntouched({"import", other, "Run", dir.File("sheet.png"), "--grid", "4x2"}, other, 1, "does not divide");
    ExpectRefusedUntouched({"import", other, "Run", dir.File("sheet.png"), "--grid", "0x2"}, other, 1, "--grid");
    ExpectRefusedUntouched({"import", other, "Run", dir.File("sheet.png"), dir.File("sheet.png"), "--grid", "3x2"},
                           other, 1, "exactly one picture");
}

TEST(ruxtool_Import, AlphaBelowHalfBecomesTheKeyColourAndOpaqueKeyColourStaysVisible) {
    TempDir dir;
    // Alpha 0, 0, 255 on the key colour, 255 (only opaque and transparent pixels: keyed, 24-bit);
    // then the same colours in a picture without alpha.
    WritePng(dir.File("alpha.png"), 4, 1, 4,
             {10, 20, 30, 0, 40, 50, 60, 0, 0xAF, 0xAF, 0xAF, 255, 70, 80, 90, 255});
    WritePng(dir.File("plain.png"), 2, 1, 3, {0xAF, 0xAF, 0xAF, 70, 80, 90});
    const std::string file = dir.File("keyed.rux");
    const CommandResult result =
        RunTool({"import", file, "Mixed", dir.File("alpha.png"), dir.File("plain.png"), "--time", "40"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.err.empty());
    const CCharacterModel model(file);
    const auto& frames = Imported(model, "Mixed").frames;
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(FrameColours(frames[0]), (std::vector<uint32_t>{kKey, kKey, 0xAFAFAE, 0x46505A}));
    EXPECT_EQ(FrameColours(frames[1]), (std::vector<uint32_t>{kKey, 0x46505A}));
    EXPECT_EQ(frames[0].anchor, (PointF{2, 1}));
    EXPECT_EQ(frames[1].anchor, (PointF{1, 1}));
    EXPECT_EQ(frames[1].displayTime, 40u);
    EXPECT_EQ(frames[0].image.BitCount(), 24);
}

// A picture with partial opacity keeps it: 32 bits, straight, transparent pixels keyed; its
// export is a PNG with alpha, and building the export gives the same file back.
TEST(ruxtool_Import, PartialOpacityIsKeptAndSurvivesExportAndBuild) {
    TempDir dir;
    WritePng(dir.File("soft.png"), 4, 1, 4, {10, 20, 30, 0, 40, 50, 60, 127, 0xAF, 0xAF, 0xAF, 255, 70, 80, 90, 1});
    const std::string file = dir.File("soft.rux");
    ASSERT_EQ(RunTool({"import", file, "Soft", dir.File("soft.png")}).exitCode, 0);
    const CCharacterModel model(file);
    const CFrame& frame = Imported(model, "Soft").frames.at(0);
    EXPECT_EQ(frame.image.BitCount(), 32);
    EXPECT_TRUE(frame.image.HasOpacity());
    EXPECT_EQ(FrameColours(frame), (std::vector<uint32_t>{kKey, 0x28323C, 0xAFAFAE, 0x46505A}));
    const std::vector<uint8_t>& block = frame.image.Block();
    EXPECT_EQ(block[block.size() - 16 + 3], 0) << "opacity 0";
    EXPECT_EQ(block[block.size() - 12 + 3], 127);
    EXPECT_EQ(block[block.size() - 1], 1);

    ASSERT_EQ(RunTool({"export", file, dir.File("out")}).exitCode, 0);
    std::string png;
    for (const auto& entry : std::filesystem::directory_iterator(dir.File("out")))
        if (entry.path().extension() == ".png") png = entry.path().string();
    const DecodedPicture exported = DecodePictureFile(png);
    EXPECT_EQ(exported.block, block) << "the PNG holds the opacity as its alpha";
    const std::string rebuilt = dir.File("rebuilt.rux");
    ASSERT_EQ(RunTool({"build", dir.File("out") + "/manifest.json", rebuilt}).exitCode, 0);
    EXPECT_EQ(ReadBytes(rebuilt), ReadBytes(file));
}

TEST(ruxtool_Import, AnExistingAnimationIsReplacedOnlyWithReplaceAndFailuresLeaveTheFileAsItWas) {
    TempDir dir;
    WritePng(dir.File("a.png"), 1, 1, 3, {1, 2, 3});
    WritePng(dir.File("b.png"), 2, 2, 3, std::vector<uint8_t>(12, 9));
    WritePng(dir.File("wide.png"), 161, 1, 3, std::vector<uint8_t>(161 * 3, 9));
    const std::string file = dir.File("c.rux");
    ASSERT_EQ(RunTool({"import", file, "Idle", dir.File("a.png")}).exitCode, 0);
    ASSERT_EQ(RunTool({"import", file, "Walk", dir.File("a.png"), dir.File("a.png")}).exitCode, 0);

    ExpectRefusedUntouched({"import", file, "Idle", dir.File("b.png")}, file, 1, "already exists");
    ExpectRefusedUntouched({"import", file, "New", dir.File("missing.png")}, file, 1, "cannot open");
    ExpectRefusedUntouched({"import", file, "New", dir.File("c.rux")}, file, 1, "c.rux");
    ExpectRefusedUntouched({"import", file, "New", dir.File("a.png"), "--time", "-1"}, file, 1, "--time");
    ExpectRefusedUntouched({"import", file, "New", dir.File("a.png"), "--anchor", "1"}, file, 1, "--anchor");
    ExpectRefusedUntouched({"import", file, "New", dir.File("a.png"), "--colour", "1"}, file, 2, "unknown option");
    ExpectRefusedUntouched({"import", file, "New"}, file, 2, "usage");
    WriteBytes(dir.File("cut.rux"), std::vector<uint8_t>{4, 0, 0, 0, 'C'});
    ExpectRefusedUntouched({"import", dir.File("cut.rux"), "New", dir.File("a.png")}, dir.File("cut.rux"), 1,
                           "reading failed");

    const CommandResult replaced = RunTool({"import", file, "Idle", dir.File("b.png"), "--replace"});
    ASSERT_EQ(replaced.exitCode, 0) << replaced.err;
    const CommandResult wide = RunTool({"import", file, "Wide", dir.File("wide.png")});
    ASSERT_EQ(wide.exitCode, 0) << wide.err;
    EXPECT_TRUE(IsOneLine(wide.err) && Contains(wide.err, "warning") && Contains(wide.err, "160 x 200")) << wide.err;
    const CCharacterModel model(file);
    EXPECT_EQ(model.AnimationCount(), 3u);
    EXPECT_EQ(Imported(model, "Idle").frames.at(0).image.width(), 2);
    EXPECT_EQ(Imported(model, "Walk").frames.size(), 2u);
}

TEST(ruxtool_Import, GifsWithAHugeCanvasOrAFrameOutsideItAreRefused) {
    TempDir dir;
    // Header, logical screen (width, height, flags: 2-entry global table), the table.
    const std::vector<uint8_t> huge = {'G', 'I', 'F', '8', '9', 'a', 0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0, 0, 0, 0, 0, 1, 1, 1};
    std::vector<uint8_t> outside = {'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x80, 0, 0, 0, 0, 0, 1, 1, 1};
    // An image descriptor 2 x 2 at (1, 1): past the 2 x 2 canvas.
    outside.insert(outside.end(), {0x2C, 1, 0, 1, 0, 2, 0, 2, 0, 0, 2, 2, 0x44, 0x01, 0, 0x3B});
    WriteBytes(dir.File("huge.gif"), huge);
    WriteBytes(dir.File("outside.gif"), outside);
    const std::string file = dir.File("g.rux");
    ExpectRefusedUntouched({"import", file, "A", dir.File("huge.gif")}, file, 1, "larger than 8192");
    // 8000 x 8000: within the side limit, but its canvas and one frame would pass the budget.
    std::vector<uint8_t> large = huge;
    large[6] = large[8] = 0x40;
    large[7] = large[9] = 0x1F;
    WriteBytes(dir.File("large.gif"), large);
    ExpectRefusedUntouched({"import", file, "A", dir.File("large.gif")}, file, 1, "8000 x 8000 would take more than");
    ExpectRefusedUntouched({"import", file, "A", dir.File("outside.gif")}, file, 1, "outside the 2 x 2 canvas");
    WriteBytes(dir.File("cut.gif"), std::vector<uint8_t>(outside.begin(), outside.begin() + 8));
    ExpectRefusedUntouched({"import", file, "A", dir.File("cut.gif")}, file, 1, "cut.gif");
}

TEST(ruxtool_Import, AGifRenderThatCannotBeWrittenSaysWhyAndLeavesNothingBehind) {
    TempDir dir;
    WritePng(dir.File("a.png"), 1, 1, 3, {1, 2, 3});
    ASSERT_EQ(RunTool({"import", dir.File("a.rux"), "A", dir.File("a.png")}).exitCode, 0);
    const std::string film = dir.File("missing") + "/a-film.gif";
    ExpectRefusedUntouched({"render", dir.File("a.rux"), "A", film}, film, 1, "cannot write the file");
    EXPECT_FALSE(std::filesystem::exists(dir.File("missing")));
}

}  // namespace
