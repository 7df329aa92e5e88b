#pragma once
#include <cstdint>

// Where the current frame picture lies on the screen; right and bottom are exclusive.
struct FrameRectangle {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    friend bool operator==(const FrameRectangle& a, const FrameRectangle& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};
