#pragma once
// Pip, a caramel puppy seen from the side facing right, drawn from a pose.
#include "Canvas.h"

struct LegPose {
    float angle = 0.0f;  // radians from hanging straight down; positive swings forwards
    float lift = 0.0f;   // pixels the paw is drawn up off the ground
    bool raised = false;  // a raised leg keeps its own length instead of reaching the ground
};

struct PipPose {
    float bodyRise = 0.0f;   // pixels the body is raised
    float breath = 0.0f;     // 0..1: chest swell
    float lean = 0.0f;       // radians the body and head tip backwards
    float headTilt = 0.0f;   // radians; positive lifts the nose
    float tailSwing = 0.0f;  // radians added to the tail's resting angle
    float earSwing = 0.0f;   // radians the ear swings backwards
    LegPose backFar, backNear, frontFar, frontNear;
    bool eyesClosed = false;
    bool mouthOpen = false;
};

constexpr int kPipWidth = 96;
constexpr int kPipHeight = 120;
// Where the ground meets the paws: the reference point's height in every picture.
constexpr float kPipGroundY = kPipHeight - 4;
// The middle between the paws at rest.
constexpr float kPipFeetX = 45;

Canvas DrawPip(const PipPose& pose, int width = kPipWidth);
