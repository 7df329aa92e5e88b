#pragma once
// A GIF frame's colour table: index 0 for the key colour, up to 255 colours for the rest.
#include <cstdint>
#include <vector>

struct IndexedColours {
    std::vector<uint8_t> indices;   // one per pixel
    std::vector<uint32_t> colours;  // 0xRRGGBB; colours[0] is what the key colour becomes
};

// Exact when the other pixels hold at most 255 colours, quantised otherwise; empty colours
// when quantising fails.
IndexedColours IndexPixels(const std::vector<uint32_t>& pixels, uint32_t keyColour, uint32_t keyShownAs);
