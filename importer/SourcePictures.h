#pragma once
// The frames an import is made of, read from an animated GIF, a sprite sheet or picture files.
#include <cstdint>
#include <string>
#include <vector>

// One frame picture in RGBA, top row first.
struct SourceFrame {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
    uint32_t delayMs = 0;  // the source's own display time; 0 when it has none
    bool hasAlpha = false; // from a picture with an alpha channel (a GIF: one whose frames show nothing somewhere)
};

struct SourceFrames {
    std::vector<SourceFrame> frames;
    std::string error;      // one line, when frames is empty
};

// Largest total of decoded frame pixels (4 bytes each) an import takes on.
constexpr uint64_t kMaxImportBytes = 256u * 1024u * 1024u;
// Largest number of frames an import makes.
constexpr size_t kMaxImportFrames = 10000;

// One picture cut into columns x rows equal cells, row by row, left to right.
SourceFrames ReadSpriteSheet(const std::string& path, uint32_t columns, uint32_t rows);
// One frame per picture file, in order; a GIF among others gives its first frame, a GIF on
// its own every frame as a viewer shows it, with its delays.
SourceFrames ReadPictureFiles(const std::vector<std::string>& paths);
