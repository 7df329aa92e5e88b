#pragma once
// Whole-file reads and writes for manifests and exported pictures.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

std::optional<std::string> ReadWholeFile(const std::string& path);
// Creates or truncates the file; false when any byte could not be written.
bool WriteWholeFile(const std::string& path, const uint8_t* data, size_t size);
bool WriteWholeFile(const std::string& path, const std::string& text);
