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
