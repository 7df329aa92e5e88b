#include "Canvas.h"

#include <algorithm>
#include <cmath>

Canvas::Canvas(int width, int height, Rgb8 background)
    : m_width(std::max(width, 0)),
      m_height(std::max(height, 0)),
      m_background(background),
      m_pixels(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), ToColour(background)),
      m_painted(m_pixels.size(), 0) {}

Rgb8 Canvas::At(int x, int y) const { return IsPainted(x, y) ? ToRgb8(m_pixels[Index(x, y)]) : m_background; }

void Canvas::Fill(const Shape& shape, const Paint& paint, Blend blend, float opacity) {
    Cover(shape, 0.0f, paint, blend, opacity);
}

void Canvas::Outline(const Shape& shape, float width, Colour colour) {
    Cover(shape, width, Flat(colour), Blend::Normal, 1.0f);
}

void Canvas::FillOutlined(const Shape& shape, const Paint& paint, float outlineWidth, Colour outline) {
    Outline(shape, outlineWidth, outline);
    Fill(shape, paint);
}

void Canvas::Stroke(const std::vector<Vec2>& points, float width, Colour colour, Blend blend) {
    const Paint paint = Flat(colour);
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        Cover(Capsule(points[i], points[i + 1], width / 2), 0.0f, paint, blend, 1.0f);
    }
}

void Canvas::Cover(const Shape& shape, float grow, const Paint& paint, Blend blend, float opacity) {
    const Box box = shape.Bounds(grow);
    // Only pixels both on the canvas and near the shape are sampled.
    const int left = std::max(0, static_cast<int>(std::floor(box.left)));
    const int top = std::max(0, static_cast<int>(std::floor(box.top)));
    const int right = std::min(m_width - 1, static_cast<int>(std::ceil(box.right)));
    const int bottom = std::min(m_height - 1, static_cast<int>(std::ceil(box.bottom)));
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const float coverage = CoveredFraction(shape, grow, x, y);
            if (coverage > 0.0f) CoverPixel(x, y, coverage, paint({x + 0.5f, y + 0.5f}), blend, opacity);
        }
    }
}

void Canvas::CoverPixel(int x, int y, float coverage, Colour colour, Blend blend, float opacity) {
    const size_t index = Index(x, y);
    if (m_painted[index] != 0) {
        m_pixels[index] = Mix(m_pixels[index], colour, coverage * opacity);
    } else if (blend == Blend::Normal && coverage >= 0.5f) {
        // The silhouette: taken whole, never mixed with the background.
        m_pixels[index] = colour;
        m_painted[index] = 1;
    }
}

void Canvas::FillEnclosedGaps(Colour colour) {
    std::vector<uint8_t> open(m_painted.size(), 0);
    std::vector<std::pair<int, int>> pending;
    auto reach = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
        const size_t index = Index(x, y);
        if (open[index] != 0 || m_painted[index] != 0) return;
        open[index] = 1;
        pending.emplace_back(x, y);
    };
    for (int x = 0; x < m_width; ++x) reach(x, 0), reach(x, m_height - 1);
    for (int y = 0; y < m_height; ++y) reach(0, y), reach(m_width - 1, y);
    while (!pending.empty()) {
        const auto [x, y] = pending.back();
        pending.pop_back();
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) reach(x + dx, y + dy);
        }
    }
    for (size_t i = 0; i < m_painted.size(); ++i) {
        if (m_painted[i] == 0 && open[i] == 0) m_pixels[i] = colour, m_painted[i] = 1;
    }
}

void Canvas::MirrorHorizontally() {
    for (int y = 0; y < m_height; ++y) {
        std::reverse(m_pixels.begin() + static_cast<std::ptrdiff_t>(Index(0, y)),
                     m_pixels.begin() + static_cast<std::ptrdiff_t>(Index(0, y) + m_width));
        std::reverse(m_painted.begin() + static_cast<std::ptrdiff_t>(Index(0, y)),
                     m_painted.begin() + static_cast<std::ptrdiff_t>(Index(0, y) + m_width));
    }
}

std::vector<uint8_t> Canvas::RgbBytes() const {
    std::vector<uint8_t> bytes;
    bytes.reserve(m_pixels.size() * 3);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            Rgb8 c = At(x, y);
            if (IsPainted(x, y) && c == m_background) c.r = static_cast<uint8_t>(c.r < 255 ? c.r + 1 : c.r - 1);
            bytes.insert(bytes.end(), {c.r, c.g, c.b});
        }
    }
    return bytes;
}
