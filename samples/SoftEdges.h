#pragma once
// Pictures with an opacity per pixel: a character's outline faded by how much of each pixel
// it covers, over a soft shadow on the ground. Stored straight (not premultiplied); every
// fully transparent pixel holds the key colour, so a reader that ignores opacity still cuts
// out the same outline.
#include <cstdint>
#include <vector>

#include "Canvas.h"

struct GroundShadow {
    Vec2 centre;           // on the ground line
    Vec2 radii;
    float opacity = 0.0f;  // at the centre, fading to 0 at the rim
};

struct SoftPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // top row first, straight opacity in the fourth byte
};

// The canvas at the opacity with which silhouette (grown by grow) covers each pixel, over
// the shadow. Where the silhouette covers less than half a pixel the canvas holds no paint;
// such pixels take the rim colour, so the outline fades out rather than ending in a step.
SoftPicture SoftenEdges(const Canvas& canvas, const Shape& silhouette, float grow, Colour rim,
                        const GroundShadow& shadow);
