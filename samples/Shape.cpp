#include "Shape.h"

#include <algorithm>

namespace {

// Where p falls along segment ab, clamped to its ends (0 at a, 1 at b).
float SegmentParameter(Vec2 p, Vec2 a, Vec2 b) {
    const Vec2 ab = b - a;
    const float lengthSquared = Dot(ab, ab);
    if (lengthSquared <= 0.0f) return 0.0f;
    return std::clamp(Dot(p - a, ab) / lengthSquared, 0.0f, 1.0f);
}

}  // namespace

float DistanceToSegment(Vec2 p, Vec2 a, Vec2 b) { return Length(p - Lerp(a, b, SegmentParameter(p, a, b))); }

bool Ellipse::Contains(Vec2 p, float grow) const {
    const Vec2 local = Rotate(p - m_centre, -m_angle);
    const float rx = m_radii.x + grow, ry = m_radii.y + grow;
    if (rx <= 0.0f || ry <= 0.0f) return false;
    const float u = local.x / rx, v = local.y / ry;
    return u * u + v * v <= 1.0f;
}

Box Ellipse::Bounds(float grow) const {
    // The turned ellipse's extent along each axis.
    const float rx = m_radii.x + grow, ry = m_radii.y + grow;
    const float c = std::cos(m_angle), s = std::sin(m_angle);
    const float halfWidth = std::sqrt(rx * rx * c * c + ry * ry * s * s);
    const float halfHeight = std::sqrt(rx * rx * s * s + ry * ry * c * c);
    return {m_centre.x - halfWidth, m_centre.y - halfHeight, m_centre.x + halfWidth, m_centre.y + halfHeight};
}

bool Capsule::Contains(Vec2 p, float grow) const {
    const float t = SegmentParameter(p, m_a, m_b);
    const float radius = m_radiusA + (m_radiusB - m_radiusA) * t + grow;
    return Length(p - Lerp(m_a, m_b, t)) <= radius;
}

Box Capsule::Bounds(float grow) const {
    const float r = std::max(m_radiusA, m_radiusB) + grow;
    return {std::min(m_a.x, m_b.x) - r, std::min(m_a.y, m_b.y) - r, std::max(m_a.x, m_b.x) + r,
            std::max(m_a.y, m_b.y) + r};
}

bool Polygon::ContainsPoint(Vec2 p) const {
    bool inside = false;
    for (size_t i = 0, j = m_points.size() - 1; i < m_points.size(); j = i++) {
        const Vec2 a = m_points[i], b = m_points[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}

bool Polygon::Contains(Vec2 p, float grow) const {
    if (m_points.size() < 3) return false;
    if (ContainsPoint(p)) return true;
    if (grow <= 0.0f) return false;
    for (size_t i = 0, j = m_points.size() - 1; i < m_points.size(); j = i++) {
        if (DistanceToSegment(p, m_points[i], m_points[j]) <= grow) return true;
    }
    return false;
}

Box Polygon::Bounds(float grow) const {
    if (m_points.empty()) return {};
    Box box{m_points[0].x, m_points[0].y, m_points[0].x, m_points[0].y};
    for (const Vec2 p : m_points) {
        box = {std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x), std::max(box.bottom, p.y)};
    }
    return {box.left - grow, box.top - grow, box.right + grow, box.bottom + grow};
}

std::vector<Vec2> QuadraticCurve(Vec2 from, Vec2 control, Vec2 to, int segments) {
    std::vector<Vec2> points;
    for (int i = 0; i <= segments; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(segments);
        points.push_back(Lerp(Lerp(from, control, t), Lerp(control, to, t), t));
    }
    return points;
}

float CoveredFraction(const Shape& shape, float grow, int x, int y) {
    constexpr int kSamplesPerAxis = 4;
    constexpr float kSampleWeight = 1.0f / (kSamplesPerAxis * kSamplesPerAxis);
    int inside = 0;
    for (int j = 0; j < kSamplesPerAxis; ++j) {
        for (int i = 0; i < kSamplesPerAxis; ++i) {
            const Vec2 p{x + (i + 0.5f) / kSamplesPerAxis, y + (j + 0.5f) / kSamplesPerAxis};
            if (shape.Contains(p, grow)) ++inside;
        }
    }
    return static_cast<float>(inside) * kSampleWeight;
}
