#pragma once
// A paint gives the colour at each point a shape covers.
#include <functional>

#include "Colour.h"
#include "Geometry.h"

using Paint = std::function<Colour(Vec2)>;

inline Paint Flat(Colour colour) {
    return [colour](Vec2) { return colour; };
}
