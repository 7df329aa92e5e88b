#pragma once
// Writing a looping animated GIF one frame at a time.
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

enum class GifDisposal { kKeep = 1, kClear = 2, kRestore = 3 };  // after the frame: leave, clear, put back

// One frame: a rectangle of the canvas in colour indices with its own colour table.
struct GifFrameImage {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> indices;   // width * height, top row first
    std::vector<uint32_t> colours;  // 0xRRGGBB, 1 to 256 entries
    int transparentIndex = -1;      // -1: none
    uint32_t delayCentiseconds = 10;
    GifDisposal disposal = GifDisposal::kKeep;
};

// A picture at (left, top) of the canvas whose rows, width indices each, are the indices.
inline GifFrameImage IndexedGifFrame(int left, int top, int width, std::vector<uint8_t> indices,
                                     std::vector<uint32_t> colours, uint32_t delayCentiseconds, GifDisposal disposal,
                                     int transparentIndex) {
    GifFrameImage frame;
    frame.left = left;
    frame.top = top;
    frame.width = width;
    frame.height = width > 0 ? static_cast<int>(indices.size()) / width : 0;
    frame.indices = std::move(indices);
    frame.colours = std::move(colours);
    frame.delayCentiseconds = delayCentiseconds;
    frame.disposal = disposal;
    frame.transparentIndex = transparentIndex;
    return frame;
}

class GifEncoder {
public:
    // A canvas of that size, played in a loop for ever.
    GifEncoder(int width, int height);
    GifEncoder(const GifEncoder&) = delete;
    GifEncoder& operator=(const GifEncoder&) = delete;
    ~GifEncoder();

    bool AddFrame(const GifFrameImage& frame);
    // The whole file; empty, with Error() saying why, after any failure.
    std::vector<uint8_t> Finish();
    const std::string& Error() const { return m_error; }

private:
    struct Output;
    std::unique_ptr<Output> m_output;
    std::string m_error;
};

// Up to maxColours representative colours (0xRRGGBB) for the colours and each colour's index
// among them, by giflib's median cut; false when that fails.
bool QuantizeColours(const std::vector<uint32_t>& colours, int maxColours, std::vector<uint8_t>& indices,
                     std::vector<uint32_t>& table);
