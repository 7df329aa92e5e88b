#pragma once
// A memory device context with a screen-compatible bitmap selected into it: windows draw
// into it first and copy it to the screen in one go, so nothing flickers.
#include <windows.h>

#include "Win32Handles.h"

class COffscreenBuffer {
public:
    COffscreenBuffer() { Make(0, 0); }
    COffscreenBuffer(const COffscreenBuffer&) = delete;
    COffscreenBuffer& operator=(const COffscreenBuffer&) = delete;
    ~COffscreenBuffer() { Release(); }

    // Releases the current buffer and makes one of the given size.
    void Make(int width, int height);
    // Selects the replaced bitmap back, then deletes the bitmap and the device context.
    void Release();

    HDC Dc() const { return m_dc.get(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool HasSize(int width, int height) const { return width == m_width && height == m_height; }
    void FillWhite();
    void CopyTo(HDC target) const;

private:
    UniqueMemoryDc m_dc;
    UniqueBitmap m_bitmap;
    HGDIOBJ m_replaced = nullptr;
    int m_width = 0;
    int m_height = 0;
};
