#pragma once
// The onion skin of the frame window: a neighbouring frame drawn faintly under the current one,
// where the engine shows it when the two frames follow one another. The character's reference
// point moves by a frame's shift once that frame is over, so the previous frame's anchor lies
// its shift before the current anchor and the next frame's anchor the current frame's shift
// after it; without shifts the anchors coincide.
#include <cstddef>
#include <optional>

#include "CBryDIB.h"
#include "PointMarks.h"

class CFrame;

enum class OnionSide { Previous, Next };

// The neighbour on that side. The animation loops (as the preview plays it): the frame before
// the first is the last. None with fewer than two frames or a current index out of range.
std::optional<size_t> OnionNeighbour(size_t frameCount, size_t current, OnionSide side);

// Top-left corner, in client pixels, of the neighbour's picture shown `zoom` times its size
// beside the current frame centred in the client area (as CentredPicture places it).
PicturePosition OnionPosition(const CFrame& current, const CFrame& neighbour, OnionSide side, int clientWidth,
                              int clientHeight, int zoom);

// A faint copy of the picture as a 24-bit picture: every colour two thirds of the way to white,
// the key colour kept (it stays transparent) and no other colour turned into it. A picture
// with opacity gives a 32-bit one with the same opacity (opacity 0 keyed).
CBryDIB FadedPicture(const CBryDIB& picture);
