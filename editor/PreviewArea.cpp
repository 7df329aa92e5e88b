#include "PreviewArea.h"

namespace {

float WrapAxis(float value, int size) {
    const auto limit = static_cast<float>(size);
    if (value > limit) return 0.0f;
    if (value < 0.0f) return limit;
    return value;
}

}  // namespace

PointF WrappedPosition(PointF position, int width, int height) {
    return {WrapAxis(position.x, width), WrapAxis(position.y, height)};
}

PointF AreaMiddle(int width, int height) {
    return {static_cast<float>(width / 2), static_cast<float>(height / 2)};
}
