#pragma once
// Scaling pictures with opacity, held premultiplied. Each output pixel is the average of the
// source area it covers, each source pixel weighted by the part of it that lies inside (a box
// filter over the pixel's footprint). Averaging premultiplied pixels mixes a transparent
// neighbour in as nothing at all, so an edge fades in opacity and never towards black or grey.
// Enlarging by a whole factor puts every output footprint inside one source pixel: each pixel
// becomes an s x s block, as crisp as nearest neighbour (and computed as such).
#include "DisplayScale.h"
#include "Surface.h"

// How many source columns (or rows) from the start the output of a picture of sourceLength,
// scaled and cut to maxLength, covers: all the scaler needs to be given of it.
int32_t AreaSourceSpan(int32_t sourceLength, DisplayScale scale, int32_t maxLength);

// The picture of sourceWidth x sourceHeight, of which part holds the top-left
// AreaSourceSpan columns and rows, at the scale: scale.Length(width) x scale.Length(height),
// cut to at most maxWidth x maxHeight from the top-left. A part smaller than the span repeats
// its last column or row.
Surface ScaleAreaAveragePart(const Surface& part, int32_t sourceWidth, int32_t sourceHeight, DisplayScale scale,
                             int32_t maxWidth, int32_t maxHeight);
