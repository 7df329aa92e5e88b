#include "ZoomedPicture.h"

#include "CBryDIB.h"
#include "COffscreenBuffer.h"
#include "win32/DibGdi.h"

void DrawZoomedPicture(HDC dc, const CBryDIB& image, int x, int y, int zoom, HPALETTE palette) {
    if (zoom == 1) {
        DrawPicture(dc, image, x, y, palette);
        return;
    }
    // Drawn at its own size first, then enlarged without mixing neighbouring colours.
    COffscreenBuffer picture;
    picture.Make(image.DrawnWidth(), image.DrawnRows());
    if (picture.Dc() == nullptr) return;
    DrawPicture(picture.Dc(), image, 0, 0, palette);
    const int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, x, y, picture.Width() * zoom, picture.Height() * zoom, picture.Dc(), 0, 0, picture.Width(),
               picture.Height(), SRCCOPY);
    SetStretchBltMode(dc, previousMode);
}
