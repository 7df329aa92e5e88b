#include "PictureScaling.h"

#include <algorithm>
#include <vector>

int32_t NearestSourceIndex(int32_t dst, int32_t sourceLength, int32_t scaledLength) {
    if (sourceLength <= 0 || scaledLength <= 0) return 0;
    // (2 dst + 1) * source / (2 * scaled): the centre's position in whole numbers, no rounding drift.
    const int64_t index = (2 * int64_t{dst} + 1) * sourceLength / (2 * int64_t{scaledLength});
    return static_cast<int32_t>(std::clamp<int64_t>(index, 0, sourceLength - 1));
}

Surface ScaleNearest(const Surface& source, DisplayScale scale, int32_t maxWidth, int32_t maxHeight) {
    const int32_t fullWidth = scale.Length(source.Width());
    const int32_t fullHeight = scale.Length(source.Height());
    const int32_t width = std::min(fullWidth, maxWidth);
    const int32_t height = std::min(fullHeight, maxHeight);
    Surface scaled(width, height);
    if (width <= 0 || height <= 0 || source.Width() <= 0 || source.Height() <= 0) return scaled;
    std::vector<int32_t> columns(static_cast<size_t>(width));
    for (int32_t x = 0; x < width; ++x) columns[static_cast<size_t>(x)] = NearestSourceIndex(x, source.Width(), fullWidth);
    int32_t previousRow = -1;
    for (int32_t y = 0; y < height; ++y) {
        const int32_t sourceRow = NearestSourceIndex(y, source.Height(), fullHeight);
        uint32_t* out = scaled.Row(y);
        if (sourceRow == previousRow) {
            std::copy(scaled.Row(y - 1), scaled.Row(y - 1) + width, out);
            continue;
        }
        const uint32_t* in = source.Row(sourceRow);
        for (int32_t x = 0; x < width; ++x) out[x] = in[columns[static_cast<size_t>(x)]];
        previousRow = sourceRow;
    }
    return scaled;
}
