#include "COffscreenBuffer.h"

void COffscreenBuffer::Make(int width, int height) {
    Release();
    const ScreenDc screen;
    m_dc.reset(CreateCompatibleDC(screen.Get()));
    m_bitmap.reset(CreateCompatibleBitmap(screen.Get(), width, height));
    if (m_dc && m_bitmap) m_replaced = SelectObject(m_dc.get(), m_bitmap.get());
    m_width = width;
    m_height = height;
}

void COffscreenBuffer::Release() {
    if (m_dc && m_replaced != nullptr) SelectObject(m_dc.get(), m_replaced);
    m_replaced = nullptr;
    m_bitmap.reset();
    m_dc.reset();
    m_width = 0;
    m_height = 0;
}

void COffscreenBuffer::FillWhite() {
    const RECT all{0, 0, m_width, m_height};
    FillRect(m_dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

void COffscreenBuffer::CopyTo(HDC target) const {
    BitBlt(target, 0, 0, m_width, m_height, m_dc.get(), 0, 0, SRCCOPY);
}
