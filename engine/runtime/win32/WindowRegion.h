#pragma once
// Window regions made from the runs of a picture's visible pixels.
#include <vector>

#include "RegionRuns.h"
#include "UniqueHandle.h"

// The union of the run rectangles, made in one ExtCreateRegion call.
UniqueRegion RegionFromRuns(const std::vector<RunRect>& runs);
UniqueRegion EmptyRegion();
