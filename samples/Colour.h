#pragma once
// Colours: floating-point channels 0..255 while drawing, bytes at the end.
#include <algorithm>
#include <cstdint>

struct Colour {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

struct Rgb8 {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb8 x, Rgb8 y) { return x.r == y.r && x.g == y.g && x.b == y.b; }
    friend bool operator!=(Rgb8 x, Rgb8 y) { return !(x == y); }
};

// The background of every picture: the engine shows it as transparent.
constexpr Rgb8 kKeyColour{175, 175, 175};

constexpr Colour Mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
constexpr Colour Scaled(Colour c, float s) { return {c.r * s, c.g * s, c.b * s}; }
constexpr Colour ToColour(Rgb8 c) { return {float(c.r), float(c.g), float(c.b)}; }

inline uint8_t ToByte(float channel) {
    return static_cast<uint8_t>(std::clamp(channel + 0.5f, 0.0f, 255.0f));
}
inline Rgb8 ToRgb8(Colour c) { return {ToByte(c.r), ToByte(c.g), ToByte(c.b)}; }
