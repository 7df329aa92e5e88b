#pragma once
// A packed DIB from the clipboard brought to the layout the picture reader takes: a
// BITMAPINFOHEADER (40 bytes), its colour table or masks, the pixel rows. Paint programs and
// browsers also put BITMAPV4HEADER (108 bytes) and BITMAPV5HEADER (124 bytes) blocks there,
// and old programs BITMAPCOREHEADER (12 bytes) ones.
#include <cstdint>
#include <string>
#include <vector>

// Rewrites `dib` in place; false, with `why` set, for a header size of no known kind or a
// block too short for its header and table. Blocks already in the 40-byte layout stay as
// they are. A V4/V5 32-bit picture with the usual masks and an alpha mask becomes BI_RGB,
// so that its alpha is read; other bit-field masks move behind the 40-byte header.
bool NormaliseClipboardDib(std::vector<uint8_t>& dib, std::string& why);
