#pragma once
// Shared test helpers: temporary folders, small models built in code, running the command line.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "CCharacterModel.h"

// A fresh folder removed with everything in it when the object goes.
class TempDir {
public:
    TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir();
    std::string File(const std::string& name) const { return (m_path / name).string(); }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// A bottom-up picture with the header the decoder writes; the pixels vary with x, y and seed.
std::vector<uint8_t> Picture24(int width, int height, int seed);
// As Picture24 with a fourth byte that takes every kind of alpha (0, 255 and in between).
std::vector<uint8_t> Picture32(int width, int height, int seed);

// Two animations with 24- and 32-bit pictures, an empty image, origins, sounds, Windows-1252
// names (with an undefined byte) and floats that are hard to write: -0, denormals, NaN, infinities.
CCharacterModel RichModel();

std::vector<uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
// Position of the first occurrence of pattern in bytes; bytes.size() when absent.
size_t FindBytes(const std::vector<uint8_t>& bytes, const std::vector<uint8_t>& pattern);

struct CommandResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};
CommandResult RunTool(const std::vector<std::string>& args);

// Whether the text is one line ending in a newline.
bool IsOneLine(const std::string& text);
inline bool Contains(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }
