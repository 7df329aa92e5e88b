#pragma once
// A frame's picture as the tests compare it: its colours, top row first, as 0xRRGGBB.
#include <cstdint>
#include <optional>
#include <vector>

#include "CFrame.h"
#include "PictureEncoder.h"

inline std::vector<uint32_t> FrameColours(const CFrame& frame) {
    const std::optional<RgbaPixels> pixels = PixelsOfPicture(frame.image);
    std::vector<uint32_t> colours;
    if (!pixels) return colours;
    for (size_t i = 0; i < pixels->pixels.size(); i += static_cast<size_t>(pixels->channels)) {
        colours.push_back(uint32_t{pixels->pixels[i]} << 16 | uint32_t{pixels->pixels[i + 1]} << 8 | pixels->pixels[i + 2]);
    }
    return colours;
}
