#pragma once
// Characters built in code for the runtime's Windows tests, saved to .rux files.
#include <cstdint>
#include <string>

#include "CCharacterModel.h"
#include "PointF.h"

namespace test_characters {

// Every frame shows one 40 x 60 picture with its reference point at the bottom centre.
constexpr int kPictureWidth = 40;
constexpr int kPictureHeight = 60;
constexpr PointF kAnchor{20.0f, 60.0f};
constexpr uint32_t kRed = 0xD02020;
constexpr uint32_t kGreen = 0x20A040;

// The picture's colour at (x, y) as 0xRRGGBB: red left, green right, with key-coloured
// holes (a rectangle and a diagonal lattice) that must show what lies beneath.
uint32_t PicturePixel(int x, int y);
bool IsKeyPixel(int x, int y);

// Animations:
//   "stand"  one frame, 200 ms, no movement
//   "walk"   three frames of 100 ms, each moving 10 pixels right
//   "long"   one frame of 60 s (stays in progress)
//   "quick"  one frame of 0 ms (ends at the tick after its start)
//   "sound"  one frame of 50 ms with the sound "step.wav"
//   "unsafe" one frame of 50 ms with the sound "..\secret.wav"
//   "throw"  one frame of 100 ms whose origin "ball" is (12, 30)
CCharacterModel TestCharacter();
constexpr PointF kBallOrigin{12.0f, 30.0f};

// The character saved to a fresh .rux file; its path.
std::string SaveTestCharacter(const std::string& folderName);

}  // namespace test_characters
