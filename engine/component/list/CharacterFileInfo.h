#pragma once
// What the engine learns of one character file: its character name and animation names.
#include <string>
#include <vector>

struct CharacterFileInfo {
    std::string characterName;                // empty when not even the name could be read
    std::vector<std::string> animationNames;  // in the file's key order; every name is kept
    // A file is usable when it yields at least one animation.
    bool Usable() const { return !animationNames.empty(); }
};

CharacterFileInfo ReadCharacterFileInfo(const std::string& path);
