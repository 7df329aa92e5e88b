#include "CLayeredAttributes.h"

#include "RuntimeConstants.h"

void CLayeredAttributes::Load() {
    m_library.Reset(LoadLibraryA("USER32.DLL"));
    if (!m_library) return;
    // A procedure address becomes the entry's type through an untyped pointer.
    m_entry = reinterpret_cast<Entry>(
        reinterpret_cast<void*>(GetProcAddress(m_library.Get(), "SetLayeredWindowAttributes")));
    m_update = reinterpret_cast<UpdateEntry>(
        reinterpret_cast<void*>(GetProcAddress(m_library.Get(), "UpdateLayeredWindow")));
}

bool CLayeredAttributes::UpdateWithAlpha(HWND window, POINT topLeft, SIZE size, HDC source) const {
    if (m_update == nullptr) return false;
    BLENDFUNCTION blend{};
    blend.BlendOp = AC_SRC_OVER;
    blend.SourceConstantAlpha = 255;
    blend.AlphaFormat = AC_SRC_ALPHA;
    POINT sourceOrigin{0, 0};
    // No screen context: the default palette, which only palette displays would use.
    return m_update(window, nullptr, &topLeft, &size, source, &sourceOrigin, 0, &blend, ULW_ALPHA) != FALSE;
}

bool CLayeredAttributes::Set(HWND window, COLORREF key, BYTE alpha, DWORD flags) const {
    return m_entry != nullptr && m_entry(window, key, alpha, flags) != FALSE;
}

COLORREF KeyColourRef() {
    return RGB((KEY_COLOUR >> 16) & 0xFF, (KEY_COLOUR >> 8) & 0xFF, KEY_COLOUR & 0xFF);
}
