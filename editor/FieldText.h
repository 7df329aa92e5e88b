#pragma once
// Text conversions of the editor's fields: numbers read the way atol reads them, "%d" output,
// the frame list's item text.
#include <cstddef>
#include <cstdint>
#include <string>

// Leading blanks, an optional sign, then decimal digits up to the first other character; no
// digits give 0. The result saturates at the limits of a 32-bit long, as the Windows runtime does.
int32_t ParseLikeAtol(const std::string& text);
// The same without the 32-bit limits (saturating far beyond them), to tell a number out of range.
int64_t ParseLikeAtolWide(const std::string& text);

std::string FormatDecimal(int32_t value);

// A float turned into an int the way the editor does everywhere: truncated toward zero,
// clamped to the int range.
int TruncateToInt(float value);

// "Frame %3d" of a zero-based frame index.
std::string FrameListItem(size_t index);
