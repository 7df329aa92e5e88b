#pragma once
// Encoding pixels and pictures as PNG.
#include <cstdint>
#include <optional>
#include <vector>

class CBryDIB;

struct RgbaPixels {
    int width = 0;
    int height = 0;
    int channels = 3;              // 3: RGB, 4: RGBA
    std::vector<uint8_t> pixels;   // top row first
};

// The picture's pixels: RGBA for 32-bit pictures (the fourth byte as alpha), RGB otherwise.
// Nothing when the picture cannot be read (empty, compressed, cut short).
std::optional<RgbaPixels> PixelsOfPicture(const CBryDIB& image);
std::vector<uint8_t> EncodePng(const RgbaPixels& pixels);
