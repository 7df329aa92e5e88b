#include "OpacityView.h"

namespace {
constexpr uint32_t kKeyColour = 0xAFAFAF;
}

Surface Checkerboard(int width, int height) {
    Surface board(width, height);
    for (int y = 0; y < board.Height(); ++y) {
        uint32_t* row = board.Row(y);
        for (int x = 0; x < board.Width(); ++x)
            row[x] = ((x / kCheckerCell + y / kCheckerCell) % 2 == 0) ? kCheckerLight : kCheckerDark;
    }
    return board;
}

Surface PremultipliedPicture(const CBryDIB& image) {
    Surface picture(image.DrawnWidth(), image.DrawnRows());
    image.DrawPremultiplied(picture, 0, 0, kKeyColour);
    return picture;
}
