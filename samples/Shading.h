#pragma once
// Paints that light a shape as if it were round: a sphere-like body or a cylinder-like limb,
// lit from the upper left, with a soft shadow side and a glossy highlight.
#include "Paint.h"

struct Lighting {
    float ambient = 0.58f;    // brightness of the side facing away from the light
    float gloss = 0.22f;      // strength of the highlight
    float shininess = 16.0f;  // higher: a smaller, sharper highlight
};

// An ellipsoid seen face on: centre, radii and turn as for the Ellipse it paints.
Paint SpherePaint(Vec2 centre, Vec2 radii, float angle, Paint albedo, Lighting lighting = {});
Paint SpherePaint(Vec2 centre, Vec2 radii, float angle, Colour base, Lighting lighting = {});
// A round limb along a to b of the given radius.
Paint CylinderPaint(Vec2 a, Vec2 b, float radius, Colour base, Lighting lighting = {});

struct Vec3 {
    float x = 0.0f, y = 0.0f, z = 0.0f;
};
// The colour of a surface with the given unit normal (z towards the viewer).
Colour Shade(Vec3 normal, Colour albedo, const Lighting& lighting);
