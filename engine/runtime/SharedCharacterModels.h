#pragma once
// Character files loaded once and shared: every character of the process that shows the same
// file (same path, size and time of last change) reads the one model, which nobody changes
// after loading. A model goes when its last character does.
#include <memory>
#include <string>

#include "CCharacterModel.h"

// The model of the file at path: the one already loaded for that file while a character
// still holds it, a fresh load otherwise. A file that cannot be identified, or that fails to
// load, is loaded for this caller alone (the model then reports the failure).
std::shared_ptr<const CCharacterModel> LoadSharedCharacterModel(const std::string& path);
