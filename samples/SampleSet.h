#pragma once
// The whole set of samples: the characters and the sounds their frames name.
#include <string>
#include <vector>

#include "CCharacterModel.h"

std::vector<CCharacterModel> SampleCharacters();

// Writes <folder>/<Name>.rux for each character and <folder>/sounds/<sound>.wav.
// On failure, error tells what could not be written.
bool WriteSamples(const std::string& folder, std::string& error);
