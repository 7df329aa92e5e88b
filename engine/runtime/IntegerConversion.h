#pragma once
// Conversions to screen integers that no value from a file or a client can make undefined.
#include <cstdint>

// Float to integer by truncation toward zero, saturating at the 32-bit limits; NaN gives 0.
int32_t TruncateToInt32(double value);
// a + b saturated to the 32-bit range.
int32_t SaturatingAdd(int32_t a, int64_t b);
