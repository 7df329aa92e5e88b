#include <gtest/gtest.h>

#include "RuxJson.h"
#include "TestSupport.h"

namespace {

// A saved RichModel, its bytes, and where the Idle animation's picture block starts.
class ruxtool_SavedModel : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(RichModel().Save(path));
        bytes = ReadBytes(path);
        idleHeader = FindBytes(bytes, Picture24(1, 1, 200));
        ASSERT_LT(idleHeader, bytes.size());
    }
    void Patch(size_t offset, uint8_t value) {
        bytes[offset] = value;
        WriteBytes(path, bytes);
    }

    TempDir dir;
    std::string path = dir.File("rich.rux");
    std::vector<uint8_t> bytes;
    size_t idleHeader = 0;  // the block's size field is the 4 bytes before
};

TEST(ruxtool_CommandLine, RejectsBadCommandLinesAndHelps) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {}, {"frobnicate", "x"}, {"dump"}, {"dump", "a", "b"}, {"export", "a"}, {"build", "m"}}) {
        const CommandResult result = RunTool(args);
        EXPECT_EQ(result.exitCode, 2) << ::testing::PrintToString(args);
        EXPECT_TRUE(IsOneLine(result.err) && result.out.empty()) << result.err;
    }
    EXPECT_TRUE(Contains(RunTool({"export", "a"}).err, "usage: ruxtool export FILE DIR"));
    const CommandResult help = RunTool({"help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"dump FILE", "check FILE", "info FILE", "export FILE DIR", "build MANIFEST OUT"})
        EXPECT_TRUE(Contains(help.out, command)) << command;
}

TEST(ruxtool_CommandLine, UnreadableFilesAreOneLineErrors) {
    TempDir dir;
    const std::string missing = dir.File("missing.rux");
    for (const std::string command : {"dump", "check", "info", "export"}) {
        std::vector<std::string> args = {command, missing};
        if (command == "export") args.push_back(dir.File("out"));
        const CommandResult result = RunTool(args);
        EXPECT_EQ(result.exitCode, 1) << command;
        EXPECT_TRUE(IsOneLine(result.err)) << result.err;
        EXPECT_EQ(result.err.rfind(missing + ": ", 0), 0u) << result.err;
        EXPECT_TRUE(result.out.empty()) << command;
    }
    const CommandResult directory = RunTool({"check", dir.Path().string()});
    EXPECT_EQ(directory.exitCode, 1);
    EXPECT_TRUE(Contains(directory.err, "is a directory"));
}

TEST_F(ruxtool_SavedModel, DumpWritesIndentedUtf8JsonWithExactFloats) {
    const CommandResult result = RunTool({"dump", path});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.err.empty());
    EXPECT_EQ(result.out.rfind("{\n  \"characterName\": \"G\xC3\xA9n\xC3\xA9ral \xE2\x82\xAC\xC2\x81\",\n", 0), 0u);
    const Json json = Json::parse(result.out);
    const Json& greet = json["animations"][0];
    EXPECT_EQ(greet["name"], "Greet\xC3\xBC");
    EXPECT_EQ(greet["reserved2"], 4294967295u);
    EXPECT_EQ(greet["frames"][0]["shift"].dump(), "[-0.0,0.1]");
    EXPECT_EQ(greet["frames"][0]["anchor"].dump(), "[1e-45,3.4028235e+38]");
    EXPECT_EQ(greet["frames"][0]["origins"][1].dump(), "{\"name\":\"P\xC3\xA9\xC2\x9D" "dy\",\"x\":\"0x7fc00000\",\"y\":\"0x7f800000\"}");
    EXPECT_EQ(greet["frames"][1]["anchor"].dump(), R"(["0xff800000","0x7fc12345"])");
    EXPECT_EQ(greet["frames"][1]["image"]["bitCount"], 32);
    EXPECT_EQ(greet["frames"][1]["sound"], "\xE2\x80\x9Cquoted\xE2\x80\x9D.wav");
}

TEST_F(ruxtool_SavedModel, DumpOfACutFileShowsWhatWasReadAndWhereReadingFailed) {
    bytes.resize(idleHeader + 10);  // inside Idle's picture, after Greet was read whole
    WriteBytes(path, bytes);
    const CommandResult result = RunTool({"dump", path});
    EXPECT_EQ(result.exitCode, 1);
    const Json json = Json::parse(result.out);
    EXPECT_EQ(json["characterName"], "G\xC3\xA9n\xC3\xA9ral \xE2\x82\xAC\xC2\x81");
    ASSERT_EQ(json["animations"].size(), 1u);
    EXPECT_EQ(json["animations"][0]["name"], "Greet\xC3\xBC");
    EXPECT_TRUE(IsOneLine(result.err)) << result.err;
    // The block's size field was read; its size is more than the file holds.
    EXPECT_TRUE(Contains(result.err, "byte offset " + std::to_string(idleHeader) + " ")) << result.err;
}

TEST_F(ruxtool_SavedModel, CheckPassesASoundFile) {
    const CommandResult result = RunTool({"check", path});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, path + ": ok, 2 animations, 4 frames\n");
}

// Each fault in a copy of the file, and what the one line must say about it.
TEST_F(ruxtool_SavedModel, CheckNamesEachFaultAndItsOffset) {
    const std::vector<uint8_t> sound = bytes;
    const std::string idleBlock = "\"Idle\" frame 0 (block at byte offset " + std::to_string(idleHeader - 4) + ")";
    struct Fault {
        size_t offset;
        int newSize;  // -1 keeps the size; otherwise the file is cut or grown to it
        uint8_t value;  // put at offset
        std::vector<std::string> said;
    };
    const Fault faults[] = {
        {idleHeader + 4, -1, 2, {idleBlock, "stored with 44 bytes but its header calls for 48"}},  // width 1 -> 2
        {idleHeader + 16, -1, 1, {idleBlock, "cannot be drawn"}},  // BI_RLE8
        {0, static_cast<int>(sound.size()) + 3, sound[0],
         {"3 bytes follow the last animation at byte offset " + std::to_string(sound.size())}},
        {0, static_cast<int>(sound.size()) - 1, sound[0], {"reading failed at byte offset"}},
    };
    for (const Fault& fault : faults) {
        bytes = sound;
        if (fault.newSize >= 0) bytes.resize(static_cast<size_t>(fault.newSize), 0);
        Patch(fault.offset, fault.value);
        const CommandResult result = RunTool({"check", path});
        EXPECT_EQ(result.exitCode, 1) << fault.said[0];
        EXPECT_TRUE(IsOneLine(result.err) && result.out.empty()) << result.err;
        for (const std::string& words : fault.said) EXPECT_TRUE(Contains(result.err, words)) << result.err;
    }
}

TEST_F(ruxtool_SavedModel, InfoSummarisesTheCharacter) {
    const CommandResult result = RunTool({"info", path});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string greet = "Greet\xC3\xBC";
    const std::string quoted = "\xE2\x80\x9Cquoted\xE2\x80\x9D.wav";
    const std::string peedy = "P\xC3\xA9\xC2\x9D" "dy";
    EXPECT_EQ(result.out,
              "Character: G\xC3\xA9n\xC3\xA9ral \xE2\x82\xAC\xC2\x81\n"
              "Animations: 2 (4 frames, 4294967645 ms in all)\n"
              "  " + greet + ": 3 frames, 4294967395 ms; pictures 3x2 24-bit, 2x3 32-bit, no picture; sounds hello.wav, " +
                  quoted + "; origins Merlin, " + peedy + "\n"
              "  Idle: 1 frame, 250 ms; pictures 1x1 24-bit; sounds none; origins none\n"
              "Pictures: 3x2 24-bit, 2x3 32-bit, no picture, 1x1 24-bit\n"
              "Sounds: hello.wav, " + quoted + "\n"
              "Origins: Merlin, " + peedy + "\n");
}

}  // namespace
