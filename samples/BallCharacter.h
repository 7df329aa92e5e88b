#pragma once
// The character "Ball": Stand, Walk (rolling) and Bounce (squash and stretch).
#include "CCharacterModel.h"

CCharacterModel BuildBall();

// The ball's reference point: where it touches the ground, in the resting pictures.
constexpr PointF kBallAnchor{20.0f, 38.0f};
