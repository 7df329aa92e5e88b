#pragma once
// Turning drawn canvases into frames and frames into animations.
#include <cstdint>
#include <string>
#include <vector>

#include "CAnimation.h"
#include "CFrame.h"
#include "Canvas.h"
#include "SoftEdges.h"

struct FrameTiming {
    uint32_t displayTime = 100;  // milliseconds
    PointF shift;                // how far the character moves during the frame
    std::string sound;           // WAV file name without folder, or empty
};

// A frame holding the canvas as a 24-bit picture with the given reference point.
CFrame MakeFrame(const Canvas& canvas, PointF anchor, const FrameTiming& timing);
// The same as a 32-bit picture with its opacity.
CFrame MakeFrame(const SoftPicture& picture, PointF anchor, const FrameTiming& timing);
CAnimation MakeAnimation(const std::string& name, std::vector<CFrame> frames);
