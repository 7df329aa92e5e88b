#include "ControlColumnLayout.h"

#include <algorithm>

int ScaledForDpi(int pixels, unsigned dpi) {
    return static_cast<int>((static_cast<long long>(pixels) * dpi + 48) / 96);
}

int RescaledForDpi(int pixels, unsigned oldDpi, unsigned newDpi) {
    if (oldDpi == 0 || newDpi == 0) return pixels;
    return static_cast<int>((static_cast<long long>(pixels) * newDpi + oldDpi / 2) / oldDpi);
}

ControlColumn LayoutControlColumn(int cx, int cy, unsigned dpi) {
    const auto px = [dpi](int pixels) { return ScaledForDpi(pixels, dpi); };
    const int middle = std::max(cx / 2, cx - px(200));
    const int left = middle + (cx - middle) / 2;
    const int width = cx - left;
    const int listHeight = std::min(cy / 4, px(100));
    ControlColumn column;
    column.frameList = {left, 0, width, listHeight};
    column.displayTime = {left, listHeight + px(1), width, px(20)};
    column.sound = {left, listHeight + px(31), width, px(20)};
    return column;
}
