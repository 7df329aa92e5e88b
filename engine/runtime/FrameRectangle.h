#pragma once
#include "ScreenRect.h"

// Where the current frame picture lies on the screen.
using FrameRectangle = ScreenRect;
