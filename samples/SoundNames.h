#pragma once
// The sound files the characters' frames name; all live in the sounds folder beside them.
constexpr const char* kStepSound = "step.wav";
constexpr const char* kBarkSound = "bark.wav";
constexpr const char* kKickSound = "kick.wav";
constexpr const char* kBounceSound = "bounce.wav";
