#include "RegionRuns.h"

#include <cstring>

#include "FrameRectangle.h"
#include "IntegerConversion.h"
#include "Surface.h"

void BuildRegionRuns(const Surface& surface, int32_t left, int32_t top, uint32_t keyColour, std::vector<RunRect>& runs) {
    runs.clear();
    const int width = surface.Width();
    const uint32_t key = keyColour & 0x00FFFFFFu;
    // Rows of nothing but the key colour are common; one block compare skips them.
    const std::vector<uint32_t> keyRow(static_cast<size_t>(width), key);
    const size_t rowBytes = keyRow.size() * sizeof(uint32_t);
    for (int row = 0; row < surface.Height(); ++row) {
        const uint32_t* pixels = surface.Row(row);
        if (rowBytes > 0 && std::memcmp(pixels, keyRow.data(), rowBytes) == 0) continue;
        const int32_t y = SaturatingAdd(top, row);
        const int32_t yEnd = SaturatingAdd(y, 1);
        int column = 0;
        while (column < width) {
            while (column < width && (pixels[column] & 0x00FFFFFFu) == key) ++column;
            if (column == width) break;
            const int runStart = column;
            while (column < width && (pixels[column] & 0x00FFFFFFu) != key) ++column;
            runs.push_back(RunRect{SaturatingAdd(left, runStart), y, SaturatingAdd(left, column), yEnd});
        }
    }
}
