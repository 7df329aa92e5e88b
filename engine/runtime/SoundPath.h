#pragma once
// Where a frame's sound is played from.
#include <string>

#include "SoundName.h"

// startDirectory + "\sounds\" + name.
std::string SoundFilePath(const std::string& startDirectory, const std::string& name);
