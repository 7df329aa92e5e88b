#include "PictureScaling.h"

#include <algorithm>
#include <vector>

int32_t NearestSourceIndex(int32_t dst, int32_t sourceLength, int32_t scaledLength) {
    if (sourceLength <= 0 || scaledLength <= 0) return 0;
    // (2 dst + 1) * source / (2 * scaled): the centre's position in whole numbers, no rounding drift.
    const int64_t index = (2 * int64_t{dst} + 1) * sourceLength / (2 * int64_t{scaledLength});
    return static_cast<int32_t>(std::clamp<int64_t>(index, 0, sourceLength - 1));
}

int32_t SourceSpan(int32_t sourceLength, DisplayScale scale, int32_t maxLength) {
    const int32_t scaled = scale.Length(sourceLength);
    const int32_t shown = std::min(scaled, maxLength);
    if (sourceLength <= 0 || shown <= 0) return 0;
    return NearestSourceIndex(shown - 1, sourceLength, scaled) + 1;
}

Surface ScaleNearest(const Surface& source, DisplayScale scale, int32_t maxWidth, int32_t maxHeight) {
    return ScaleNearestPart(source, source.Width(), source.Height(), scale, maxWidth, maxHeight);
}

Surface ScaleNearestPart(const Surface& part, int32_t sourceWidth, int32_t sourceHeight, DisplayScale scale,
                         int32_t maxWidth, int32_t maxHeight) {
    const int32_t fullWidth = scale.Length(sourceWidth);
    const int32_t fullHeight = scale.Length(sourceHeight);
    const int32_t width = std::min(fullWidth, maxWidth);
    const int32_t height = std::min(fullHeight, maxHeight);
    if (width <= 0 || height <= 0 || part.Width() <= 0 || part.Height() <= 0) return Surface(0, 0);
    Surface scaled(width, height);
    // A part smaller than the span repeats its last column or row rather than reading past it.
    const auto column = [&](int32_t x) { return std::min(NearestSourceIndex(x, sourceWidth, fullWidth), part.Width() - 1); };
    std::vector<int32_t> columns(static_cast<size_t>(width));
    for (int32_t x = 0; x < width; ++x) columns[static_cast<size_t>(x)] = column(x);
    int32_t previousRow = -1;
    for (int32_t y = 0; y < height; ++y) {
        const int32_t sourceRow = std::min(NearestSourceIndex(y, sourceHeight, fullHeight), part.Height() - 1);
        uint32_t* out = scaled.Row(y);
        if (sourceRow == previousRow) {
            std::copy(scaled.Row(y - 1), scaled.Row(y - 1) + width, out);
            continue;
        }
        const uint32_t* in = part.Row(sourceRow);
        for (int32_t x = 0; x < width; ++x) out[x] = in[columns[static_cast<size_t>(x)]];
        previousRow = sourceRow;
    }
    return scaled;
}
