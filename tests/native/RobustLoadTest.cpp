// Round trips, and files that are cut short or lie about their sizes.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "CCharacterModel.h"
#include "CFileReader.h"
#include "DibHeader.h"
#include "PictureDecoder.h"
#include "StreamTransfer.h"
#include "TestModels.h"

using namespace testing_models;

namespace {

void PutU32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) bytes.at(offset + i) = static_cast<uint8_t>(value >> (8 * i));
}

CCharacterModel LoadFrom(const std::vector<uint8_t>& bytes, size_t length, bool* loaded, uint64_t* failure = nullptr) {
    CCharacterModel model;
    CFileReader reader = CFileReader::OverBytes(bytes.data(), length);
    *loaded = model.Load(reader);
    if (failure != nullptr) *failure = reader.FailureOffset();
    return model;
}

}  // namespace

TEST(RoundTrip, SaveLoadSaveIsByteIdentical) {
    const CCharacterModel original = RichModel();
    const std::vector<uint8_t> first = SavedBytes(original);
    bool loaded = false;
    const CCharacterModel back = LoadFrom(first, first.size(), &loaded);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(back, original);
    EXPECT_EQ(SavedBytes(back), first);
}

TEST(RoundTrip, ReservedWordsAndFramelessAnimationsSurvive) {
    CCharacterModel model;
    CAnimation empty;
    empty.reserved1 = 0xFFFFFFFFu;
    model.FileAnimation("Nothing", empty);
    bool loaded = false;
    const std::vector<uint8_t> bytes = SavedBytes(model);
    const CCharacterModel back = LoadFrom(bytes, bytes.size(), &loaded);
    ASSERT_TRUE(loaded);
    ASSERT_NE(back.FindAnimation("Nothing"), nullptr);
    EXPECT_EQ(back.FindAnimation("Nothing")->reserved1, 0xFFFFFFFFu);
    EXPECT_TRUE(back.FindAnimation("Nothing")->frames.empty());
}

TEST(Truncation, EveryCutFailsAndKeepsWhatWasRead) {
    const std::vector<uint8_t> bytes = SavedBytes(RichModel());
    size_t lastAnimations = 0;
    for (size_t length = 0; length < bytes.size(); ++length) {
        bool loaded = true;
        uint64_t failure = 0;
        const CCharacterModel model = LoadFrom(bytes, length, &loaded, &failure);
        ASSERT_FALSE(loaded) << "cut at " << length;
        ASSERT_LE(failure, length);
        // Completed records stay; their number never shrinks as the cut moves later.
        ASSERT_GE(model.AnimationCount(), lastAnimations) << "cut at " << length;
        lastAnimations = model.AnimationCount();
        if (length >= 8) {
            ASSERT_EQ(model.CharacterName(), "Cat");
        }
    }
    EXPECT_EQ(lastAnimations, 2u);
}

TEST(LyingFile, HugeSizesAndCountsFailFastWithoutAllocating) {
    const std::vector<uint8_t> good = SavedBytes(RichModel());
    struct Lie {
        const char* what;
        size_t offset;
    };
    // Offsets in the rich model's bytes: name size, animation count, first animation's
    // name size, its frame count, first frame's origin count, first origin name size.
    const size_t firstAnimation = 8 + 4;                      // "Cat" + count
    const size_t frameCount = firstAnimation + 4 + 5 + 8;     // "Walk" + reserved words
    const size_t originCount = frameCount + 4 + 16 + 4;
    const std::vector<Lie> lies = {
        {"character name size", 0},       {"animation count", 8},
        {"animation name size", firstAnimation}, {"frame count", frameCount},
        {"origin count", originCount},    {"origin name size", originCount + 4},
    };
    for (const Lie& lie : lies) {
        for (uint32_t value : {0xFFFFFFFFu, 0x7FFFFFFFu, 0x10000000u}) {
            std::vector<uint8_t> bytes = good;
            PutU32(bytes, lie.offset, value);
            const auto start = std::chrono::steady_clock::now();
            bool loaded = true;
            LoadFrom(bytes, bytes.size(), &loaded);
            const auto elapsed = std::chrono::steady_clock::now() - start;
            EXPECT_FALSE(loaded) << lie.what << " = " << value;
            EXPECT_LT(elapsed, std::chrono::seconds(2)) << lie.what;
        }
    }
}

TEST(LyingFile, ImageBlockSizeBeyondTheFileFails) {
    CCharacterModel model;
    CAnimation animation;
    animation.frames.emplace_back();
    animation.frames.back().image = CBryDIB(PatternBlock(4, 4, 24));
    model.FileAnimation("A", animation);
    std::vector<uint8_t> bytes = SavedBytes(model);
    const size_t imageSize = 5 + 4 + 6 + 8 + 4 + 16 + 4 + 4;
    const std::vector<uint8_t> sizeField(bytes.begin() + static_cast<long>(imageSize),
                                         bytes.begin() + static_cast<long>(imageSize) + 4);
    ASSERT_EQ(sizeField, (std::vector<uint8_t>{40 + 48, 0, 0, 0}));
    PutU32(bytes, imageSize, 0xFFFFFFF0u);
    bool loaded = true;
    uint64_t failure = 0;
    const CCharacterModel back = LoadFrom(bytes, bytes.size(), &loaded, &failure);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(failure, imageSize + 4);
    EXPECT_EQ(back.AnimationCount(), 0u);
}

TEST(Streams, ZeroByteTransfersSucceedAndFailureIsSticky) {
    const std::vector<uint8_t> bytes = {1, 2, 3};
    CFileReader reader = CFileReader::OverBytes(bytes.data(), bytes.size());
    EXPECT_TRUE(reader.Read(nullptr, 0));
    uint32_t value = 0;
    EXPECT_FALSE(ReadU32(reader, value));
    EXPECT_FALSE(reader.Good());
    EXPECT_EQ(reader.FailureOffset(), 0u);
    uint8_t one = 0;
    EXPECT_FALSE(reader.Read(&one, 1)) << "a failed stream reads nothing more";
    EXPECT_FALSE(reader.Read(nullptr, 0));
}

TEST(Truncation, AFileCutRightAfterItsFirstRecordKeepsThatRecord) {
    CCharacterModel onlyFirst;
    onlyFirst.SetCharacterName("Cat");
    CAnimation first;
    first.frames.emplace_back();
    onlyFirst.FileAnimation("A", first);
    CCharacterModel both = onlyFirst;
    both.FileAnimation("B", first);
    const std::vector<uint8_t> bytes = SavedBytes(both);
    bool loaded = true;
    // The first record ends where a file of it alone ends: the second record is missing.
    const CCharacterModel model = LoadFrom(bytes, SavedBytes(onlyFirst).size(), &loaded);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(model.AnimationCount(), 1u);
    EXPECT_NE(model.FindAnimation("A"), nullptr);
}

#ifndef _WIN32
// Only regular files are read: a pipe without a writer would wait for ever at open, a
// directory never reads. A larger file than 256 MiB reads as cut there.
TEST(FileInputs, OnlyRegularFilesAreReadAndNoneBeyond256MiB) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("vimro-inputs-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string pipe = (folder / "pipe.rux").string();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(CFileReader(pipe).IsNotRegularFile());
    EXPECT_TRUE(CFileReader(folder.string()).IsNotRegularFile());
    EXPECT_FALSE(CFileReader(pipe).Good());
    EXPECT_FALSE(CFileReader((folder / "missing.rux").string()).IsNotRegularFile());
    EXPECT_FALSE(CCharacterModel(pipe).AnimationCount() > 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));

    const std::string big = (folder / "big.rux").string();
    std::ofstream(big).close();
    std::filesystem::resize_file(big, 300u * 1024u * 1024u);  // sparse: no disk is used
    CFileReader reader(big);
    ASSERT_TRUE(reader.Good());
    EXPECT_EQ(reader.Remaining(), 256u * 1024u * 1024u);
    EXPECT_TRUE(reader.IsCutShort());
    EXPECT_NE(DecodePictureFile(big).error.find("too large"), std::string::npos) << "a picture is read whole or not at all";
    std::filesystem::remove_all(folder);
}
#endif

#ifdef _WIN32
// Devices, pipes and folders by name: reading the console would wait for input for ever.
TEST(FileInputs, DevicesPipesAndFoldersAreRefusedAtOnce) {
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& path : {std::string("CON"), std::string("NUL"), std::string("\\\\.\\pipe\\vimro-no-such-pipe"),
                                    std::filesystem::temp_directory_path().string()}) {
        EXPECT_FALSE(CFileReader(path).Good()) << path;
        EXPECT_TRUE(CCharacterModel(path).IsFailed()) << path;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}
#endif

namespace {

// One animation record named A claiming frameCount frames, holding the frames given, then
// filler bytes of 0xFF (a frame record that fails at its first origin name) up to what the
// count's minimum size calls for.
std::vector<uint8_t> AnimationClaiming(uint32_t frameCount, const std::vector<CFrame>& held) {
    CCharacterModel model;
    CAnimation animation;
    animation.frames = held;
    model.FileAnimation("A", animation);
    std::vector<uint8_t> bytes = SavedBytes(model);
    const size_t countOffset = 4 + 1 + 4 + 4 + 2 + 4 + 4;  // name, count, animation name, reserved words
    PutU32(bytes, countOffset, frameCount);
    bytes.resize(countOffset + 4 + frameCount * kMinFrameRecordBytes + 16, 0xFF);
    return bytes;
}

CFrame SmallFrame(uint32_t displayTime) {
    CFrame frame;
    frame.image = CBryDIB(PatternBlock(1, 1, 24));
    frame.displayTime = displayTime;
    return frame;
}

}  // namespace

TEST(LyingCounts, FramesGrowAsTheyAreReadNotFromTheCount) {
    // A count that the bytes left could hold, but only one frame is there.
    const std::vector<uint8_t> lying = AnimationClaiming(200000, {SmallFrame(7)});
    CFileReader reader = CFileReader::OverBytes(lying.data(), lying.size());
    uint32_t animationCount = 0;
    std::string name;
    ASSERT_TRUE(ReadCountedString(reader, name) && ReadU32(reader, animationCount));
    CAnimation animation;
    EXPECT_FALSE(animation.ReadFrom(reader));
    ASSERT_EQ(animation.frames.size(), 1u);
    EXPECT_EQ(animation.frames[0].displayTime, 7u);
    EXPECT_LE(animation.frames.capacity(), 16u);  // not 200 000 frames

    bool loaded = true;
    const CCharacterModel model = LoadFrom(lying, lying.size(), &loaded);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(model.AnimationCount(), 0u);
}
