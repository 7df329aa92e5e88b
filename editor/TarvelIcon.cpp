#include "TarvelIcon.h"

#include <algorithm>
#include <cmath>

namespace {

struct Colour {
    float r, g, b, a;
};

constexpr int kSamples = 4;  // per axis, for smooth edges

bool InCircle(float x, float y, float cx, float cy, float radius) {
    const float dx = x - cx;
    const float dy = y - cy;
    return dx * dx + dy * dy <= radius * radius;
}

// The icon's colour at a point of the unit square (0..1 on both axes, y downward).
Colour ShapeAt(float x, float y) {
    // Pencil: a slanted bar at the lower right ending in a wooden tip with a dark point.
    const float along = (x + y) * 0.7071f;
    const float across = std::fabs(x - y) * 0.7071f;
    if (along > 0.95f && along < 1.18f && across < 0.075f) return {0.15f, 0.45f, 0.85f, 1};
    if (along >= 1.18f && along < 1.34f && across < 0.075f * (1.34f - along) / 0.16f)
        return along > 1.29f ? Colour{0.1f, 0.1f, 0.1f, 1} : Colour{0.93f, 0.8f, 0.6f, 1};
    if (!InCircle(x, y, 0.45f, 0.45f, 0.42f)) return {0, 0, 0, 0};
    if (!InCircle(x, y, 0.45f, 0.45f, 0.37f)) return {0.55f, 0.25f, 0.05f, 1};  // outline
    if (InCircle(x, y, 0.32f, 0.36f, 0.06f) || InCircle(x, y, 0.58f, 0.36f, 0.06f)) return {0.1f, 0.1f, 0.1f, 1};
    const bool smile = InCircle(x, y, 0.45f, 0.50f, 0.2f) && !InCircle(x, y, 0.45f, 0.47f, 0.2f) && y > 0.55f;
    if (smile) return {0.35f, 0.1f, 0.05f, 1};
    if (InCircle(x, y, 0.33f, 0.22f, 0.08f)) return {1.0f, 0.92f, 0.75f, 1};  // highlight
    return {0.98f, 0.62f, 0.15f, 1};
}

uint32_t Pack(const Colour& c) {
    const auto channel = [](float v) { return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255)); };
    return channel(c.a) << 24 | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
}

void PutU16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

size_t MaskStride(int size) { return static_cast<size_t>((size + 31) / 32 * 4); }

// BITMAPINFOHEADER (double height: colour rows then mask rows), BGRA rows bottom-up, mask.
std::vector<uint8_t> IconResource(const IconImage& image) {
    const int n = image.size;
    std::vector<uint8_t> out;
    const uint32_t colourBytes = static_cast<uint32_t>(n * n * 4);
    const uint32_t maskBytes = static_cast<uint32_t>(MaskStride(n) * static_cast<size_t>(n));
    PutU32(out, 40);
    PutU32(out, static_cast<uint32_t>(n));
    PutU32(out, static_cast<uint32_t>(2 * n));
    PutU16(out, 1);
    PutU16(out, 32);
    PutU32(out, 0);
    PutU32(out, colourBytes + maskBytes);
    for (int i = 0; i < 4; ++i) PutU32(out, 0);
    for (int y = n - 1; y >= 0; --y) {
        for (int x = 0; x < n; ++x) PutU32(out, image.argb[static_cast<size_t>(y * n + x)]);
    }
    for (int y = n - 1; y >= 0; --y) {
        std::vector<uint8_t> row(MaskStride(n), 0);
        for (int x = 0; x < n; ++x) {
            if ((image.argb[static_cast<size_t>(y * n + x)] >> 24) == 0) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

IconImage DrawTarvelIcon(int size) {
    IconImage image;
    image.size = size;
    image.argb.resize(static_cast<size_t>(size * size));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Colour sum{0, 0, 0, 0};
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Colour c = ShapeAt((x + (sx + 0.5f) / kSamples) / static_cast<float>(size),
                                             (y + (sy + 0.5f) / kSamples) / static_cast<float>(size));
                    sum = {sum.r + c.r * c.a, sum.g + c.g * c.a, sum.b + c.b * c.a, sum.a + c.a};
                }
            }
            Colour pixel{0, 0, 0, sum.a / (kSamples * kSamples)};
            if (sum.a > 0) pixel = {sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, pixel.a};
            image.argb[static_cast<size_t>(y * size + x)] = Pack(pixel);
        }
    }
    return image;
}

std::vector<uint8_t> TarvelIconFile() {
    const int sizes[] = {32, 16};
    std::vector<std::vector<uint8_t>> resources;
    for (int size : sizes) resources.push_back(IconResource(DrawTarvelIcon(size)));
    std::vector<uint8_t> out;
    PutU16(out, 0);
    PutU16(out, 1);
    PutU16(out, static_cast<uint32_t>(resources.size()));
    uint32_t offset = static_cast<uint32_t>(6 + 16 * resources.size());
    for (size_t i = 0; i < resources.size(); ++i) {
        out.push_back(static_cast<uint8_t>(sizes[i]));
        out.push_back(static_cast<uint8_t>(sizes[i]));
        out.push_back(0);
        out.push_back(0);
        PutU16(out, 1);
        PutU16(out, 32);
        PutU32(out, static_cast<uint32_t>(resources[i].size()));
        PutU32(out, offset);
        offset += static_cast<uint32_t>(resources[i].size());
    }
    for (const auto& resource : resources) out.insert(out.end(), resource.begin(), resource.end());
    return out;
}
