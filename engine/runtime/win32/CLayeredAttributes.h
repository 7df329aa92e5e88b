#pragma once
// Per-window colour-key transparency, where the system offers it: SetLayeredWindowAttributes
// looked up at run time, so that the engine also starts on systems without layered windows.
// UpdateLayeredWindow, for pictures with opacity, is looked up the same way.
#include "Win32Api.h"

#include "UniqueHandle.h"

class CLayeredAttributes {
public:
    // Loads "USER32.DLL" and looks the entry up; the library stays loaded while this lives.
    void Load();
    bool Available() const { return m_entry != nullptr; }
    // Colour key (a COLORREF), alpha and flags, as SetLayeredWindowAttributes takes them.
    bool Set(HWND window, COLORREF key, BYTE alpha, DWORD flags) const;
    bool CanUpdate() const { return m_update != nullptr; }
    // The window's picture from the source context at (0, 0), blended by its premultiplied
    // opacity (ULW_ALPHA), at topLeft and of size.
    bool UpdateWithAlpha(HWND window, POINT topLeft, SIZE size, HDC source) const;

private:
    using Entry = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    UniqueModule m_library;
    Entry m_entry = nullptr;
    using UpdateEntry = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);
    UpdateEntry m_update = nullptr;
};

// KEY_COLOUR as a COLORREF.
COLORREF KeyColourRef();
