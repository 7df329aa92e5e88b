#pragma once
// The monitors' work areas (the screen without the taskbar), in this program's coordinates.
#include <vector>

#include "ScreenPlacement.h"

namespace desk {

std::vector<DeskRect> AllWorkAreas();
DeskRect PrimaryWorkArea();
// The work area of the monitor nearest to the point.
DeskRect WorkAreaAt(DeskPoint point);

}  // namespace desk
