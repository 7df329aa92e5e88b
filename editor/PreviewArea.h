#pragma once
// The preview area's rules for the character's position.
#include "PointF.h"

// Wraps each axis on its own: a point past the right (bottom) edge reappears at the left
// (top) edge and one past the left (top) edge at the right (bottom) edge. A point exactly on
// an edge stays there, so a character standing on one does not jump between two edges.
PointF WrappedPosition(PointF position, int width, int height);

// The middle of a width x height area, in whole pixels.
PointF AreaMiddle(int width, int height);
