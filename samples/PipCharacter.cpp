#include "PipCharacter.h"

#include "FrameBuilder.h"
#include "PipDrawing.h"
#include "PipLife.h"
#include "SoundNames.h"

namespace {

constexpr PointF kAnchor{kPipFeetX, kPipGroundY};

struct PipFrame {
    PipPose pose;
    FrameTiming timing;
};

CAnimation Animate(const std::string& name, const std::vector<PipFrame>& steps, int width = kPipWidth) {
    std::vector<CFrame> frames;
    for (const PipFrame& step : steps) frames.push_back(MakeFrame(DrawPip(step.pose, width), kAnchor, step.timing));
    return MakeAnimation(name, std::move(frames));
}

// Breathing, a tail wag and a blink, all in place.
CAnimation Stand() {
    PipPose rest;
    PipPose breatheIn = rest;
    breatheIn.breath = 1.0f;
    breatheIn.bodyRise = 0.6f;
    breatheIn.tailSwing = 0.3f;
    PipPose wagBack = rest;
    wagBack.tailSwing = -0.25f;
    PipPose blink = rest;
    blink.eyesClosed = true;
    return Animate("Stand", {{rest, {400, {}, {}}},
                             {breatheIn, {300, {}, {}}},
                             {wagBack, {300, {}, {}}},
                             {blink, {150, {}, {}}},
                             {rest, {350, {}, {}}}});
}

// The trot of PipTrotPose, moving right.
CAnimation Walk() {
    constexpr PointF kStride{6.0f, 0.0f};
    std::vector<PipFrame> steps;
    for (int i = 0; i < 4; ++i) steps.push_back({PipTrotPose(i), {100, kStride, i % 2 == 0 ? kStepSound : ""}});
    return Animate("Walk", steps);
}

PipPose Waving(float pawAngle, bool happy) {
    PipPose pose;
    pose.frontNear = {pawAngle, 0.0f, true};
    pose.frontFar = {0.08f, 0.0f};
    pose.headTilt = 0.08f;
    pose.mouthOpen = happy;
    pose.tailSwing = happy ? 0.3f : -0.1f;
    return pose;
}

// Raises the near front paw, waves it twice with a bark, puts it down.
CAnimation Wave() {
    return Animate("Wave", {{Waving(1.0f, false), {150, {}, {}}},
                            {Waving(2.05f, true), {180, {}, {}}},
                            {Waving(1.55f, true), {180, {}, {}}},
                            {Waving(2.05f, true), {200, {}, kBarkSound}},
                            {Waving(1.55f, false), {180, {}, {}}},
                            {Waving(0.9f, false), {150, {}, {}}}});
}

PipPose Kicking(float legAngle, float lean) {
    PipPose pose;
    pose.frontNear = {legAngle, 0.0f, true};
    pose.lean = lean;
    pose.backNear = {-0.15f, 0.0f};
    pose.backFar = {-0.1f, 0.0f};
    pose.frontFar = {0.1f, 0.0f};
    return pose;
}

// Winds the near front leg back and swings it through; the ball appears in front of the paw.
CAnimation Kick() {
    PipPose strike = Kicking(1.05f, 0.06f);
    strike.mouthOpen = true;
    strike.tailSwing = 0.35f;
    CAnimation kick = Animate("Kick", {{Kicking(-0.45f, 0.05f), {160, {}, {}}},
                                       {Kicking(-0.75f, 0.1f), {140, {}, {}}},
                                       {Kicking(0.35f, 0.02f), {80, {}, {}}},
                                       {strike, {350, {}, kKickSound}}},
                              kPipKickWidth);
    kick.frames.back().SetOrigin("ball", kPipKickBallOrigin);
    return kick;
}

}  // namespace

CCharacterModel BuildPip() {
    CCharacterModel pip;
    pip.SetCharacterName("Pip");
    std::vector<CAnimation> animations{Stand(), Walk(), Wave(), Kick()};
    for (CAnimation& life : PipLifeAnimations()) animations.push_back(std::move(life));
    for (CAnimation animation : animations) {
        const std::string name = animation.name;
        pip.FileAnimation(name, std::move(animation));
    }
    return pip;
}
