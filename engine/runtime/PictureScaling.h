#pragma once
// Enlarging or shrinking a picture without ever mixing two of its colours.
#include "DisplayScale.h"
#include "Surface.h"

// The column (or row) of the source that output column dst copies: the source pixel under
// the output pixel's centre, (dst + 0.5) / s, kept inside the source.
int32_t NearestSourceIndex(int32_t dst, int32_t sourceLength, int32_t scaledLength);

// How many source columns (or rows) from the start a picture of sourceLength, scaled and cut
// to maxLength, reads: all a scaler needs to be given of it.
int32_t SourceSpan(int32_t sourceLength, DisplayScale scale, int32_t maxLength);

// Nearest neighbour: every output pixel is a copy of one source pixel, so a key-coloured
// pixel stays exactly the key colour and a picture colour never fades into it. Integer
// scales copy each pixel into an s x s block; fractional ones repeat evenly spread columns
// and rows (at 1.5 every other one twice). The output is scale.Length(width) x
// scale.Length(height), cut to at most maxWidth x maxHeight from the top-left.
Surface ScaleNearest(const Surface& source, DisplayScale scale, int32_t maxWidth, int32_t maxHeight);
// The same for a picture of sourceWidth x sourceHeight of which part holds only the top-left
// SourceSpan columns and rows: the output is that of the whole picture.
Surface ScaleNearestPart(const Surface& part, int32_t sourceWidth, int32_t sourceHeight, DisplayScale scale,
                         int32_t maxWidth, int32_t maxHeight);
