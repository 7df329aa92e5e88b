#pragma once
// Small models and pictures built in code for the library's tests.
#include <cstdint>
#include <string>
#include <vector>

#include "CCharacterModel.h"

namespace testing_models {

// A bottom-up uncompressed picture whose pixel (x, y) has a colour derived from x and y.
std::vector<uint8_t> PatternBlock(int width, int height, uint16_t bitCount);
// A character with three animations (ordering traps included), origins, sounds and pictures.
CCharacterModel RichModel();
// The bytes a model saves to.
std::vector<uint8_t> SavedBytes(const CCharacterModel& model);
std::vector<uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
// The colour (0xRRGGBB) of pixel (x, y) of a picture, read through the library's pixel reader.
uint32_t PixelRgb(const CBryDIB& picture, int x, int y);
// A fresh, empty folder for one test.
std::string TempFolder(const std::string& name);

}  // namespace testing_models
