#pragma once
// Decoding picture files (BMP, JPEG, Targa, PNG) into packed DIBs.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "DibHeader.h"

// Largest width or height accepted from a picture file.
constexpr int kMaxPictureDimension = kMaxPictureSide;

struct DecodedPicture {
    std::vector<uint8_t> block;  // bottom-up 24-bit, or 32-bit when the picture has alpha
    std::string error;           // why decoding failed, when block is empty
};

DecodedPicture DecodePictureBytes(const uint8_t* data, size_t size);
DecodedPicture DecodePictureFile(const std::string& path);

// A packed DIB from top-down rows of RGB (3 channels) or RGBA (4 channels) pixels.
std::vector<uint8_t> DibFromPixels(const uint8_t* pixels, int width, int height, int channels);
