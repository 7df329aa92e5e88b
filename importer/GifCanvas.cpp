#include "GifCanvas.h"

#include <cstring>
#include <string>

namespace {
constexpr int kDisposeBackground = 2;
constexpr int kDisposePrevious = 3;
}  // namespace

bool GifCanvas::Admits(int width, int height, const GifLimits& limits, GifPicture& out) {
    if (width <= 0 || height <= 0 || width > limits.maxSide || height > limits.maxSide) {
        out.error = "GIF canvas " + std::to_string(width) + " x " + std::to_string(height) +
                    " is empty or larger than " + std::to_string(limits.maxSide) + " pixels on a side";
        return false;
    }
    // Checked before the canvas is made: a few bytes of header may claim a canvas of any size.
    const uint64_t canvasBytes = uint64_t{static_cast<uint32_t>(width)} * static_cast<uint32_t>(height) * 4;
    if (2 * canvasBytes > limits.maxFrameBytes) {
        out.error = "GIF canvas " + std::to_string(width) + " x " + std::to_string(height) + " would take more than " +
                    std::to_string(limits.maxFrameBytes >> 20) + " MiB";
        return false;
    }
    return true;
}

GifCanvas::GifCanvas(int width, int height, const GifLimits& limits, GifPicture& out)
    : m_width(width), m_height(height), m_limits(limits), m_out(out),
      m_canvas(static_cast<size_t>(width) * static_cast<size_t>(height) * 4, 0) {
    m_out.width = width;
    m_out.height = height;
}

bool GifCanvas::Fail(const std::string& why) {
    m_out.error = why;
    m_out.frames.clear();
    return false;
}

std::string GifCanvas::FrameProblem(size_t number, int left, int top, int width, int height, bool hasColours,
                                    int disposal) const {
    if (width <= 0 || height <= 0 || left < 0 || top < 0 || left > m_width - width || top > m_height - height) {
        return "frame " + std::to_string(number) + " lies outside the " + std::to_string(m_width) + " x " +
               std::to_string(m_height) + " canvas";
    }
    if (!hasColours) return "frame " + std::to_string(number) + " has no colour table";
    if (number > m_limits.maxFrames) return "more than " + std::to_string(m_limits.maxFrames) + " frames";
    // The budget holds the frames, the canvas they are composed on and its saved copy.
    const uint64_t canvasBytes = uint64_t{static_cast<uint32_t>(m_width)} * static_cast<uint32_t>(m_height) * 4;
    const uint64_t held = number + 1 + (disposal == kDisposePrevious ? 1 : 0);
    if (held * canvasBytes > m_limits.maxFrameBytes) {
        return "the frames would take more than " + std::to_string(m_limits.maxFrameBytes >> 20) + " MiB";
    }
    return {};
}

bool GifCanvas::Accepts(int left, int top, int width, int height, bool hasColours, int disposal) {
    const std::string problem = FrameProblem(m_out.frames.size() + 1, left, top, width, height, hasColours, disposal);
    return problem.empty() || Fail(problem);
}

bool GifCanvas::Add(const GifStoredFrame& frame) {
    const std::vector<uint8_t> before = frame.disposal == kDisposePrevious ? m_canvas : std::vector<uint8_t>();
    for (int row = 0; row < frame.height; ++row) {
        uint8_t* out = m_canvas.data() + (static_cast<size_t>(frame.top + row) * m_width + frame.left) * 4;
        const uint8_t* in = frame.indices.data() + static_cast<size_t>(row) * frame.width;
        for (int x = 0; x < frame.width; ++x, out += 4) {
            const int index = in[x];
            // The transparent index, and indices beyond the table, leave the canvas showing.
            if (index == frame.transparentIndex || index >= static_cast<int>(frame.colours.size())) continue;
            const uint32_t colour = frame.colours[static_cast<size_t>(index)];
            out[0] = static_cast<uint8_t>(colour >> 16);
            out[1] = static_cast<uint8_t>(colour >> 8);
            out[2] = static_cast<uint8_t>(colour);
            out[3] = 255;
        }
    }
    m_out.frames.push_back({m_canvas, frame.delayCentiseconds * 10u});
    // After the frame has shown: its area cleared (as browsers do, to transparent) or the canvas put back.
    if (frame.disposal == kDisposePrevious) {
        m_canvas = before;
    } else if (frame.disposal == kDisposeBackground) {
        for (int row = 0; row < frame.height; ++row) {
            uint8_t* out = m_canvas.data() + (static_cast<size_t>(frame.top + row) * m_width + frame.left) * 4;
            std::memset(out, 0, static_cast<size_t>(frame.width) * 4);
        }
    }
    return !m_limits.firstFrameOnly;
}

bool GifCanvas::Finish() {
    if (m_out.frames.empty()) return Fail("the GIF holds no picture");
    return true;
}
