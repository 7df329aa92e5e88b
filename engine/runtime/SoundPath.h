#pragma once
// Where a frame's sound is played from.
#include <string>

// A sound name read from a file is untrusted: only a bare file name is played, never one
// holding a path separator, a drive colon or "..".
bool IsPlayableSoundName(const std::string& name);
// startDirectory + "\sounds\" + name.
std::string SoundFilePath(const std::string& startDirectory, const std::string& name);
