#include "PremultipliedScaling.h"

#include <algorithm>
#include <vector>

#include "PictureScaling.h"

namespace {

// One source pixel's share of an output pixel.
struct Tap {
    int32_t index;
    uint32_t weight;
};

// The taps of every output pixel along one axis. In units where a source pixel is scaled long
// and an output pixel source long, output d covers [d * source, (d + 1) * source) and source
// pixel i covers [i * scaled, (i + 1) * scaled): whole-number overlaps summing to source.
class AxisTaps {
public:
    AxisTaps(int32_t sourceLength, int32_t scaledLength, int32_t outLength, int32_t partLength) {
        const int64_t source = sourceLength;
        const int64_t scaled = scaledLength;
        m_first.reserve(static_cast<size_t>(outLength) + 1);
        for (int64_t d = 0; d < outLength; ++d) {
            m_first.push_back(m_taps.size());
            const int64_t begin = d * source;
            const int64_t end = begin + source;
            for (int64_t i = begin / scaled; i * scaled < end; ++i) {
                const int64_t overlap = std::min(end, (i + 1) * scaled) - std::max(begin, i * scaled);
                const auto index = static_cast<int32_t>(std::min<int64_t>(i, partLength - 1));
                m_taps.push_back(Tap{index, static_cast<uint32_t>(overlap)});
            }
        }
        m_first.push_back(m_taps.size());
    }
    const Tap* Begin(int32_t d) const { return m_taps.data() + m_first[static_cast<size_t>(d)]; }
    const Tap* End(int32_t d) const { return m_taps.data() + m_first[static_cast<size_t>(d) + 1]; }

private:
    std::vector<size_t> m_first;
    std::vector<Tap> m_taps;
};

bool IsWholeEnlargement(int32_t sourceLength, int32_t scaledLength) {
    return sourceLength > 0 && scaledLength >= sourceLength && scaledLength % sourceLength == 0;
}

uint32_t AveragePixel(const Surface& part, const Tap* rowsBegin, const Tap* rowsEnd, const Tap* columnsBegin,
                      const Tap* columnsEnd, uint64_t total) {
    uint64_t sums[4] = {0, 0, 0, 0};
    for (const Tap* row = rowsBegin; row != rowsEnd; ++row) {
        const uint32_t* in = part.Row(row->index);
        for (const Tap* column = columnsBegin; column != columnsEnd; ++column) {
            const uint64_t weight = uint64_t{row->weight} * column->weight;
            const uint32_t pixel = in[column->index];
            for (int c = 0; c < 4; ++c) sums[c] += ((pixel >> (8 * c)) & 0xFF) * weight;
        }
    }
    uint32_t result = 0;
    for (int c = 0; c < 4; ++c) result |= static_cast<uint32_t>((sums[c] + total / 2) / total) << (8 * c);
    return result;
}

}  // namespace

int32_t AreaSourceSpan(int32_t sourceLength, DisplayScale scale, int32_t maxLength) {
    const int32_t scaled = scale.Length(sourceLength);
    const int32_t shown = std::min(scaled, maxLength);
    if (sourceLength <= 0 || shown <= 0) return 0;
    // The last output pixel ends at shown * source / scaled, rounded up.
    const int64_t end = (int64_t{shown} * sourceLength + scaled - 1) / scaled;
    return static_cast<int32_t>(std::min<int64_t>(end, sourceLength));
}

Surface ScaleAreaAveragePart(const Surface& part, int32_t sourceWidth, int32_t sourceHeight, DisplayScale scale,
                             int32_t maxWidth, int32_t maxHeight) {
    const int32_t fullWidth = scale.Length(sourceWidth);
    const int32_t fullHeight = scale.Length(sourceHeight);
    if (IsWholeEnlargement(sourceWidth, fullWidth) && IsWholeEnlargement(sourceHeight, fullHeight))
        return ScaleNearestPart(part, sourceWidth, sourceHeight, scale, maxWidth, maxHeight);
    const int32_t width = std::min(fullWidth, maxWidth);
    const int32_t height = std::min(fullHeight, maxHeight);
    if (width <= 0 || height <= 0 || part.Width() <= 0 || part.Height() <= 0) return Surface(0, 0);
    const AxisTaps columns(sourceWidth, fullWidth, width, part.Width());
    const AxisTaps rows(sourceHeight, fullHeight, height, part.Height());
    const uint64_t total = uint64_t{static_cast<uint32_t>(sourceWidth)} * static_cast<uint32_t>(sourceHeight);
    Surface scaled(width, height);
    for (int32_t y = 0; y < height; ++y) {
        uint32_t* out = scaled.Row(y);
        for (int32_t x = 0; x < width; ++x)
            out[x] = AveragePixel(part, rows.Begin(y), rows.End(y), columns.Begin(x), columns.End(x), total);
    }
    return scaled;
}
