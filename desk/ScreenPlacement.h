#pragma once
// Keeping a character on screen: a place saved on another day (another monitor, another
// resolution) is moved onto the work areas the desktop has now.
#include <vector>

#include "IDeskCharacters.h"

namespace desk {

// A rectangle on the screen, right and bottom exclusive.
struct DeskRect {
    long left = 0;
    long top = 0;
    long right = 0;
    long bottom = 0;

    long Width() const { return right - left; }
    long Height() const { return bottom - top; }
};

// The character's window around its reference point: the offsets of the window's edges from
// the point (left and top usually negative).
struct CharacterBox {
    long left = 0;
    long top = 0;
    long right = 0;
    long bottom = 0;
};

// The reference point moved by the shortest way so that the window lies whole on one work
// area: the one it overlaps most, or the nearest when it overlaps none. A window larger than
// the area keeps its top-left corner on it. With no work areas the point stays.
DeskPoint KeepOnScreen(DeskPoint point, CharacterBox box, const std::vector<DeskRect>& workAreas);

// The place on the primary work area for "Bring everything back": where the character is
// when that is whole on the area, else moved onto it.
DeskPoint BringBack(DeskPoint point, CharacterBox box, DeskRect primaryWorkArea);

}  // namespace desk
