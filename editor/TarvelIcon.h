#pragma once
// The editor's application icon, drawn in code: a round character face with a pencil.
#include <cstdint>
#include <vector>

struct IconImage {
    int size = 0;                 // width and height in pixels
    std::vector<uint32_t> argb;   // size * size pixels, top row first, 0xAARRGGBB
};

// The picture at one size (16 and 32 are what Windows asks for).
IconImage DrawTarvelIcon(int size);

// A complete .ico file holding the 32 x 32 and 16 x 16 pictures, 32 bits with mask.
std::vector<uint8_t> TarvelIconFile();
