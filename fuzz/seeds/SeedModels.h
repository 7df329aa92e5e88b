#pragma once
// Character models for the seed corpora: the samples cut down to few frames, and small models
// made in code that hold every kind of picture and field.
#include <string>
#include <vector>

#include "CCharacterModel.h"

namespace fuzz_seeds {

// For each animation of the sample: a model of that animation's first two frames.
std::vector<CCharacterModel> SampleExcerpts(const CCharacterModel& sample);
// Models of every picture kind, origins, sounds, zero display times, walking and frameless
// animations, and names that differ only in case.
std::vector<CCharacterModel> MadeModels();

}  // namespace fuzz_seeds
