#include "TestModels.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "DibHeader.h"
#include "DibPixelReader.h"

namespace testing_models {

std::vector<uint8_t> PatternBlock(int width, int height, uint16_t bitCount) {
    const DibHeader header = MakeDibHeader(width, height, bitCount);
    std::vector<uint8_t> block = EncodeDibHeader(header);
    const size_t table = static_cast<size_t>(ColourTableBytes(header));
    for (size_t i = 0; i < table / 4; ++i) {  // grey ramp palette
        const auto level = static_cast<uint8_t>(i * 255 / (table / 4 > 1 ? table / 4 - 1 : 1));
        block.insert(block.end(), {level, level, level, 0});
    }
    const size_t stride = static_cast<size_t>(DibStride(header));
    const size_t start = block.size();
    block.resize(start + stride * static_cast<size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = block.data() + start + stride * static_cast<size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            if (bitCount == 24 || bitCount == 32) {
                uint8_t* p = row + static_cast<size_t>(x) * (bitCount / 8);
                p[0] = static_cast<uint8_t>(x * 7);
                p[1] = static_cast<uint8_t>(y * 5);
                p[2] = static_cast<uint8_t>(x + y);
                if (bitCount == 32) p[3] = static_cast<uint8_t>(x ^ y);
            } else if (bitCount == 8) {
                row[x] = static_cast<uint8_t>((x + y) % 256);
            }
        }
    }
    return block;
}

CCharacterModel RichModel() {
    CCharacterModel model;
    model.SetCharacterName("Cat");
    const char* names[] = {"walk", "Walking", "Walk"};
    float step = 0.5f;
    for (const char* name : names) {
        CAnimation animation;
        animation.reserved1 = 0x11223344u;
        animation.reserved2 = 7;
        for (int i = 0; i < 3; ++i) {
            CFrame frame;
            frame.shift = {step, -step * 2};
            frame.anchor = {10.25f, 20.0f};
            frame.displayTime = 100u * static_cast<uint32_t>(i + 1);
            frame.SetOrigin("ball", {12.0f, 30.0f});
            frame.SetOrigin("Ball", {-1.5f, 3e10f});
            frame.sound = i == 1 ? "step.wav" : "";
            if (i != 2) frame.image = CBryDIB(PatternBlock(5 + i, 3, i == 0 ? 24 : 32));
            animation.frames.push_back(frame);
            step += 1.0f;
        }
        model.FileAnimation(name, animation);
    }
    return model;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string TempFolder(const std::string& name) {
    // Unique per process: tests of one executable may run side by side.
    static const unsigned run = std::random_device()();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("vimro-test-" + std::to_string(run) + "-" + name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
}

std::vector<uint8_t> SavedBytes(const CCharacterModel& model) {
    const std::string path = TempFolder("saved-bytes") + "/model.rux";
    if (!model.Save(path)) throw std::runtime_error("save failed");
    return ReadFileBytes(path);
}

uint32_t PixelRgb(const CBryDIB& picture, int x, int y) {
    const DibPixelReader reader(picture.Block());
    uint32_t pixel = 0;
    reader.ReadRow(y, x, 1, &pixel);
    return pixel & 0xFFFFFFu;
}

}  // namespace testing_models
