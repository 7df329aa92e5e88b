#include "SurfaceBlit.h"

#include "Surface.h"

void BlitSurface(HDC dc, const Surface& surface, int x, int y) {
    if (dc == nullptr || surface.Pixels().empty()) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = surface.Width();
    info.bmiHeader.biHeight = -surface.Height();  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const auto rows = static_cast<UINT>(surface.Height());
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(surface.Width()), rows, 0, 0, 0, rows,
                      surface.Pixels().data(), &info, DIB_RGB_COLORS);
}
