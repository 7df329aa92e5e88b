#pragma once
// A GIF's canvas and frame rectangles read from its block structure alone, without decoding a
// picture: lets the limits be checked before a decoder that decodes everything at once runs.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct GifFrameLayout {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool hasColours = false;  // its own table or the file's
    int disposal = 0;
};

struct GifLayout {
    int width = 0;
    int height = 0;
    std::vector<GifFrameLayout> frames;
    std::string error;  // the structure is broken
};

GifLayout ScanGifLayout(const uint8_t* data, size_t size);
