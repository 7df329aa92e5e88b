#pragma once
// Frames on the clipboard: the editor's own format holds whole frames (picture, time, shift,
// anchor, origins, sound) in the animation file's frame layout, after a count; a picture
// from elsewhere comes as a packed DIB.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "CFrame.h"

std::vector<uint8_t> FramesToClipboardBytes(const std::vector<CFrame>& frames);
// Nullopt for bytes that are not exactly such frames (the clipboard is untrusted input).
std::optional<std::vector<CFrame>> FramesFromClipboardBytes(const std::vector<uint8_t>& bytes);

// The editor's format in a clipboard block: the bytes after their 32-bit length. The system
// may hand back a block larger than what was put there (GlobalSize rounds up): the contents
// are the bytes the length counts, whatever follows them.
std::vector<uint8_t> ClipboardBlock(const std::vector<uint8_t>& contents);
std::optional<std::vector<uint8_t>> ClipboardBlockContents(const std::vector<uint8_t>& block);

// Largest clipboard block the editor copies out of the clipboard: a picture of the largest
// size a frame takes at 32 bits, with room for its headers and colour profile.
constexpr uint64_t kMostClipboardBytes = 8192ull * 8192ull * 4ull + (1u << 20);

struct PastedPicture {
    CBryDIB picture;
    std::string refusal;  // why the clipboard's picture cannot be pasted, when `picture` is empty
};

// A clipboard picture as a frame picture: any readable packed DIB (any of the header kinds of
// NormaliseClipboardDib) of at most kMaxPictureDimension pixels a side, as for picture files,
// becomes a 24-bit one (alpha below 128, where the picture has alpha, the key colour).
PastedPicture PictureFromClipboardDib(std::vector<uint8_t> dib);

// The frame a picture from another program pastes as: the current frame's display time,
// anchor and shift (none without a current frame), no origins, no sound.
CFrame FrameForPastedPicture(const CFrame* current, CBryDIB picture);
