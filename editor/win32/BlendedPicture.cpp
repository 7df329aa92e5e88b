#include "BlendedPicture.h"

#include <cstring>

#include "CBryDIB.h"
#include "OpacityView.h"
#include "Win32Handles.h"

namespace {

BITMAPINFO TopDownInfo(const Surface& surface) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = surface.Width();
    info.bmiHeader.biHeight = -surface.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

void DrawCheckerboard(HDC dc, int width, int height) {
    const Surface board = Checkerboard(width, height);
    if (board.Pixels().empty()) return;
    const BITMAPINFO info = TopDownInfo(board);
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(board.Width()), static_cast<UINT>(board.Height()), 0, 0, 0,
                      static_cast<UINT>(board.Height()), board.Pixels().data(), &info, DIB_RGB_COLORS);
}

void DrawBlendedPicture(HDC dc, const CBryDIB& image, int x, int y, int zoom) {
    const Surface picture = PremultipliedPicture(image);
    if (picture.Pixels().empty()) return;
    const BITMAPINFO info = TopDownInfo(picture);
    void* bits = nullptr;
    const UniqueMemoryDc memory(CreateCompatibleDC(dc));
    const UniqueBitmap section(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !section || bits == nullptr) return;
    std::memcpy(bits, picture.Pixels().data(), picture.Pixels().size() * sizeof(uint32_t));
    const HGDIOBJ replaced = SelectObject(memory.get(), section.get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    const int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
    AlphaBlend(dc, x, y, picture.Width() * zoom, picture.Height() * zoom, memory.get(), 0, 0, picture.Width(),
               picture.Height(), blend);
    SetStretchBltMode(dc, previousMode);
    SelectObject(memory.get(), replaced);
}
