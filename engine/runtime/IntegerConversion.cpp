#include "IntegerConversion.h"

#include <cmath>
#include <limits>

int32_t TruncateToInt32(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kMax = std::numeric_limits<int32_t>::max();
    constexpr double kMin = std::numeric_limits<int32_t>::min();
    if (value >= kMax) return std::numeric_limits<int32_t>::max();
    if (value <= kMin) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);  // truncates toward zero
}

int32_t SaturatingAdd(int32_t a, int64_t b) {
    const int64_t sum = int64_t{a} + b;
    if (sum > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (sum < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(sum);
}
