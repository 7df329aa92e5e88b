#include "CLayeredAttributes.h"

#include "RuntimeConstants.h"

void CLayeredAttributes::Load() {
    m_library.Reset(LoadLibraryA("USER32.DLL"));
    if (!m_library) return;
    // A procedure address becomes the entry's type through an untyped pointer.
    m_entry = reinterpret_cast<Entry>(
        reinterpret_cast<void*>(GetProcAddress(m_library.Get(), "SetLayeredWindowAttributes")));
}

bool CLayeredAttributes::Set(HWND window, COLORREF key, BYTE alpha, DWORD flags) const {
    return m_entry != nullptr && m_entry(window, key, alpha, flags) != FALSE;
}

COLORREF KeyColourRef() {
    return RGB((KEY_COLOUR >> 16) & 0xFF, (KEY_COLOUR >> 8) & 0xFF, KEY_COLOUR & 0xFF);
}
