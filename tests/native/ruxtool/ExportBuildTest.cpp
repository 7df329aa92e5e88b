#include <gtest/gtest.h>

#include <filesystem>

#include "DibHeader.h"
#include "ExportNames.h"
#include "FileBytes.h"
#include "PictureEncoder.h"
#include "RuxJson.h"
#include "TestSupport.h"

namespace {

// A 2 x 2 eight-bit picture with a full colour table.
std::vector<uint8_t> Picture8() {
    DibHeader header = MakeDibHeader(2, 2, 8);
    std::vector<uint8_t> block = EncodeDibHeader(header);
    for (int i = 0; i < 256; ++i) {
        const uint8_t entry[4] = {static_cast<uint8_t>(i * 60), static_cast<uint8_t>(255 - i * 50),
                                  static_cast<uint8_t>(i * 30), 0};
        block.insert(block.end(), entry, entry + 4);
    }
    const uint8_t rows[8] = {0, 1, 0, 0, 2, 3, 0, 0};
    block.insert(block.end(), rows, rows + 8);
    return block;
}

CCharacterModel OnePictureModel(std::vector<uint8_t> block) {
    CCharacterModel model;
    model.SetCharacterName("One");
    CAnimation animation;
    CFrame frame;
    frame.image = CBryDIB(std::move(block));
    animation.frames = {frame};
    model.FileAnimation("Idle", animation);
    return model;
}

TEST(ruxtool_ExportBuild, RebuildingAnExportGivesTheSameFileByteForByte) {
    TempDir dir;
    const std::string original = dir.File("rich.rux");
    const std::string rebuilt = dir.File("rebuilt.rux");
    const std::string folder = dir.File("export");
    ASSERT_TRUE(RichModel().Save(original));

    const CommandResult exported = RunTool({"export", original, folder});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    const Json manifest = Json::parse(ReadWholeFile(folder + "/manifest.json").value_or("null"));
    const Json& greet = manifest["animations"][0]["frames"];
    EXPECT_EQ(greet[0]["image"], "Greet__0.png");
    EXPECT_EQ(greet[1]["image"], "Greet__1.png");
    EXPECT_TRUE(greet[2]["image"].is_null());
    EXPECT_EQ(manifest["animations"][1]["frames"][0]["image"], "Idle_0.png");
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) files += entry.is_regular_file();
    EXPECT_EQ(files, 4u);

    const CommandResult built = RunTool({"build", folder + "/manifest.json", rebuilt});
    ASSERT_EQ(built.exitCode, 0) << built.err;
    EXPECT_EQ(built.out, rebuilt + ": 2 animations, 4 frames written\n");
    const std::vector<uint8_t> before = ReadBytes(original);
    const std::vector<uint8_t> after = ReadBytes(rebuilt);
    ASSERT_FALSE(before.empty());
    EXPECT_TRUE(before == after) << "sizes " << before.size() << " and " << after.size();
}

TEST(ruxtool_ExportBuild, PicturesOfOtherDepthsComeBackAsTwentyFourBit) {
    TempDir dir;
    const CCharacterModel model = OnePictureModel(Picture8());
    ASSERT_TRUE(model.Save(dir.File("eight.rux")));
    ASSERT_EQ(RunTool({"export", dir.File("eight.rux"), dir.File("out")}).exitCode, 0);
    ASSERT_EQ(RunTool({"build", dir.File("out/manifest.json"), dir.File("rebuilt.rux")}).exitCode, 0);
    const CCharacterModel rebuilt(dir.File("rebuilt.rux"));
    ASSERT_FALSE(rebuilt.IsFailed());
    const CBryDIB& before = model.FindAnimation("Idle")->frames[0].image;
    const CBryDIB& after = rebuilt.FindAnimation("Idle")->frames[0].image;
    EXPECT_EQ(after.BitCount(), 24);
    ASSERT_TRUE(PixelsOfPicture(before) && PixelsOfPicture(after));
    EXPECT_EQ(PixelsOfPicture(before)->pixels, PixelsOfPicture(after)->pixels);
}

TEST(ruxtool_ExportBuild, AnUnreadablePictureStopsTheExportBeforeAnythingIsWritten) {
    TempDir dir;
    std::vector<uint8_t> block = Picture24(2, 2, 3);
    block[16] = 1;  // BI_RLE8: compressed pictures cannot be turned into PNG
    ASSERT_TRUE(OnePictureModel(block).Save(dir.File("rle.rux")));
    const CommandResult result = RunTool({"export", dir.File("rle.rux"), dir.File("out")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(IsOneLine(result.err)) << result.err;
    EXPECT_TRUE(Contains(result.err, "animation \"Idle\" frame 0")) << result.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("out")));
}

TEST(ruxtool_ExportBuild, ABadManifestWritesNoFile) {
    TempDir dir;
    const std::string manifest = dir.File("manifest.json");
    const std::string out = dir.File("out.rux");
    WriteBytes(dir.File("notapicture.png"), {'h', 'i'});
    const std::string frame = R"({"shift": [0, 0], "anchor": [0, 0], "displayTime": 1, "origins": [], "sound": "")";
    const std::pair<std::string, std::string> cases[] = {
        {R"({"characterName": "C", "animations": [{"name": "A", "frames": [)" + frame + R"(, "image": null}, )" + frame +
             R"(, "image": "absent.png"}]}]})",
         "animations[0].frames[1].image: cannot open"},
        {R"({"characterName": "C", "animations": [{"name": "A", "frames": [)" + frame +
             R"(, "image": "notapicture.png"}]}]})",
         "animations[0].frames[0].image: "},
        {R"({"characterName": "C", "animations": [)", "not valid JSON"},
    };
    for (const auto& [text, error] : cases) {
        WriteBytes(manifest, std::vector<uint8_t>(text.begin(), text.end()));
        const CommandResult result = RunTool({"build", manifest, out});
        EXPECT_EQ(result.exitCode, 1) << text;
        EXPECT_TRUE(IsOneLine(result.err)) << result.err;
        EXPECT_EQ(result.err.rfind(manifest + ": " + error, 0), 0u) << result.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << text;
        EXPECT_FALSE(std::filesystem::exists(out + ".saving")) << text;
    }
}

TEST(ruxtool_ExportNames, NamesAreSafeAndUniqueWithoutRegardToCase) {
    EXPECT_EQ(SafeFileStem("Walk Left/\xE9:*"), "Walk_Left____");
    EXPECT_EQ(SafeFileStem(""), "animation");
    EXPECT_EQ(SafeFileStem(std::string(100, 'x')).size(), 64u);
    ExportNames names;
    EXPECT_EQ(names.NameFor("Walk", 0), "Walk_0.png");
    EXPECT_EQ(names.NameFor("walk", 0), "walk_0-2.png");
    EXPECT_EQ(names.NameFor("WALK", 0), "WALK_0-3.png");
    EXPECT_EQ(names.NameFor("Walk?", 1), "Walk__1.png");
    EXPECT_EQ(names.NameFor("Walk*", 1), "Walk__1-2.png");
}

}  // namespace
