#include "PngDump.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "Colour.h"
#include "OutputFile.h"
#include "PictureEncoder.h"

namespace {

constexpr int kGap = 4;  // key-coloured pixels between frames, before enlarging

// Frames side by side, top-aligned, on the key colour; each pixel enlarged to scale x scale.
RgbaPixels Strip(const std::vector<RgbaPixels>& frames, int scale) {
    int width = 0, height = 0;
    for (const RgbaPixels& frame : frames) {
        width += frame.width + kGap;
        height = std::max(height, frame.height);
    }
    RgbaPixels strip;
    strip.width = width * scale;
    strip.height = height * scale;
    strip.channels = 3;
    strip.pixels.resize(static_cast<size_t>(strip.width) * static_cast<size_t>(strip.height) * 3);
    for (size_t i = 0; i < strip.pixels.size(); i += 3) {
        strip.pixels[i] = kKeyColour.r, strip.pixels[i + 1] = kKeyColour.g, strip.pixels[i + 2] = kKeyColour.b;
    }
    int left = 0;
    for (const RgbaPixels& frame : frames) {
        for (int y = 0; y < frame.height * scale; ++y) {
            for (int x = 0; x < frame.width * scale; ++x) {
                const size_t from = (static_cast<size_t>(y / scale) * frame.width + x / scale) * frame.channels;
                const size_t to = (static_cast<size_t>(y) * strip.width + left + x) * 3;
                std::copy_n(frame.pixels.begin() + static_cast<std::ptrdiff_t>(from), 3,
                            strip.pixels.begin() + static_cast<std::ptrdiff_t>(to));
            }
        }
        left += (frame.width + kGap) * scale;
    }
    return strip;
}

}  // namespace

bool WriteAnimationStrips(const CCharacterModel& character, const std::string& folder, int scale) {
    std::error_code code;
    std::filesystem::create_directories(folder, code);
    if (code) return false;
    for (const auto& [name, animation] : character.Animations()) {
        std::vector<RgbaPixels> frames;
        for (const CFrame& frame : animation.frames) {
            std::optional<RgbaPixels> pixels = PixelsOfPicture(frame.image);
            if (!pixels) return false;
            frames.push_back(std::move(*pixels));
        }
        const std::string fileName = character.CharacterName() + "_" + name + ".png";
        const std::filesystem::path path = std::filesystem::path(folder) / fileName;
        if (!WriteBytes(path.string(), EncodePng(Strip(frames, scale)))) return false;
    }
    return true;
}
