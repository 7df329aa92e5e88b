#include "PipLife.h"

#include "FrameBuilder.h"
#include "SoundNames.h"

namespace {

struct LifeFrame {
    PipPose pose;
    FrameTiming timing;
};

CAnimation Animate(const std::string& name, const std::vector<LifeFrame>& steps, bool facingLeft = false) {
    // A mirrored picture has its reference point mirrored too: still between the paws.
    const PointF anchor{facingLeft ? kPipWidth - kPipFeetX : kPipFeetX, kPipGroundY};
    std::vector<CFrame> frames;
    for (const LifeFrame& step : steps) {
        Canvas canvas = DrawPip(step.pose);
        if (facingLeft) canvas.MirrorHorizontally();
        frames.push_back(MakeFrame(canvas, anchor, step.timing));
    }
    return MakeAnimation(name, std::move(frames));
}

PipPose Looking(float headTilt, float earSwing) {
    PipPose pose;
    pose.headTilt = headTilt;
    pose.earSwing = earSwing;
    return pose;
}

// Looks up, holds it, looks down, blinks and looks ahead again.
CAnimation IdleLook() {
    PipPose blink = Looking(0.0f, 0.0f);
    blink.eyesClosed = true;
    return Animate("IdleLook", {{Looking(0.12f, 0.05f), {200, {}, {}}},
                                {Looking(0.3f, 0.12f), {700, {}, {}}},
                                {Looking(0.1f, 0.05f), {200, {}, {}}},
                                {Looking(-0.2f, -0.05f), {700, {}, {}}},
                                {blink, {150, {}, {}}},
                                {Looking(0.0f, 0.0f), {300, {}, {}}}});
}

PipPose Stretching(float reach, float lower, bool yawn) {
    PipPose pose;
    pose.frontNear = {reach, 0.0f};
    pose.frontFar = {reach * 0.8f, 0.0f};
    pose.lean = -0.04f * lower;
    pose.headTilt = yawn ? 0.25f : 0.0f;
    pose.mouthOpen = yawn;
    pose.eyesClosed = yawn;
    pose.tailSwing = 0.35f * lower;
    return pose;
}

// Front paws forward, chest down, a yawn, and up again.
CAnimation IdleStretch() {
    return Animate("IdleStretch", {{Stretching(0.25f, 0.4f, false), {250, {}, {}}},
                                   {Stretching(0.42f, 1.0f, false), {400, {}, {}}},
                                   {Stretching(0.42f, 1.0f, true), {800, {}, {}}},
                                   {Stretching(0.3f, 0.5f, false), {250, {}, {}}},
                                   {PipPose{}, {300, {}, {}}}});
}

PipPose Sleeping(float breath) {
    PipPose pose;
    pose.bodyRise = -5.0f;
    pose.headTilt = -0.3f;
    pose.earSwing = 0.25f;
    pose.tailSwing = -0.35f;
    pose.eyesClosed = true;
    pose.breath = breath;
    return pose;
}

// Settles down, closes the eyes and breathes slowly; the last picture is the sleeping one
// that stays on the desktop until the next request.
CAnimation Sleep() {
    PipPose settling = Sleeping(0.3f);
    settling.bodyRise = -2.0f;
    settling.eyesClosed = false;
    return Animate("Sleep", {{settling, {400, {}, {}}},
                             {Sleeping(0.0f), {900, {}, {}}},
                             {Sleeping(1.0f), {900, {}, {}}},
                             {Sleeping(0.0f), {900, {}, {}}},
                             {Sleeping(1.0f), {900, {}, {}}},
                             {Sleeping(0.2f), {600, {}, {}}}});
}

// The trot of Walk facing left, moving left.
CAnimation WalkLeft() {
    std::vector<LifeFrame> steps;
    for (int i = 0; i < 4; ++i) steps.push_back({PipTrotPose(i), {100, {-6.0f, 0.0f}, i % 2 == 0 ? kStepSound : ""}});
    return Animate("WalkLeft", steps, true);
}

}  // namespace

PipPose PipTrotPose(int step) {
    constexpr float kSwing = 0.38f;
    const float swing[4] = {kSwing, 0.0f, -kSwing, 0.0f};
    const int i = step & 3;
    const float a = swing[i];
    PipPose pose;
    pose.frontNear = {a, i == 1 ? 3.0f : 0.0f};
    pose.backFar = {a, i == 1 ? 3.0f : 0.0f};
    pose.frontFar = {-a, i == 3 ? 3.0f : 0.0f};
    pose.backNear = {-a, i == 3 ? 3.0f : 0.0f};
    pose.bodyRise = (i % 2 == 1) ? 1.0f : 0.0f;
    pose.tailSwing = (i % 2 == 0) ? 0.25f : -0.2f;
    pose.earSwing = (i % 2 == 1) ? 0.12f : 0.0f;
    return pose;
}

std::vector<CAnimation> PipLifeAnimations() { return {IdleLook(), IdleStretch(), Sleep(), WalkLeft()}; }
