#pragma once
// Where a balloon goes on the screen: above the character's frame rectangle with its tail
// pointing down at it, or below with the tail pointing up when the work area has no room
// above; always whole on the work area when it fits there.
#include <cstdint>

#include "ScreenRect.h"

struct ScreenPoint {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const ScreenPoint& a, const ScreenPoint& b) { return a.x == b.x && a.y == b.y; }
};

struct BalloonGeometry {
    int32_t bodyWidth = 0;
    int32_t bodyHeight = 0;
    int32_t tailLength = 0;     // from the body's edge to the tail's tip
    int32_t tailHalfWidth = 0;  // half the tail's width where it meets the body
    int32_t cornerRadius = 0;   // the tail's base keeps this far from the body's corners
};

struct BalloonPlacement {
    ScreenRect body;
    bool below = false;      // the body lies below the character, its tail pointing up
    ScreenPoint tailBase;    // centre of the tail's base, on the body's edge
    ScreenPoint tailTip;
    ScreenRect window;       // the body and the tail together
};

BalloonPlacement PlaceBalloon(const ScreenRect& frame, const BalloonGeometry& geometry, const ScreenRect& workArea);
