#pragma once
// The header values of a 24- or 32-bit picture that a PNG cannot hold (biSizeImage, the
// resolution, biPlanes, biClrImportant, top-down rows). Export keeps them in the manifest as
// the frame's "header" object beside "image"; build writes them back, so that the picture's
// block comes back byte for byte.
#include <cstdint>
#include <string>
#include <vector>

#include "CBryDIB.h"
#include "RuxJson.h"

// The values that differ from the header build writes itself for the picture's pixels; null
// when there are none, or for a picture whose header cannot be kept (other depths, a colour
// table or masks, another header size).
Json PictureHeaderToJson(const CBryDIB& image);

struct HeaderFault {
    std::string key;   // the member at fault, empty for the object itself
    std::string what;  // empty when there is no fault
};

// Puts the header object's values into a block as the picture decoder writes it (bottom-up,
// 24- or 32-bit, canonical header). Every key is checked; nothing changes on a fault.
HeaderFault ApplyPictureHeader(const Json& header, std::vector<uint8_t>& block);
