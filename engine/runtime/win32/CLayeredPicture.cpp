#include "CLayeredPicture.h"

#include <cstring>

#include "CLayeredAttributes.h"
#include "Surface.h"

bool CLayeredPicture::Prepare(int width, int height) {
    if (!m_dc) m_dc.Reset(CreateCompatibleDC(nullptr));
    if (!m_dc) return false;
    if (m_bitmap && width == m_width && height == m_height) return true;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first, as the surface
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap.Reset(CreateDIBSection(m_dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    m_bits = m_bitmap ? bits : nullptr;
    m_width = m_bitmap ? width : 0;
    m_height = m_bitmap ? height : 0;
    return m_bits != nullptr;
}

bool CLayeredPicture::Show(const CLayeredAttributes& layered, HWND window, const Surface& premultiplied,
                           POINT topLeft) {
    if (!layered.CanUpdate() || premultiplied.Pixels().empty()) return false;
    if (!Prepare(premultiplied.Width(), premultiplied.Height())) return false;
    // GDI may still be drawing into the section; its pixels are ours once it has finished.
    GdiFlush();
    std::memcpy(m_bits, premultiplied.Pixels().data(), premultiplied.Pixels().size() * sizeof(uint32_t));
    const HGDIOBJ previous = SelectObject(m_dc.Get(), m_bitmap.Get());
    const bool shown = layered.UpdateWithAlpha(window, topLeft, SIZE{m_width, m_height}, m_dc.Get());
    SelectObject(m_dc.Get(), previous);
    return shown;
}
