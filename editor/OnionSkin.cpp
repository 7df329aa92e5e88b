#include "OnionSkin.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "CFrame.h"
#include "DibPixelReader.h"
#include "PictureDecoder.h"

namespace {

constexpr uint32_t kKeyColour = 0xAFAFAF;

int TruncateToClient(double value) {
    constexpr double kLowest = std::numeric_limits<int>::min();
    constexpr double kHighest = std::numeric_limits<int>::max();
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::clamp(std::trunc(value), kLowest, kHighest));
}

uint8_t Faded(uint32_t channel) { return static_cast<uint8_t>(255 - (255 - channel) / 3); }

}  // namespace

std::optional<size_t> OnionNeighbour(size_t frameCount, size_t current, OnionSide side) {
    if (frameCount < 2 || current >= frameCount) return std::nullopt;
    if (side == OnionSide::Previous) return current == 0 ? frameCount - 1 : current - 1;
    return current + 1 == frameCount ? 0 : current + 1;
}

PicturePosition OnionPosition(const CFrame& current, const CFrame& neighbour, OnionSide side, int clientWidth,
                              int clientHeight, int zoom) {
    const PicturePosition corner = CentredPicture(current, clientWidth, clientHeight, zoom);
    // Where the neighbour's anchor goes, in picture pixels of the current frame.
    const PointF step = side == OnionSide::Previous ? neighbour.shift : current.shift;
    const double sign = side == OnionSide::Previous ? -1.0 : 1.0;
    const double x = double{current.anchor.x} + sign * double{step.x} - double{neighbour.anchor.x};
    const double y = double{current.anchor.y} + sign * double{step.y} - double{neighbour.anchor.y};
    return {TruncateToClient(corner.x + x * zoom), TruncateToClient(corner.y + y * zoom)};
}

CBryDIB FadedPicture(const CBryDIB& picture) {
    const DibPixelReader reader(picture.Block());
    if (picture.IsEmpty() || !reader.Readable()) return CBryDIB();
    const int width = reader.Width();
    const int rows = reader.Rows();
    const bool opacity = picture.HasOpacity();
    const size_t channels = opacity ? 4 : 3;
    std::vector<uint32_t> row(static_cast<size_t>(width));
    std::vector<uint8_t> pixels;
    pixels.reserve(static_cast<size_t>(width) * static_cast<size_t>(rows) * channels);
    for (int y = 0; y < rows; ++y) {
        reader.ReadRow(y, 0, width, row.data());
        for (const uint32_t pixel : row) {
            const bool clear = opacity ? (pixel >> 24) == 0 : (pixel & 0xFFFFFFu) == kKeyColour;
            uint8_t r = 0xAF, g = 0xAF, b = 0xAF;
            if (!clear) {
                r = Faded((pixel >> 16) & 0xFF);
                g = Faded((pixel >> 8) & 0xFF);
                b = Faded(pixel & 0xFF);
                if (r == 0xAF && g == 0xAF && b == 0xAF) b = 0xB0;  // would vanish as the key colour
            }
            pixels.insert(pixels.end(), {r, g, b});
            if (opacity) pixels.push_back(static_cast<uint8_t>(pixel >> 24));
        }
    }
    return CBryDIB(DibFromPixels(pixels.data(), width, rows, static_cast<int>(channels)));
}
