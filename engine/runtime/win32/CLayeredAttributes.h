#pragma once
// Per-window colour-key transparency, where the system offers it: SetLayeredWindowAttributes
// looked up at run time, so that the engine also starts on systems without layered windows.
#include "Win32Api.h"

#include "UniqueHandle.h"

class CLayeredAttributes {
public:
    // Loads "USER32.DLL" and looks the entry up; the library stays loaded while this lives.
    void Load();
    bool Available() const { return m_entry != nullptr; }
    // Colour key (a COLORREF), alpha and flags, as SetLayeredWindowAttributes takes them.
    bool Set(HWND window, COLORREF key, BYTE alpha, DWORD flags) const;

private:
    using Entry = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    UniqueModule m_library;
    Entry m_entry = nullptr;
};

// KEY_COLOUR as a COLORREF.
COLORREF KeyColourRef();
