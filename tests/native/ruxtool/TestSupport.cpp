#include "TestSupport.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>
#include <sstream>

#include "CommandLine.h"
#include "PictureDecoder.h"

namespace {

std::vector<uint8_t> PixelsFor(int width, int height, int channels, int seed) {
    std::vector<uint8_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(static_cast<uint8_t>(seed + 40 * x));
            pixels.push_back(static_cast<uint8_t>(seed * 3 + 70 * y));
            pixels.push_back(static_cast<uint8_t>(x * y + seed));
            if (channels == 4) pixels.push_back(static_cast<uint8_t>((x + y * width) * 97 % 256));
        }
    }
    return pixels;
}

float FloatOfBits(uint32_t bits) {
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace

TempDir::TempDir() {
    std::random_device entropy;
    const auto base = std::filesystem::temp_directory_path();
    do {
        m_path = base / ("ruxtool-test-" + std::to_string(entropy()));
    } while (!std::filesystem::create_directory(m_path));
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::vector<uint8_t> Picture24(int width, int height, int seed) {
    return DibFromPixels(PixelsFor(width, height, 3, seed).data(), width, height, 3);
}

std::vector<uint8_t> Picture32(int width, int height, int seed) {
    return DibFromPixels(PixelsFor(width, height, 4, seed).data(), width, height, 4);
}

CCharacterModel RichModel() {
    CCharacterModel model;
    model.SetCharacterName("G\xE9n\xE9ral \x80\x81");

    CAnimation greet;
    greet.reserved1 = 7;
    greet.reserved2 = 0xFFFFFFFFu;
    CFrame first;
    first.image = CBryDIB(Picture24(3, 2, 11));  // rows of 9 bytes padded to 12
    first.shift = PointF{-0.0f, 0.1f};
    first.anchor = PointF{std::numeric_limits<float>::denorm_min(), FLT_MAX};
    first.displayTime = 100;
    first.SetOrigin("Merlin", PointF{1.0f / 3.0f, -2.5f});
    first.SetOrigin("P\xE9\x9D" "dy", PointF{std::numeric_limits<float>::quiet_NaN(), INFINITY});
    first.sound = "hello.wav";
    CFrame second;
    second.image = CBryDIB(Picture32(2, 3, 5));
    second.shift = PointF{16777216.0f, 3.4e-38f};
    second.anchor = PointF{-INFINITY, FloatOfBits(0x7FC12345u)};
    second.displayTime = 0xFFFFFFFFu;
    second.sound = "\x93quoted\x94.wav";
    CFrame third;  // no picture, nothing else
    greet.frames = {first, second, third};
    model.FileAnimation("Greet\xFC", greet);

    CAnimation idle;
    CFrame still;
    still.image = CBryDIB(Picture24(1, 1, 200));
    still.displayTime = 250;
    idle.frames = {still};
    model.FileAnimation("Idle", idle);
    return model;
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

size_t FindBytes(const std::vector<uint8_t>& bytes, const std::vector<uint8_t>& pattern) {
    return static_cast<size_t>(std::search(bytes.begin(), bytes.end(), pattern.begin(), pattern.end()) - bytes.begin());
}

CommandResult RunTool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    CommandResult result;
    result.exitCode = RunCommandLine(args, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

bool IsOneLine(const std::string& text) {
    return !text.empty() && text.back() == '\n' && text.find('\n') == text.size() - 1;
}
