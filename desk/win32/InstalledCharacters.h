#pragma once
// The installed characters as the engine's GraphicFiles lists them, read afresh at each call.
#include <optional>
#include <string>
#include <vector>

namespace desk {

struct InstalledCharacter {
    std::string name;  // UTF-8
    std::wstring file;
    std::vector<std::string> animations;
};

// Every installed character, in the list's order; the first file of a name wins, as the
// engine's Load takes it.
std::vector<InstalledCharacter> ReadInstalledCharacters();
std::optional<InstalledCharacter> FindInstalled(const std::string& name);

// Names compare as the engine compares them: the letters A to Z without case.
bool SameCharacterName(const std::string& a, const std::string& b);

}  // namespace desk
