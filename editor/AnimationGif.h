#pragma once
// Save as GIF: an animation of the character played as `ruxtool render` plays it by default
// (in place, once through, at most 10 seconds, the key colour white) and written as an
// animated GIF through the same code.
#include <string>

#include "CharacterFile.h"

class CCharacterModel;

// Writes beside the file and moves the GIF over it once complete: a failure leaves no part of
// a GIF behind and a former file as it was, and says why in the outcome's message.
FileOutcome SaveAnimationAsGif(const CCharacterModel& character, const std::string& animationName,
                               const std::string& path);

// The name the picker proposes: the animation's name with ".gif", characters that a file
// name cannot hold replaced by '_'.
std::string GifFileNameFor(const std::string& animationName);
