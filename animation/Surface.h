#pragma once
// A 32-bit BGRA pixel surface, top row first; pixels are 0x00RRGGBB in memory order B, G, R, X,
// or premultiplied 0xAARRGGBB where pictures with opacity are composed (PictureOpacity.h).
#include <cstddef>
#include <cstdint>
#include <vector>

class Surface {
public:
    Surface() = default;
    Surface(int width, int height, uint32_t fill = 0);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void Fill(uint32_t colour);
    uint32_t At(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
    void Set(int x, int y, uint32_t colour) { m_pixels[static_cast<size_t>(y) * m_width + x] = colour; }
    uint32_t* Row(int y) { return m_pixels.data() + static_cast<size_t>(y) * m_width; }
    const uint32_t* Row(int y) const { return m_pixels.data() + static_cast<size_t>(y) * m_width; }
    const std::vector<uint32_t>& Pixels() const { return m_pixels; }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<uint32_t> m_pixels;
};

constexpr uint32_t RgbColour(uint8_t r, uint8_t g, uint8_t b) {
    return (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) | b;
}
