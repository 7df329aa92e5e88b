#pragma once
// Composing a GIF's stored frames into whole-canvas pictures the way viewers show them. The
// codec (giflib) only hands over each frame's rectangle, indices and table.
#include <cstdint>
#include <string>
#include <vector>

#include "GifDecoder.h"

// One stored frame as the file holds it, rows in display order.
struct GifStoredFrame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> indices;   // width * height
    std::vector<uint32_t> colours;  // 0xRRGGBB; the frame's table or the file's
    int transparentIndex = -1;      // -1: none
    int disposal = 0;               // 2: clear to transparent, 3: put the canvas back, others: keep
    uint32_t delayCentiseconds = 0;
};

class GifCanvas {
public:
    // False, with out.error set, for an empty canvas or one beyond the limits.
    static bool Admits(int width, int height, const GifLimits& limits, GifPicture& out);

    GifCanvas(int width, int height, const GifLimits& limits, GifPicture& out);
    // Checked before the frame's pixels are read: inside the canvas, a table, within the limits.
    bool Accepts(int left, int top, int width, int height, bool hasColours, int disposal);
    // Draws an accepted frame, records the canvas and disposes; false once no more are wanted.
    bool Add(const GifStoredFrame& frame);
    // The frames, or none with the error when the file holds no picture.
    bool Finish();

private:
    // Why the canvas cannot take the number-th frame; empty when it can.
    std::string FrameProblem(size_t number, int left, int top, int width, int height, bool hasColours,
                             int disposal) const;
    bool Fail(const std::string& why);

    int m_width;
    int m_height;
    const GifLimits& m_limits;
    GifPicture& m_out;
    std::vector<uint8_t> m_canvas;
};
