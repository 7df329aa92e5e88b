#include "DisplayScale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr uint32_t kLowestDpi = 24;
constexpr uint32_t kHighestDpi = 960;
constexpr uint32_t kLowestPercent = 25;
constexpr uint32_t kHighestPercent = 400;
}  // namespace

DisplayScale DisplayScale::FromDpi(uint32_t dpi) {
    if (dpi == 0) return DisplayScale{};
    return DisplayScale{std::clamp(dpi, kLowestDpi, kHighestDpi), kWholePercent};
}

// s = dpi x percent / 9600 within [0.25, 10]: the product within [2400, 96000]. The DPI is
// within [24, 960], so the bounds on the percent never cross.
DisplayScale DisplayScale::AtPercent(uint32_t percent) const {
    const uint32_t highest = std::min(kHighestPercent, kHighestDpi * kWholePercent / m_dpi);
    const uint32_t lowest = std::max(kLowestPercent, (kLowestDpi * kWholePercent + m_dpi - 1) / m_dpi);
    return DisplayScale{m_dpi, std::clamp(percent, lowest, highest)};
}

DisplayScale DisplayScale::FromPacked(uint32_t packed) {
    const DisplayScale dpiOnly = FromDpi(packed & 0xFFFFu);
    return dpiOnly.AtPercent(packed >> 16 == 0 ? kWholePercent : packed >> 16);
}

int32_t DisplayScale::Length(int32_t filePixels) const {
    if (IsUnit()) return filePixels;
    const double scaled = std::round(static_cast<double>(filePixels) * Factor());
    constexpr double kMax = std::numeric_limits<int32_t>::max();
    constexpr double kMin = std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(std::clamp(scaled, kMin, kMax));
}

float DisplayScale::Offset(float filePixels) const {
    if (IsUnit()) return filePixels;
    return static_cast<float>(static_cast<double>(filePixels) * Factor());
}
