#pragma once

struct PointF {
    float x = 0.0f;
    float y = 0.0f;
    friend bool operator==(const PointF& a, const PointF& b) { return a.x == b.x && a.y == b.y; }
    friend bool operator!=(const PointF& a, const PointF& b) { return !(a == b); }
};
