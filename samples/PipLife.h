#pragma once
// Pip's animations for a life on the desktop, named by the convention VimroDesk follows:
// IdleLook and IdleStretch now and then, WalkLeft (the trot of Walk, mirrored) for walks to
// the left, and Sleep while the user is away.
#include <vector>

#include "CAnimation.h"
#include "PipDrawing.h"

// Step 0 to 3 of the trot: diagonal leg pairs swing together, the body bobs as each pair
// passes under it.
PipPose PipTrotPose(int step);

std::vector<CAnimation> PipLifeAnimations();
