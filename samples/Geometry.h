#pragma once
// Plane vectors and the few operations the drawings need (y grows downwards).
#include <cmath>

struct Vec2 {
    float x = 0.0f;
    float y = 0.0f;
};

constexpr Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
constexpr Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
constexpr Vec2 operator*(Vec2 a, float s) { return {a.x * s, a.y * s}; }
constexpr float Dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
inline float Length(Vec2 a) { return std::sqrt(Dot(a, a)); }
constexpr Vec2 Lerp(Vec2 a, Vec2 b, float t) { return a + (b - a) * t; }

// Rotates by angle radians; positive turns +x towards +y (clockwise on screen).
inline Vec2 Rotate(Vec2 v, float angle) {
    const float c = std::cos(angle), s = std::sin(angle);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

// The unit vector a limb points along: angle 0 hangs straight down, positive swings towards +x.
inline Vec2 LimbDirection(float angle) { return {std::sin(angle), std::cos(angle)}; }

constexpr float kPi = 3.14159265358979f;
