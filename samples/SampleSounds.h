#pragma once
// The sounds the sample characters' frames play.
#include <string>
#include <vector>

#include "Synth.h"

struct NamedSound {
    std::string fileName;
    Samples samples;
};

std::vector<NamedSound> SampleSounds();
