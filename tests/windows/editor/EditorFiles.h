#pragma once
// Files the editor tests hand to Tarvel: folders, pictures, sounds, characters.
#include <cstdint>
#include <string>
#include <vector>

#include "CCharacterModel.h"

namespace editor_files {

// A fresh folder (a Windows path without a trailing separator).
std::string Folder(const std::string& name);
// A bottom-up 24-bit BMP file of one colour, with its top-left pixel in a second colour.
std::string WriteBitmap(const std::string& folder, const std::string& name, int width, int height, uint32_t rgb,
                        uint32_t topLeftRgb);
std::string WriteEmptyFile(const std::string& folder, const std::string& name);
std::string SaveCharacter(const CCharacterModel& character, const std::string& folder, const std::string& name);
bool Exists(const std::string& path);

}  // namespace editor_files
