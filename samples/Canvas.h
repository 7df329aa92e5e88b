#pragma once
// A small RGB raster for drawing a character on the key-coloured background.
// Shapes are sampled 4 x 4 times per pixel. Inside the character, edges blend smoothly;
// against the background they are never blended, so the silhouette holds no mixture
// with the key colour and the engine's transparency cuts it out cleanly.
#include <cstdint>
#include <vector>

#include "Colour.h"
#include "Paint.h"
#include "Shape.h"

// How a fill treats the pixels nothing has painted yet.
enum class Blend {
    Normal,  // an unpainted pixel takes the paint when at least half of it is covered
    Inside,  // unpainted pixels stay background: details and highlights never leave the character
};

class Canvas {
public:
    Canvas(int width, int height, Rgb8 background = kKeyColour);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    Rgb8 Background() const { return m_background; }
    Rgb8 At(int x, int y) const;
    bool IsPainted(int x, int y) const { return m_painted[Index(x, y)] != 0; }

    // Paints the pixels the shape covers. Opacity below 1 lets earlier paint show through;
    // the background never does, so on unpainted pixels the paint is laid whole.
    void Fill(const Shape& shape, const Paint& paint, Blend blend = Blend::Normal, float opacity = 1.0f);
    // Paints the shape grown by width: an outline once the shape itself is filled over it.
    void Outline(const Shape& shape, float width, Colour colour);
    void FillOutlined(const Shape& shape, const Paint& paint, float outlineWidth, Colour outline);
    // A line of the given width through the points, with round joins and ends.
    void Stroke(const std::vector<Vec2>& points, float width, Colour colour, Blend blend = Blend::Normal);

    // Paints background pockets that no path of background pixels (diagonal steps included)
    // joins to the border: gaps between touching shapes that would let the desktop show through as dots.
    void FillEnclosedGaps(Colour colour);
    void MirrorHorizontally();
    // Top-down RGB bytes. A painted pixel that comes out exactly the key colour is nudged off it,
    // so that nothing inside the character turns transparent.
    std::vector<uint8_t> RgbBytes() const;

private:
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * static_cast<size_t>(m_width) + x; }
    void Cover(const Shape& shape, float grow, const Paint& paint, Blend blend, float opacity);
    void CoverPixel(int x, int y, float coverage, Colour colour, Blend blend, float opacity);

    int m_width;
    int m_height;
    Rgb8 m_background;
    std::vector<Colour> m_pixels;
    std::vector<uint8_t> m_painted;
};
