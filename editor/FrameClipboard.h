#pragma once
// Frames on the clipboard: the editor's own format holds whole frames (picture, time, shift,
// anchor, origins, sound) in the animation file's frame layout, after a count; a picture
// from elsewhere comes as a packed DIB.
#include <cstdint>
#include <optional>
#include <vector>

#include "CFrame.h"

std::vector<uint8_t> FramesToClipboardBytes(const std::vector<CFrame>& frames);
// Nullopt for bytes that are not exactly such frames (the clipboard is untrusted input).
std::optional<std::vector<CFrame>> FramesFromClipboardBytes(const std::vector<uint8_t>& bytes);

// A clipboard picture as a frame picture: any readable packed DIB becomes a 24-bit one (alpha
// below 128, where the picture has alpha, the key colour); empty when it cannot be read.
CBryDIB PictureFromClipboardDib(const std::vector<uint8_t>& dib);
