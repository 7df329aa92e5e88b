#pragma once
// A frame picture for the desktop: 24 bits, the key colour where the source shows nothing.
#include <cstdint>
#include <vector>

struct SourceFrame;

// The colour an opaque key-coloured pixel becomes, so that it stays visible.
constexpr uint32_t kVisibleKeyColour = 0xAFAFAE;

// A bottom-up 24-bit packed DIB. With alpha: alpha below 128 gives the key colour, an opaque
// pixel of exactly the key colour gives kVisibleKeyColour. Without alpha the colours stay as
// they are (key-coloured pixels are the transparent ones).
std::vector<uint8_t> KeyedPictureBlock(const SourceFrame& frame);
