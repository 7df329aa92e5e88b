#include "BackdropPainting.h"

#include "ClientHandles.h"

namespace {

COLORREF Blend(COLORREF from, COLORREF to, int step, int steps) {
    const auto mix = [&](int a, int b) { return a + (b - a) * step / steps; };
    return RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
               mix(GetBValue(from), GetBValue(to)));
}

void FillBand(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    const GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    const RECT band{left, top, right, bottom};
    FillRect(dc, &band, brush.Get());
}

// A vertical gradient in bands of a few pixels.
void FillGradient(HDC dc, const RECT& area, COLORREF top, COLORREF bottom) {
    constexpr int kBands = 48;
    const int height = area.bottom - area.top;
    for (int band = 0; band < kBands; ++band) {
        const int y0 = area.top + height * band / kBands;
        const int y1 = area.top + height * (band + 1) / kBands;
        FillBand(dc, area.left, y0, area.right, y1, Blend(top, bottom, band, kBands - 1));
    }
}

void FillEllipse(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    const GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    const GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
    const Selection brushSelected(dc, brush.Get());
    const Selection penSelected(dc, pen.Get());
    Ellipse(dc, left, top, right, bottom);
}

// Pixels of a 96-DPI screen on the device (the demo is system-aware: the system DPI).
int Px(HDC dc, int pixels) { return MulDiv(pixels, GetDeviceCaps(dc, LOGPIXELSY), 96); }

void DrawHills(HDC dc, const RECT& area, int groundY) {
    const int width = area.right - area.left;
    FillEllipse(dc, area.left - width / 5, groundY - Px(dc, 170), area.left + width * 3 / 5, groundY + Px(dc, 260),
                RGB(120, 170, 110));
    FillEllipse(dc, area.left + width * 2 / 5, groundY - Px(dc, 120), area.right + width / 5, groundY + Px(dc, 300),
                RGB(98, 150, 96));
}

// Grass below the ground line, with darker stripes so that moving characters stand out.
void DrawGround(HDC dc, const RECT& area, int groundY) {
    const RECT ground{area.left, groundY, area.right, area.bottom};
    FillGradient(dc, ground, RGB(96, 160, 72), RGB(52, 102, 44));
    const int stripe = Px(dc, 32);
    for (int x = area.left; x < area.right; x += 2 * stripe)
        FillBand(dc, x, groundY, x + stripe, groundY + Px(dc, 6), RGB(80, 136, 60));
}

void DrawTitle(HDC dc, const RECT& area) {
    const GdiObject<HFONT> font(CreateFontW(Px(dc, 28), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"DejaVu Sans"));
    const Selection fontSelected(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(30, 50, 90));
    RECT title{area.left + Px(dc, 40), area.top + Px(dc, 30), area.right - Px(dc, 40), area.top + Px(dc, 80)};
    DrawTextW(dc, L"VimroGE demo: Pip and Ball on the desktop", -1, &title, DT_LEFT | DT_SINGLELINE);
}

}  // namespace

void PaintBackdrop(HDC dc, const RECT& area, int groundY) {
    const RECT sky{area.left, area.top, area.right, groundY};
    FillGradient(dc, sky, RGB(92, 150, 220), RGB(214, 232, 246));
    FillEllipse(dc, area.right - Px(dc, 260), area.top + Px(dc, 70), area.right - Px(dc, 150), area.top + Px(dc, 180),
                RGB(255, 214, 96));
    DrawHills(dc, area, groundY);
    DrawGround(dc, area, groundY);
    DrawTitle(dc, area);
}
