#pragma once
// The rule for a frame's sound name, shared by the engine and the editor's preview.
#include <string>

// A sound name read from a file is untrusted: only a bare file name is played, never one
// holding a path separator, a drive colon or "..", which could reach another folder or a
// network share.
bool IsPlayableSoundName(const std::string& name);
