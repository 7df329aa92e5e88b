#pragma once
// The look of one balloon page: its size in the style's font at a DPI, its shape as a window
// region (a rounded body with a pointed tail for speech, a rounder body with two bubbles for
// thought), and its drawing.
#include "Win32Api.h"

#include "BalloonPlacement.h"
#include "BalloonStyle.h"
#include "BalloonText.h"
#include "UniqueHandle.h"

class CBalloonArtist {
public:
    // Measures the page; false when the font cannot be made.
    bool SetPage(BalloonKind kind, const BalloonStyle& style, const BalloonPage& page, UINT dpi);
    // The same page measured again at another DPI.
    bool Rescale(UINT dpi) { return SetPage(m_kind, m_style, m_page, dpi); }
    const BalloonGeometry& Geometry() const { return m_geometry; }
    // The shape in the coordinates of the placement's window rectangle.
    UniqueRegion Shape(const BalloonPlacement& placement) const;
    void Paint(HDC dc, const BalloonPlacement& placement) const;

private:
    int Scaled(int pixels) const { return MulDiv(pixels, static_cast<int>(m_dpi), 96); }

    BalloonKind m_kind = BalloonKind::Speech;
    BalloonStyle m_style;
    BalloonPage m_page;
    UINT m_dpi = 96;
    UniqueFont m_font;
    int m_lineHeight = 0;
    int m_padX = 0, m_padY = 0;
    BalloonGeometry m_geometry;
};
