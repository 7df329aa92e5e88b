#pragma once
// The window region of a picture: per row, the maximal runs of non-transparent pixels.
#include <cstdint>
#include <vector>

#include "ScreenRect.h"

class Surface;

// One run: from (left, top) to (right, bottom), right and bottom exclusive; bottom = top + 1.
using RunRect = ScreenRect;

// Replaces runs with the runs of every row of the surface, offset by (left, top). Pixels whose
// colour (the fourth byte ignored) equals the key colour are transparent.
void BuildRegionRuns(const Surface& surface, int32_t left, int32_t top, uint32_t keyColour, std::vector<RunRect>& runs);
// The same for a premultiplied surface, cut at half opacity: pixels of opacity 128 or more
// are shown, the others transparent.
void BuildOpacityRuns(const Surface& surface, int32_t left, int32_t top, std::vector<RunRect>& runs);
