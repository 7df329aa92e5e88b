#pragma once
// Ball, a glossy beach ball seen along its axis, so that rolling turns its stripes on screen.
#include "Canvas.h"
#include "SoftEdges.h"

struct BallPose {
    float rotation = 0.0f;  // radians, clockwise: rolling to the right
    float squash = 0.0f;    // > 0: wider and flatter, < 0: taller and narrower (area kept)
    float height = 0.0f;    // pixels between the ground and the bottom of the ball
};

constexpr int kBallSize = 40;           // the resting and rolling pictures are square
constexpr float kBallRadius = 16.5f;    // without the outline
constexpr float kBallOutline = 1.5f;
constexpr int kBallSectors = 8;         // stripes alternate colour and white

// The ball standing on a ground line groundY pixels down a picture of the given size.
Canvas DrawBall(const BallPose& pose, int width, int height, float groundY);
// The same with antialiased edges and a soft shadow on the ground, fainter and smaller the
// higher the ball is: the picture the character uses.
SoftPicture DrawSoftBall(const BallPose& pose, int width, int height, float groundY);
