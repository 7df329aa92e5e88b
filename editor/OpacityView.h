#pragma once
// Pictures with opacity in the editor's windows: shown over a checkerboard, as picture editors
// show transparency, so that soft edges and shadows can be told from the window's white.
#include <cstdint>

#include "CBryDIB.h"
#include "Surface.h"

constexpr int kCheckerCell = 8;  // screen pixels a side
constexpr uint32_t kCheckerLight = 0xFFFFFF;
constexpr uint32_t kCheckerDark = 0xCCCCCC;

// The surface in squares of kCheckerCell, light at the top-left.
Surface Checkerboard(int width, int height);

// The picture at its own size in premultiplied 0xAARRGGBB, ready for blending: its opacity,
// or (without) its key colour transparent and every other colour opaque.
Surface PremultipliedPicture(const CBryDIB& image);
