#pragma once
// The scale of a character on its monitor: s = the window's DPI / 96, times the size the
// client chose in percent (100 unless it chose one). File pixel values (pictures, anchors,
// shifts, origins, the drawing area) become screen pixels through it.
#include <cstdint>

constexpr uint32_t kBaseDpi = 96;
constexpr uint32_t kWholePercent = 100;

class DisplayScale {
public:
    DisplayScale() = default;
    // A DPI of 0 (nothing known) counts as 96; values are kept within [24, 960] (s 0.25 to 10).
    static DisplayScale FromDpi(uint32_t dpi);
    // The same DPI at a size of percent, kept within [25, 400] and so that s stays within
    // [0.25, 10]: a picture never grows past ten times the file's pixels.
    DisplayScale AtPercent(uint32_t percent) const;

    uint32_t Dpi() const { return m_dpi; }
    uint32_t Percent() const { return m_percent; }
    bool IsUnit() const { return m_dpi == kBaseDpi && m_percent == kWholePercent; }
    double Factor() const { return static_cast<double>(m_dpi) * m_percent / (kBaseDpi * kWholePercent); }
    // A length of file pixels on screen, to the nearest pixel; exact at s = 1.
    int32_t Length(int32_t filePixels) const;
    // An offset (anchor, shift, origin) on screen; unchanged at s = 1.
    float Offset(float filePixels) const;

    // Both numbers in one 32-bit value, for a scale read and written from several threads.
    uint32_t Packed() const { return m_dpi | (m_percent << 16); }
    static DisplayScale FromPacked(uint32_t packed);

    friend bool operator==(DisplayScale a, DisplayScale b) { return a.m_dpi == b.m_dpi && a.m_percent == b.m_percent; }
    friend bool operator!=(DisplayScale a, DisplayScale b) { return !(a == b); }

private:
    DisplayScale(uint32_t dpi, uint32_t percent) : m_dpi(dpi), m_percent(percent) {}
    uint32_t m_dpi = kBaseDpi;
    uint32_t m_percent = kWholePercent;
};
