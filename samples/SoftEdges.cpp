#include "SoftEdges.h"

namespace {

const Colour kShadowColour{24, 22, 40};

// Opacity of the shadow at point p: (1 - d²)² of the distance d from its centre in radii,
// smooth to its rim and without a square root, so every build computes the same bytes.
float ShadowOpacity(const GroundShadow& shadow, Vec2 p) {
    if (shadow.radii.x <= 0.0f || shadow.radii.y <= 0.0f) return 0.0f;
    const float dx = (p.x - shadow.centre.x) / shadow.radii.x;
    const float dy = (p.y - shadow.centre.y) / shadow.radii.y;
    const float d2 = dx * dx + dy * dy;
    if (d2 >= 1.0f) return 0.0f;
    return shadow.opacity * (1.0f - d2) * (1.0f - d2);
}

struct SoftColour {
    Colour colour;
    float opacity = 0.0f;
};

// Straight-opacity "over": front laid on back.
SoftColour Over(SoftColour front, SoftColour back) {
    const float backShare = back.opacity * (1.0f - front.opacity);
    const float opacity = front.opacity + backShare;
    if (opacity <= 0.0f) return {};
    const Colour colour = Mix(back.colour, front.colour, front.opacity / opacity);
    return {colour, opacity};
}

void AppendPixel(std::vector<uint8_t>& bytes, SoftColour pixel, Rgb8 key) {
    const uint8_t opacity = ToByte(pixel.opacity * 255.0f);
    Rgb8 c = opacity == 0 ? key : ToRgb8(pixel.colour);
    // A pixel that shows must not read as the key colour to a reader that ignores opacity.
    if (opacity != 0 && c == key) c.r = static_cast<uint8_t>(c.r < 255 ? c.r + 1 : c.r - 1);
    bytes.insert(bytes.end(), {c.r, c.g, c.b, opacity});
}

}  // namespace

SoftPicture SoftenEdges(const Canvas& canvas, const Shape& silhouette, float grow, Colour rim,
                        const GroundShadow& shadow) {
    SoftPicture picture{canvas.Width(), canvas.Height(), {}};
    picture.rgba.reserve(static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height) * 4);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const bool painted = canvas.IsPainted(x, y);
            const SoftColour body{painted ? ToColour(canvas.At(x, y)) : rim, CoveredFraction(silhouette, grow, x, y)};
            const SoftColour ground{kShadowColour, ShadowOpacity(shadow, {x + 0.5f, y + 0.5f})};
            AppendPixel(picture.rgba, Over(body, ground), canvas.Background());
        }
    }
    return picture;
}
