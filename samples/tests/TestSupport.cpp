#include "TestSupport.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "Colour.h"

std::string SampleDir() {
    const char* dir = std::getenv("VIMRO_SAMPLES");
    return dir != nullptr ? dir : "";
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool IsKeyPixel(const RgbaPixels& picture, int x, int y) {
    const uint8_t* p = picture.pixels.data() + (static_cast<size_t>(y) * picture.width + x) * picture.channels;
    return p[0] == kKeyColour.r && p[1] == kKeyColour.g && p[2] == kKeyColour.b;
}

std::vector<std::pair<int, int>> EnclosedKeyPixels(const RgbaPixels& picture) {
    const int w = picture.width, h = picture.height;
    std::vector<uint8_t> reached(static_cast<size_t>(w) * h, 0);
    std::vector<std::pair<int, int>> pending;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h) return;
        uint8_t& seen = reached[static_cast<size_t>(y) * w + x];
        if (seen != 0 || !IsKeyPixel(picture, x, y)) return;
        seen = 1;
        pending.emplace_back(x, y);
    };
    for (int x = 0; x < w; ++x) visit(x, 0), visit(x, h - 1);
    for (int y = 0; y < h; ++y) visit(0, y), visit(w - 1, y);
    while (!pending.empty()) {
        const auto [x, y] = pending.back();
        pending.pop_back();
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) visit(x + dx, y + dy);
        }
    }
    std::vector<std::pair<int, int>> enclosed;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (IsKeyPixel(picture, x, y) && reached[static_cast<size_t>(y) * w + x] == 0) enclosed.emplace_back(x, y);
        }
    }
    return enclosed;
}

bool BorderIsKey(const RgbaPixels& picture) {
    for (int x = 0; x < picture.width; ++x) {
        if (!IsKeyPixel(picture, x, 0) || !IsKeyPixel(picture, x, picture.height - 1)) return false;
    }
    for (int y = 0; y < picture.height; ++y) {
        if (!IsKeyPixel(picture, 0, y) || !IsKeyPixel(picture, picture.width - 1, y)) return false;
    }
    return true;
}

int PaintedPixelCount(const RgbaPixels& picture) {
    int count = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) count += !IsKeyPixel(picture, x, y);
    }
    return count;
}

int LowestPaintedRow(const RgbaPixels& picture) {
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            if (!IsKeyPixel(picture, x, y)) return y;
        }
    }
    return -1;
}

int LowestOpaqueRow(const RgbaPixels& picture) {
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const size_t at = (static_cast<size_t>(y) * picture.width + x) * picture.channels;
            const bool opaque = picture.channels != 4 || picture.pixels[at + 3] == 255;
            if (opaque && !IsKeyPixel(picture, x, y)) return y;
        }
    }
    return -1;
}

namespace {

uint32_t U32At(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t U16At(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); }
bool TagAt(const std::vector<uint8_t>& b, size_t at, const char* tag) { return std::memcmp(&b[at], tag, 4) == 0; }

}  // namespace

std::optional<WavInfo> ParseWav(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < 12 || !TagAt(bytes, 0, "RIFF") || !TagAt(bytes, 8, "WAVE")) return std::nullopt;
    WavInfo info;
    info.riffSize = U32At(bytes, 4);
    bool haveFormat = false, haveData = false;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        const uint32_t size = U32At(bytes, at + 4);
        const size_t body = at + 8;
        if (size > bytes.size() - body) return std::nullopt;
        if (TagAt(bytes, at, "fmt ") && size >= 16) {
            info.format = U16At(bytes, body);
            info.channels = U16At(bytes, body + 2);
            info.sampleRate = U32At(bytes, body + 4);
            info.byteRate = U32At(bytes, body + 8);
            info.blockAlign = U16At(bytes, body + 12);
            info.bitsPerSample = U16At(bytes, body + 14);
            haveFormat = true;
        } else if (TagAt(bytes, at, "data")) {
            for (size_t i = 0; i + 1 < size; i += 2) {
                info.samples.push_back(static_cast<int16_t>(U16At(bytes, body + i)));
            }
            haveData = true;
        }
        at = body + size + (size & 1u);
    }
    if (!haveFormat || !haveData) return std::nullopt;
    return info;
}
