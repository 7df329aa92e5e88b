#include "DisplayScale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr uint32_t kLowestDpi = 24;
constexpr uint32_t kHighestDpi = 960;
}  // namespace

DisplayScale DisplayScale::FromDpi(uint32_t dpi) {
    if (dpi == 0) return DisplayScale{};
    return DisplayScale{std::clamp(dpi, kLowestDpi, kHighestDpi)};
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
