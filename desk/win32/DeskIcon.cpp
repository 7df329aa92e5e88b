#include "DeskIcon.h"

#include "ClientHandles.h"

namespace {

using Bitmap = GdiObject<HBITMAP>;

// A memory drawing context selecting one bitmap, both released with it.
class Drawing {
public:
    Drawing(HDC screen, HBITMAP bitmap) : m_dc(CreateCompatibleDC(screen)) {
        if (m_dc != nullptr) m_previous = SelectObject(m_dc, bitmap);
    }
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;
    ~Drawing() {
        if (m_dc == nullptr) return;
        SelectObject(m_dc, m_previous);
        DeleteDC(m_dc);
    }
    HDC Get() const { return m_dc; }

    void Ellipse(int left, int top, int right, int bottom, COLORREF colour) const {
        const GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
        const GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
        const Selection withBrush(m_dc, brush.Get());
        const Selection withPen(m_dc, pen.Get());
        ::Ellipse(m_dc, left, top, right, bottom);
    }

private:
    HDC m_dc;
    HGDIOBJ m_previous = nullptr;
};

// Ears, face and eyes in a square of side n; the mask draws the same shapes black on white.
void DrawFace(const Drawing& drawing, int n, bool mask) {
    const auto colour = [mask](COLORREF c) { return mask ? RGB(0, 0, 0) : c; };
    drawing.Ellipse(0, n / 8, n * 3 / 8, n * 5 / 8, colour(RGB(120, 70, 30)));
    drawing.Ellipse(n * 5 / 8, n / 8, n, n * 5 / 8, colour(RGB(120, 70, 30)));
    drawing.Ellipse(n / 8, n / 4, n * 7 / 8, n, colour(RGB(214, 150, 80)));
    if (mask) return;
    drawing.Ellipse(n * 5 / 16, n / 2, n * 7 / 16, n * 5 / 8, RGB(30, 20, 10));
    drawing.Ellipse(n * 9 / 16, n / 2, n * 11 / 16, n * 5 / 8, RGB(30, 20, 10));
    drawing.Ellipse(n * 7 / 16, n * 11 / 16, n * 9 / 16, n * 13 / 16, RGB(30, 20, 10));
}

}  // namespace

DeskIcon::DeskIcon() {
    const int n = GetSystemMetrics(SM_CXSMICON) > 0 ? GetSystemMetrics(SM_CXSMICON) : 16;
    const HDC screen = GetDC(nullptr);
    if (screen == nullptr) return;
    Bitmap colour(CreateCompatibleBitmap(screen, n, n));
    Bitmap mask(CreateBitmap(n, n, 1, 1, nullptr));
    if (colour.Get() != nullptr && mask.Get() != nullptr) {
        {
            const Drawing picture(screen, colour.Get());
            const RECT all{0, 0, n, n};
            FillRect(picture.Get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            DrawFace(picture, n, false);
            const Drawing stencil(screen, mask.Get());
            FillRect(stencil.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            DrawFace(stencil, n, true);
        }
        ICONINFO info{TRUE, 0, 0, mask.Get(), colour.Get()};
        m_icon = CreateIconIndirect(&info);  // copies both bitmaps
    }
    ReleaseDC(nullptr, screen);
}

DeskIcon::~DeskIcon() {
    if (m_icon != nullptr) DestroyIcon(m_icon);
}

HICON DeskIcon::Get() const { return m_icon != nullptr ? m_icon : LoadIconW(nullptr, MAKEINTRESOURCEW(32512)); }
