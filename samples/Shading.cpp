#include "Shading.h"

#include <algorithm>
#include <cmath>

namespace {

Vec3 Normalised(Vec3 v) {
    const float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / length, v.y / length, v.z / length};
}

float Dot3(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Light from the upper left and in front; the viewer looks along -z.
const Vec3 kLight = Normalised({-0.5f, -0.65f, 0.58f});
const Vec3 kHalfway = Normalised({kLight.x, kLight.y, kLight.z + 1.0f});

// Normal of a dome over the unit disc at (u, v); the rim leans fully sideways.
Vec3 DomeNormal(float u, float v) {
    const float rr = std::min(u * u + v * v, 1.0f);
    return Normalised({u, v, std::sqrt(1.0f - rr) + 0.05f});
}

}  // namespace

Colour Shade(Vec3 normal, Colour albedo, const Lighting& lighting) {
    const float diffuse = std::max(0.0f, Dot3(normal, kLight));
    const float brightness = lighting.ambient + (1.0f - lighting.ambient) * 1.25f * diffuse;
    const float highlight = lighting.gloss * std::pow(std::max(0.0f, Dot3(normal, kHalfway)), lighting.shininess);
    // Shadows lean slightly towards blue, the way a warm light's shadows look.
    const Colour lit{albedo.r * brightness, albedo.g * brightness, albedo.b * (brightness + 0.06f * (1.0f - diffuse))};
    return Mix(lit, Colour{255, 255, 250}, std::min(highlight, 1.0f));
}

Paint SpherePaint(Vec2 centre, Vec2 radii, float angle, Paint albedo, Lighting lighting) {
    return [=](Vec2 p) {
        const Vec2 local = Rotate(p - centre, -angle);
        const Vec3 n = DomeNormal(local.x / radii.x, local.y / radii.y);
        const Vec2 turned = Rotate({n.x, n.y}, angle);
        return Shade({turned.x, turned.y, n.z}, albedo(p), lighting);
    };
}

Paint SpherePaint(Vec2 centre, Vec2 radii, float angle, Colour base, Lighting lighting) {
    return SpherePaint(centre, radii, angle, Flat(base), lighting);
}

Paint CylinderPaint(Vec2 a, Vec2 b, float radius, Colour base, Lighting lighting) {
    const Vec2 axis = b - a;
    const float length = std::max(Length(axis), 1e-3f);
    const Vec2 across{-axis.y / length, axis.x / length};
    return [=](Vec2 p) {
        const float side = std::clamp(Dot(p - a, across) / radius, -1.0f, 1.0f);
        const Vec3 n = DomeNormal(side, 0.0f);
        return Shade({across.x * n.x, across.y * n.x, n.z}, base, lighting);
    };
}
