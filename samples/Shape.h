#pragma once
// Filled shapes the canvas rasterises. Each can be grown outwards by a distance,
// which is how outlines are drawn: the grown shape in the outline colour, the shape over it.
#include <vector>

#include "Geometry.h"

struct Box {
    float left = 0.0f, top = 0.0f, right = 0.0f, bottom = 0.0f;
};

class Shape {
public:
    virtual ~Shape() = default;
    virtual bool Contains(Vec2 p, float grow) const = 0;
    virtual Box Bounds(float grow) const = 0;
};

// An ellipse turned by angle radians about its centre.
class Ellipse : public Shape {
public:
    Ellipse(Vec2 centre, Vec2 radii, float angle = 0.0f) : m_centre(centre), m_radii(radii), m_angle(angle) {}
    bool Contains(Vec2 p, float grow) const override;
    Box Bounds(float grow) const override;

private:
    Vec2 m_centre, m_radii;
    float m_angle;
};

// A thick segment with round ends whose radius changes linearly from a to b (limbs, tails).
class Capsule : public Shape {
public:
    Capsule(Vec2 a, Vec2 b, float radiusA, float radiusB) : m_a(a), m_b(b), m_radiusA(radiusA), m_radiusB(radiusB) {}
    Capsule(Vec2 a, Vec2 b, float radius) : Capsule(a, b, radius, radius) {}
    bool Contains(Vec2 p, float grow) const override;
    Box Bounds(float grow) const override;

private:
    Vec2 m_a, m_b;
    float m_radiusA, m_radiusB;
};

// A polygon filled by the even-odd rule; growing adds a band around its edges.
class Polygon : public Shape {
public:
    explicit Polygon(std::vector<Vec2> points) : m_points(std::move(points)) {}
    bool Contains(Vec2 p, float grow) const override;
    Box Bounds(float grow) const override;

private:
    bool ContainsPoint(Vec2 p) const;
    std::vector<Vec2> m_points;
};

// Fraction of pixel (x, y) that the grown shape covers, sampled 4 x 4 times.
float CoveredFraction(const Shape& shape, float grow, int x, int y);
float DistanceToSegment(Vec2 p, Vec2 a, Vec2 b);
// Points along a quadratic Bezier curve, ends included.
std::vector<Vec2> QuadraticCurve(Vec2 from, Vec2 control, Vec2 to, int segments);
