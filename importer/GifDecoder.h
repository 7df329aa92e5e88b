#pragma once
// Reading an animated GIF as a viewer shows it: every frame the whole canvas, disposal honoured.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct GifLimits {
    int maxSide = 8192;             // largest canvas width or height
    uint64_t maxFrameBytes = 0;     // largest total of the decoded frames (4 bytes a pixel)
    size_t maxFrames = 0;
    bool firstFrameOnly = false;
};

struct GifCanvasFrame {
    std::vector<uint8_t> rgba;  // the canvas, top row first; alpha 0 where nothing shows
    uint32_t delayMs = 0;       // the frame's delay; 0 when it has none
};

struct GifPicture {
    int width = 0;
    int height = 0;
    std::vector<GifCanvasFrame> frames;
    std::string error;  // why reading failed, when there are no frames
};

GifPicture DecodeGif(const uint8_t* data, size_t size, const GifLimits& limits);

inline bool LooksLikeGif(const uint8_t* data, size_t size) {
    return size >= 6 && data[0] == 'G' && data[1] == 'I' && data[2] == 'F' && data[3] == '8' &&
           (data[4] == '7' || data[4] == '9') && data[5] == 'a';
}
