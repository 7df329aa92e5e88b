#pragma once
// A frame picture for the desktop: 24 bits, the key colour where the source shows nothing;
// or 32 bits with its opacity, when the source has pixels neither opaque nor transparent.
#include <cstdint>
#include <vector>

struct SourceFrame;

// The colour an opaque key-coloured pixel becomes, so that it stays visible.
constexpr uint32_t kVisibleKeyColour = 0xAFAFAE;

// A bottom-up 24-bit packed DIB. With alpha: alpha below 128 gives the key colour, an opaque
// pixel of exactly the key colour gives kVisibleKeyColour. Without alpha the colours stay as
// they are (key-coloured pixels are the transparent ones).
std::vector<uint8_t> KeyedPictureBlock(const SourceFrame& frame);

// Whether the frame has a pixel neither fully opaque nor fully transparent.
bool HasPartialOpacity(const SourceFrame& frame);

// A bottom-up 32-bit packed DIB with straight opacity in the fourth byte; every pixel of
// opacity 0 holds the key colour, and an opaque key-coloured pixel kVisibleKeyColour, so that
// a reader that ignores the fourth byte cuts out the same outline.
std::vector<uint8_t> OpacityPictureBlock(const SourceFrame& frame);

// The frame's picture: OpacityPictureBlock with partial opacity, KeyedPictureBlock otherwise
// (a picture whose pixels are all opaque or transparent stays 24-bit and keyed).
std::vector<uint8_t> FramePictureBlock(const SourceFrame& frame);
