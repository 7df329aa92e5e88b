#pragma once
// The rule for a frame's sound name, shared by the engine and the editor's preview.
#include <string>

// A sound name read from a file is untrusted: only a bare file name is played, never one
// holding a path separator, a drive colon or "..", which could reach another folder or a
// network share, nor a device name (CON, NUL, COM1, LPT1, ..., also with an extension),
// which would open the device instead of a file.
bool IsPlayableSoundName(const std::string& name);
