#pragma once
// The character "Pip": Stand, Walk, Wave and Kick (which hands over to the ball), and the
// animations of its desktop life (PipLife.h).
#include "CCharacterModel.h"

CCharacterModel BuildPip();

// Where, in the last Kick picture, the ball's reference point (its contact with the ground) goes.
constexpr PointF kPipKickBallOrigin{103.0f, 116.0f};
// Kick pictures are wider than the others so that the ball's place lies inside them.
constexpr int kPipKickWidth = 120;
