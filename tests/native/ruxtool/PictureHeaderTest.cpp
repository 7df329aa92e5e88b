// Export and build of pictures whose header holds what a PNG cannot: biSizeImage 0, a
// resolution, top-down rows and the rest, each coming back byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "DibHeader.h"
#include "FileBytes.h"
#include "RuxJson.h"
#include "TestSupport.h"

namespace {

// The picture with its header changed by `edit`; top-down turns the rows over as well.
std::vector<uint8_t> WithHeader(std::vector<uint8_t> block, const std::function<void(DibHeader&)>& edit) {
    DibHeader header = ParseDibHeader(block.data(), block.size());
    const DibHeader before = header;
    edit(header);
    if (header.height < 0 && before.height > 0) {
        const size_t stride = static_cast<size_t>(DibStride(before));
        std::vector<uint8_t> flipped(block.begin(), block.begin() + kDibHeaderSize);
        for (size_t row = DibRowCount(before); row-- > 0;) {
            const auto start = block.begin() + static_cast<std::ptrdiff_t>(kDibHeaderSize + row * stride);
            flipped.insert(flipped.end(), start, start + static_cast<std::ptrdiff_t>(stride));
        }
        block = std::move(flipped);
    }
    const std::vector<uint8_t> bytes = EncodeDibHeader(header);
    std::copy(bytes.begin(), bytes.end(), block.begin());
    return block;
}

CCharacterModel ModelOfPictures(const std::vector<std::vector<uint8_t>>& blocks) {
    CCharacterModel model;
    model.SetCharacterName("Headers");
    CAnimation animation;
    for (const auto& block : blocks) {
        CFrame frame;
        frame.image = CBryDIB(block);
        animation.frames.push_back(frame);
    }
    model.FileAnimation("Idle", animation);
    return model;
}

struct RoundTrip {
    std::vector<uint8_t> before, after;
    Json manifest;
};

RoundTrip ExportAndBuild(const TempDir& dir, const CCharacterModel& model) {
    RoundTrip trip;
    EXPECT_TRUE(model.Save(dir.File("in.rux")));
    const CommandResult exported = RunTool({"export", dir.File("in.rux"), dir.File("out")});
    EXPECT_EQ(exported.exitCode, 0) << exported.err;
    const CommandResult built = RunTool({"build", dir.File("out/manifest.json"), dir.File("back.rux")});
    EXPECT_EQ(built.exitCode, 0) << built.err;
    trip.before = ReadBytes(dir.File("in.rux"));
    trip.after = ReadBytes(dir.File("back.rux"));
    trip.manifest = Json::parse(ReadWholeFile(dir.File("out/manifest.json")).value_or("null"));
    return trip;
}

}  // namespace

TEST(ruxtool_PictureHeader, EveryHeaderVariantComesBackByteForByte) {
    const auto noSize = [](DibHeader& h) { h.sizeImage = 0; };
    const auto resolution = [](DibHeader& h) {
        h.xPelsPerMeter = 2835;
        h.yPelsPerMeter = -1;
    };
    const auto topDown = [](DibHeader& h) { h.height = -h.height; };
    const auto everything = [](DibHeader& h) {
        h.height = -h.height;
        h.sizeImage = 12345;
        h.xPelsPerMeter = 3780;
        h.yPelsPerMeter = 3780;
        h.planes = 3;
        h.clrImportant = 7;
    };
    TempDir dir;
    const CCharacterModel model = ModelOfPictures({
        WithHeader(Picture24(3, 4, 1), noSize), WithHeader(Picture32(2, 3, 2), noSize),
        WithHeader(Picture24(5, 2, 3), resolution), WithHeader(Picture24(3, 5, 4), topDown),
        WithHeader(Picture32(3, 4, 5), topDown), WithHeader(Picture24(1, 1, 6), topDown),
        WithHeader(Picture24(3, 3, 7), everything), Picture24(2, 2, 8)});
    const RoundTrip trip = ExportAndBuild(dir, model);
    ASSERT_FALSE(trip.before.empty());
    EXPECT_TRUE(trip.before == trip.after) << "sizes " << trip.before.size() << " and " << trip.after.size();

    const Json& frames = trip.manifest["animations"][0]["frames"];
    EXPECT_EQ(frames[0]["header"], Json::parse(R"({"biSizeImage": 0})"));
    EXPECT_EQ(frames[2]["header"], Json::parse(R"({"biXPelsPerMeter": 2835, "biYPelsPerMeter": -1})"));
    EXPECT_EQ(frames[3]["header"], Json::parse(R"({"topDown": true})"));
    EXPECT_FALSE(frames[7].contains("header")) << "a header build writes itself is not repeated";
}

TEST(ruxtool_PictureHeader, ABadHeaderObjectIsNamedByItsPath) {
    TempDir dir;
    ASSERT_TRUE(ModelOfPictures({Picture24(2, 2, 1)}).Save(dir.File("in.rux")));
    ASSERT_EQ(RunTool({"export", dir.File("in.rux"), dir.File("out")}).exitCode, 0);
    const std::string manifestPath = dir.File("out/manifest.json");
    const Json manifest = Json::parse(ReadWholeFile(manifestPath).value_or("null"));
    const struct {
        const char* header;
        const char* error;
    } cases[] = {
        {R"({"biSizeImage": -1})", "frames[0].header.biSizeImage: must be an integer from 0 to 4294967295"},
        {R"({"biXPelsPerMeter": 2147483648})", "header.biXPelsPerMeter: must be an integer from -2147483648"},
        {R"({"biHeight": 5})", "header.biHeight: unknown key"},
        {R"([1])", "frames[0].header: must be an object"},
    };
    for (const auto& c : cases) {
        Json edited = manifest;
        edited["animations"][0]["frames"][0]["header"] = Json::parse(c.header);
        const std::string text = edited.dump();
        WriteBytes(manifestPath, std::vector<uint8_t>(text.begin(), text.end()));
        const CommandResult result = RunTool({"build", manifestPath, dir.File("back.rux")});
        EXPECT_EQ(result.exitCode, 1) << c.header;
        EXPECT_TRUE(Contains(result.err, c.error)) << result.err;
    }
    Json noImage = manifest;
    noImage["animations"][0]["frames"][0]["image"] = nullptr;
    noImage["animations"][0]["frames"][0]["header"] = Json::parse(R"({"topDown": true})");
    const std::string text = noImage.dump();
    WriteBytes(manifestPath, std::vector<uint8_t>(text.begin(), text.end()));
    const CommandResult result = RunTool({"build", manifestPath, dir.File("back.rux")});
    EXPECT_TRUE(Contains(result.err, "frames[0].header: needs a picture in \"image\"")) << result.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("back.rux")));
}
