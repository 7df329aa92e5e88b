#include "CBalloonArtist.h"

#include <algorithm>

namespace {

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

POINT Relative(const ScreenPoint& point, const ScreenRect& origin) {
    return POINT{point.x - origin.left, point.y - origin.top};
}

UniqueRegion Combined(UniqueRegion into, UniqueRegion added) {
    if (into && added) CombineRgn(into.Get(), into.Get(), added.Get(), RGN_OR);
    return into;
}

UniqueRegion Circle(POINT centre, int radius) {
    return UniqueRegion(CreateEllipticRgn(centre.x - radius, centre.y - radius, centre.x + radius + 1, centre.y + radius + 1));
}

// A memory drawing context with the font selected, for measuring.
class MeasuringDc {
public:
    explicit MeasuringDc(HFONT font) : m_dc(CreateCompatibleDC(nullptr)) {
        if (m_dc) m_old = SelectObject(m_dc.Get(), font);
    }
    MeasuringDc(const MeasuringDc&) = delete;
    MeasuringDc& operator=(const MeasuringDc&) = delete;
    ~MeasuringDc() {
        if (m_dc) SelectObject(m_dc.Get(), m_old);
    }
    HDC Get() const { return m_dc.Get(); }

private:
    UniqueMemoryDc m_dc;
    HGDIOBJ m_old = nullptr;
};

}  // namespace

bool CBalloonArtist::SetPage(BalloonKind kind, const BalloonStyle& style, const BalloonPage& page, UINT dpi) {
    m_kind = kind;
    m_style = style;
    m_page = page;
    m_dpi = dpi;
    m_font.Reset(CreateFontW(-MulDiv(style.fontSize, static_cast<int>(dpi), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                             FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, Wide(style.fontName)));
    if (!m_font) return false;
    const MeasuringDc dc(m_font.Get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.Get(), &metrics);
    m_lineHeight = std::max<int>(metrics.tmHeight, 1);
    int widest = 0;
    for (const std::u16string& line : page) {
        SIZE size{};
        GetTextExtentPoint32W(dc.Get(), Wide(line), static_cast<int>(line.size()), &size);
        widest = std::max<int>(widest, size.cx);
    }
    const int textHeight = m_lineHeight * static_cast<int>(page.size());
    m_padY = Scaled(8);
    // A thought's round ends need room beside the text.
    m_padX = kind == BalloonKind::Thought ? Scaled(8) + (textHeight + 2 * m_padY) / 3 : Scaled(10);
    m_geometry.bodyWidth = widest + 2 * m_padX;
    m_geometry.bodyHeight = textHeight + 2 * m_padY;
    m_geometry.tailLength = Scaled(kind == BalloonKind::Thought ? 20 : 16);
    m_geometry.tailHalfWidth = Scaled(7);
    m_geometry.cornerRadius = kind == BalloonKind::Thought ? m_geometry.bodyHeight / 2 : Scaled(10);
    return true;
}

UniqueRegion CBalloonArtist::Shape(const BalloonPlacement& placement) const {
    const ScreenRect& origin = placement.window;
    const RECT body{placement.body.left - origin.left, placement.body.top - origin.top,
                    placement.body.right - origin.left, placement.body.bottom - origin.top};
    const int diameter = 2 * m_geometry.cornerRadius;
    UniqueRegion shape(CreateRoundRectRgn(body.left, body.top, body.right + 1, body.bottom + 1, diameter, diameter));
    const POINT base = Relative(placement.tailBase, origin);
    const POINT tip = Relative(placement.tailTip, origin);
    if (m_kind == BalloonKind::Thought) {
        // Two bubbles on the way from the body to the character.
        const POINT larger{base.x + (tip.x - base.x) * 2 / 5, base.y + (tip.y - base.y) * 2 / 5};
        const POINT smaller{base.x + (tip.x - base.x) * 17 / 20, base.y + (tip.y - base.y) * 17 / 20};
        return Combined(Combined(std::move(shape), Circle(larger, Scaled(5))), Circle(smaller, Scaled(3)));
    }
    // The base reaches a little into the body so that the two pieces join without a seam.
    const int into = placement.below ? Scaled(3) : -Scaled(3);
    const POINT triangle[3] = {{base.x - m_geometry.tailHalfWidth, base.y + into},
                               {base.x + m_geometry.tailHalfWidth, base.y + into},
                               tip};
    return Combined(std::move(shape), UniqueRegion(CreatePolygonRgn(triangle, 3, WINDING)));
}

void CBalloonArtist::Paint(HDC dc, const BalloonPlacement& placement) const {
    const UniqueRegion shape = Shape(placement);
    const UniqueBrush back(CreateSolidBrush(m_style.backColor));
    const UniqueBrush border(CreateSolidBrush(m_style.borderColor));
    if (!shape || !back || !border) return;
    FillRgn(dc, shape.Get(), back.Get());
    const int line = std::max(1, Scaled(1));
    FrameRgn(dc, shape.Get(), border.Get(), line, line);
    const HGDIOBJ oldFont = SelectObject(dc, m_font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, m_style.textColor);
    const int left = placement.body.left - placement.window.left + m_padX;
    int top = placement.body.top - placement.window.top + m_padY;
    for (const std::u16string& text : m_page) {
        TextOutW(dc, left, top, Wide(text), static_cast<int>(text.size()));
        top += m_lineHeight;
    }
    SelectObject(dc, oldFont);
}
