#pragma once
#include <cstdint>

// Where the current frame picture lies on the screen; right and bottom are exclusive.
struct FrameRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    friend bool operator==(const FrameRect& a, const FrameRect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};

// Float to integer by truncation toward zero, saturating at the 32-bit limits; NaN gives 0.
// Positions come from files and clients, so no value may make the conversion undefined.
int32_t TruncateToInt32(double value);
// a + b saturated to the 32-bit range.
int32_t SaturatingAdd(int32_t a, int64_t b);
