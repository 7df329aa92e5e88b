#pragma once
// A look at what was drawn: each animation as one PNG strip of its frames, enlarged.
#include <string>

#include "CCharacterModel.h"

// Writes <folder>/<Character>_<Animation>.png; false when a picture is unreadable or a file fails.
bool WriteAnimationStrips(const CCharacterModel& character, const std::string& folder, int scale);
