#include "BallDrawing.h"

#include <cmath>

#include "Shading.h"

namespace {

const Colour kOutline{32, 30, 52};
const Colour kWhite{246, 244, 236};
const Colour kHub{250, 206, 64};
// The coloured stripes, in turn; the pattern repeats every half turn.
const Colour kStripes[] = {{228, 56, 62}, {52, 112, 216}};
const Lighting kGloss{0.45f, 0.55f, 24.0f};

// One stripe as a wedge from the centre to the rim, the rim followed closely.
Polygon Wedge(Vec2 centre, Vec2 radii, float from, float to) {
    constexpr int kRimPoints = 10;
    std::vector<Vec2> points{centre};
    for (int i = 0; i <= kRimPoints; ++i) {
        const float a = from + (to - from) * static_cast<float>(i) / kRimPoints;
        points.push_back(centre + Vec2{radii.x * std::cos(a), radii.y * std::sin(a)});
    }
    return Polygon(std::move(points));
}

// At rest the shadow is a little wider than the ball; it shrinks and fades as the ball rises.
constexpr float kShadowOpacity = 0.5f;
constexpr float kShadowDepth = 2.0f;     // half its height: it stays off the picture's last row
constexpr float kShadowFadeHeight = 30.0f;

struct BallPlace {
    Vec2 centre, radii;
};

BallPlace PlaceBall(const BallPose& pose, int width, float groundY) {
    const float stretch = 1.0f + pose.squash;
    const Vec2 radii{kBallRadius * stretch, kBallRadius / stretch};
    return {{width / 2.0f, groundY - pose.height - radii.y - kBallOutline}, radii};
}

}  // namespace

Canvas DrawBall(const BallPose& pose, int width, int height, float groundY) {
    Canvas canvas(width, height);
    const auto [centre, radii] = PlaceBall(pose, width, groundY);
    const Ellipse ball(centre, radii);
    canvas.FillOutlined(ball, SpherePaint(centre, radii, 0, kWhite, kGloss), kBallOutline, kOutline);
    const float sector = 2 * kPi / kBallSectors;
    for (int i = 0; i < kBallSectors; i += 2) {
        const float from = pose.rotation + sector * static_cast<float>(i);
        const Colour stripe = kStripes[(i / 2) % 2];
        canvas.Fill(Wedge(centre, radii, from, from + sector), SpherePaint(centre, radii, 0, stripe, kGloss),
                    Blend::Inside);
    }
    // The valve cap at the axis, and a crisp window reflection on the gloss.
    const Vec2 hubRadii = radii * 0.19f;
    canvas.FillOutlined(Ellipse(centre, hubRadii), SpherePaint(centre, radii, 0, kHub, kGloss), 1.0f, kOutline);
    const Vec2 shine = centre + Vec2{-radii.x * 0.42f, -radii.y * 0.5f};
    canvas.Fill(Ellipse(shine, radii * 0.17f, -0.6f), Flat(kWhite), Blend::Inside, 0.75f);
    return canvas;
}

SoftPicture DrawSoftBall(const BallPose& pose, int width, int height, float groundY) {
    const auto [centre, radii] = PlaceBall(pose, width, groundY);
    const float nearness = kShadowFadeHeight / (kShadowFadeHeight + pose.height);
    const GroundShadow shadow{{width / 2.0f, groundY - 0.5f},
                              {(kBallRadius + kBallOutline) * (0.6f + 0.5f * nearness), kShadowDepth},
                              kShadowOpacity * nearness};
    return SoftenEdges(DrawBall(pose, width, height, groundY), Ellipse(centre, radii), kBallOutline, kOutline, shadow);
}
