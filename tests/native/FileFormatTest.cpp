// Byte-level facts of the character file format.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "CCharacterModel.h"
#include "CFileReader.h"
#include "DibHeader.h"
#include "TestModels.h"

using namespace testing_models;

namespace {

std::vector<uint8_t> U32Bytes(uint32_t value) {
    return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16),
            static_cast<uint8_t>(value >> 24)};
}

void Append(std::vector<uint8_t>& out, const std::vector<uint8_t>& more) { out.insert(out.end(), more.begin(), more.end()); }

void AppendString(std::vector<uint8_t>& out, const std::string& text) {
    Append(out, U32Bytes(static_cast<uint32_t>(text.size() + 1)));
    out.insert(out.end(), text.begin(), text.end());
    out.push_back(0);
}

void AppendFloat(std::vector<uint8_t>& out, float value) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, 4);
    Append(out, U32Bytes(bits));
}

// One frame record: no origins, an empty picture header, no sound.
void AppendPlainFrame(std::vector<uint8_t>& out, uint32_t displayTime) {
    for (int i = 0; i < 4; ++i) AppendFloat(out, 0.0f);
    Append(out, U32Bytes(displayTime));
    Append(out, U32Bytes(0));
    const std::vector<uint8_t> header = EmptyImageBlock();
    Append(out, U32Bytes(static_cast<uint32_t>(header.size())));
    Append(out, header);
    AppendString(out, "");
}

bool LoadBytes(CCharacterModel& model, const std::vector<uint8_t>& bytes) {
    CFileReader reader = CFileReader::OverBytes(bytes.data(), bytes.size());
    return model.Load(reader);
}

}  // namespace

TEST(FileFormat, EmptyCharacterIsNineBytes) {
    const std::vector<uint8_t> bytes = SavedBytes(CCharacterModel());
    EXPECT_EQ(bytes, (std::vector<uint8_t>{1, 0, 0, 0, 0, 0, 0, 0, 0}));
    CCharacterModel loaded;
    ASSERT_TRUE(LoadBytes(loaded, bytes));
    EXPECT_EQ(loaded.CharacterName(), "");
    EXPECT_EQ(loaded.AnimationCount(), 0u);
}

TEST(FileFormat, NameAndFloatEncoding) {
    CCharacterModel model;
    model.SetCharacterName("Cat");
    CAnimation animation;
    CFrame frame;
    frame.shift = {2.5f, 0.0f};
    animation.frames.push_back(frame);
    model.FileAnimation("A", animation);
    const std::vector<uint8_t> bytes = SavedBytes(model);
    const std::vector<uint8_t> prefix = {0x04, 0, 0, 0, 0x43, 0x61, 0x74, 0x00};
    ASSERT_GE(bytes.size(), prefix.size());
    EXPECT_TRUE(std::equal(prefix.begin(), prefix.end(), bytes.begin()));
    // name "A" (4+2 bytes), two reserved words, frame count: the frame's shift x follows.
    const size_t shiftOffset = 8 + 4 + 6 + 4 + 4 + 4;
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + shiftOffset, bytes.begin() + shiftOffset + 4),
              (std::vector<uint8_t>{0x00, 0x00, 0x20, 0x40}));
}

TEST(FileFormat, AnimationsAndOriginsAreWrittenInByteOrder) {
    CCharacterModel model;
    CAnimation animation;
    CFrame frame;
    frame.SetOrigin("b", {1, 1});
    frame.SetOrigin("B", {2, 2});
    frame.SetOrigin("Ba", {3, 3});
    animation.frames.push_back(frame);
    for (const char* name : {"walk", "Walking", "Walk"}) model.FileAnimation(name, animation);
    const std::vector<uint8_t> bytes = SavedBytes(model);
    const std::string text(bytes.begin(), bytes.end());
    const size_t walk = text.find(std::string("Walk\0", 5));
    const size_t walking = text.find("Walking");
    const size_t lower = text.find("walk");
    ASSERT_NE(lower, std::string::npos);
    EXPECT_LT(walk, walking);
    EXPECT_LT(walking, lower);
    const size_t originB = text.find(std::string("\x02\0\0\0B\0", 6));
    const size_t originBa = text.find("Ba");
    const size_t originb = text.find(std::string("\x02\0\0\0b\0", 6));
    EXPECT_LT(originB, originBa);
    EXPECT_LT(originBa, originb);
    std::vector<std::string> keys;
    for (const auto& entry : model.Animations()) keys.push_back(entry.first);
    EXPECT_EQ(keys, (std::vector<std::string>{"Walk", "Walking", "walk"}));
}

TEST(FileFormat, LaterDuplicateAnimationWins) {
    std::vector<uint8_t> bytes;
    AppendString(bytes, "Dup");
    Append(bytes, U32Bytes(2));
    for (uint32_t record = 0; record < 2; ++record) {
        AppendString(bytes, "Run");
        Append(bytes, U32Bytes(10 + record));
        Append(bytes, U32Bytes(20 + record));
        Append(bytes, U32Bytes(record + 1));
        for (uint32_t f = 0; f <= record; ++f) AppendPlainFrame(bytes, 100 * (record + 1));
    }
    CCharacterModel model;
    ASSERT_TRUE(LoadBytes(model, bytes));
    ASSERT_EQ(model.AnimationCount(), 1u);
    const CAnimation* run = model.FindAnimation("Run");
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->reserved1, 11u);
    EXPECT_EQ(run->reserved2, 21u);
    ASSERT_EQ(run->frames.size(), 2u);
    EXPECT_EQ(run->frames[1].displayTime, 200u);
}

TEST(FileFormat, DuplicateOriginsLaterWins) {
    std::vector<uint8_t> bytes;
    AppendString(bytes, "O");
    Append(bytes, U32Bytes(1));
    AppendString(bytes, "A");
    Append(bytes, U32Bytes(0));
    Append(bytes, U32Bytes(0));
    Append(bytes, U32Bytes(1));
    for (int i = 0; i < 4; ++i) AppendFloat(bytes, 0.0f);
    Append(bytes, U32Bytes(50));
    Append(bytes, U32Bytes(2));
    AppendString(bytes, "ball");
    AppendFloat(bytes, 1.0f);
    AppendFloat(bytes, 2.0f);
    AppendString(bytes, "ball");
    AppendFloat(bytes, 3.0f);
    AppendFloat(bytes, 4.0f);
    const std::vector<uint8_t> header = EmptyImageBlock();
    Append(bytes, U32Bytes(40));
    Append(bytes, header);
    AppendString(bytes, "s.wav");
    CCharacterModel model;
    ASSERT_TRUE(LoadBytes(model, bytes));
    const CFrame& frame = model.FindAnimation("A")->frames.at(0);
    ASSERT_EQ(frame.origins.size(), 1u);
    EXPECT_EQ(*frame.FindOrigin("ball"), (PointF{3.0f, 4.0f}));
    EXPECT_EQ(frame.sound, "s.wav");
}

TEST(FileFormat, CountedStringEdgeCases) {
    // No NUL: every byte is text. Size 0: empty text. Bytes after the NUL are ignored.
    const std::vector<std::pair<std::vector<uint8_t>, std::string>> cases = {
        {{3, 0, 0, 0, 'a', 'b', 'c'}, "abc"},
        {{0, 0, 0, 0}, ""},
        {{4, 0, 0, 0, 'x', 0, 'y', 'z'}, "x"},
    };
    for (const auto& [prefix, expected] : cases) {
        std::vector<uint8_t> bytes = prefix;
        Append(bytes, U32Bytes(0));
        CCharacterModel model;
        EXPECT_TRUE(LoadBytes(model, bytes));
        EXPECT_EQ(model.CharacterName(), expected);
    }
}

TEST(FileFormat, FrameWithoutOriginsGoesStraightToItsPicture) {
    CCharacterModel model;
    CAnimation animation;
    CFrame frame;
    frame.displayTime = 0x01020304;
    animation.frames.push_back(frame);
    model.FileAnimation("F", animation);
    const std::vector<uint8_t> bytes = SavedBytes(model);
    // header (5) + count (4) + name (6) + reserved (8) + frames (4) + floats (16) + time (4) = 47
    ASSERT_GE(bytes.size(), 47u + 8u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 43, bytes.begin() + 47), (std::vector<uint8_t>{4, 3, 2, 1}));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 47, bytes.begin() + 51), U32Bytes(0));   // origin count
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 51, bytes.begin() + 55), U32Bytes(40));  // picture block size
}

TEST(FileFormat, ExtraBytesAfterTheLastRecordAreIgnored) {
    std::vector<uint8_t> bytes = SavedBytes(RichModel());
    Append(bytes, {0xde, 0xad, 0xbe, 0xef, 0xff});
    CCharacterModel model;
    EXPECT_TRUE(LoadBytes(model, bytes));
    EXPECT_EQ(model, RichModel());
}

TEST(FileFormat, LoadAddsToTheModelWithoutEmptyingIt) {
    const std::string folder = TempFolder("load-adds");
    CCharacterModel other;
    other.FileAnimation("Zed", CAnimation());
    ASSERT_TRUE(other.Save(folder + "/other.rux"));
    CCharacterModel model = RichModel();
    ASSERT_TRUE(model.Load(folder + "/other.rux"));
    EXPECT_EQ(model.AnimationCount(), 4u);
    EXPECT_EQ(model.CharacterName(), "");
}

TEST(FileFormat, MissingFileLeavesTheModelUntouched) {
    CCharacterModel model = RichModel();
    EXPECT_FALSE(model.Load("/nonexistent/dir/missing.rux"));
    EXPECT_EQ(model, RichModel());
    CCharacterModel fromPath("/nonexistent/dir/missing.rux");
    EXPECT_TRUE(fromPath.IsFailed());
    EXPECT_EQ(fromPath.AnimationCount(), 0u);
    EXPECT_EQ(fromPath.CharacterName(), "");
}

TEST(FileFormat, FailedSaveKeepsThePreviousFile) {
    const std::string folder = TempFolder("failed-save");
    const std::string path = folder + "/keep.rux";
    ASSERT_TRUE(RichModel().Save(path));
    const std::vector<uint8_t> before = ReadFileBytes(path);
    // The model is written beside the target first; make that impossible.
    std::filesystem::create_directory(path + ".saving");
    CCharacterModel changed = RichModel();
    changed.SetCharacterName("Changed");
    EXPECT_FALSE(changed.Save(path));
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_FALSE(CCharacterModel().Save(folder + "/no-such-dir/x.rux"));
}
