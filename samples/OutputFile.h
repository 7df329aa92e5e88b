#pragma once
// Writing a whole file at once.
#include <cstdint>
#include <string>
#include <vector>

// Creates or replaces the file with the bytes; false when it cannot be written completely.
bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
