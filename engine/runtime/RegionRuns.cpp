#include "RegionRuns.h"

#include <cstring>

#include "FrameRectangle.h"
#include "IntegerConversion.h"
#include "Surface.h"

namespace {

// The runs of pixels that isShown accepts; rows equal to emptyRow (common) are skipped by one
// block compare.
template <class IsShown>
void BuildRuns(const Surface& surface, int32_t left, int32_t top, uint32_t emptyPixel, IsShown isShown,
               std::vector<RunRect>& runs) {
    runs.clear();
    const int width = surface.Width();
    const std::vector<uint32_t> emptyRow(static_cast<size_t>(width), emptyPixel);
    const size_t rowBytes = emptyRow.size() * sizeof(uint32_t);
    for (int row = 0; row < surface.Height(); ++row) {
        const uint32_t* pixels = surface.Row(row);
        if (rowBytes > 0 && std::memcmp(pixels, emptyRow.data(), rowBytes) == 0) continue;
        const int32_t y = SaturatingAdd(top, row);
        const int32_t yEnd = SaturatingAdd(y, 1);
        int column = 0;
        while (column < width) {
            while (column < width && !isShown(pixels[column])) ++column;
            if (column == width) break;
            const int runStart = column;
            while (column < width && isShown(pixels[column])) ++column;
            runs.push_back(RunRect{SaturatingAdd(left, runStart), y, SaturatingAdd(left, column), yEnd});
        }
    }
}

}  // namespace

void BuildRegionRuns(const Surface& surface, int32_t left, int32_t top, uint32_t keyColour, std::vector<RunRect>& runs) {
    const uint32_t key = keyColour & 0x00FFFFFFu;
    BuildRuns(surface, left, top, key, [key](uint32_t pixel) { return (pixel & 0x00FFFFFFu) != key; }, runs);
}

void BuildOpacityRuns(const Surface& surface, int32_t left, int32_t top, std::vector<RunRect>& runs) {
    BuildRuns(surface, left, top, 0u, [](uint32_t pixel) { return pixel >= 0x80000000u; }, runs);
}
