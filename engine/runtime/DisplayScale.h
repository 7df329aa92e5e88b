#pragma once
// The scale of a character on its monitor: s = the window's DPI / 96. File pixel values
// (pictures, anchors, shifts, origins, the drawing area) become screen pixels through it.
#include <cstdint>

constexpr uint32_t kBaseDpi = 96;

class DisplayScale {
public:
    DisplayScale() = default;
    // A DPI of 0 (nothing known) counts as 96; values are kept within [24, 960] (s 0.25 to 10).
    static DisplayScale FromDpi(uint32_t dpi);

    uint32_t Dpi() const { return m_dpi; }
    bool IsUnit() const { return m_dpi == kBaseDpi; }
    double Factor() const { return static_cast<double>(m_dpi) / kBaseDpi; }
    // A length of file pixels on screen, to the nearest pixel; exact at s = 1.
    int32_t Length(int32_t filePixels) const;
    // An offset (anchor, shift, origin) on screen; unchanged at s = 1.
    float Offset(float filePixels) const;

    friend bool operator==(DisplayScale a, DisplayScale b) { return a.m_dpi == b.m_dpi; }
    friend bool operator!=(DisplayScale a, DisplayScale b) { return a.m_dpi != b.m_dpi; }

private:
    explicit DisplayScale(uint32_t dpi) : m_dpi(dpi) {}
    uint32_t m_dpi = kBaseDpi;
};
