#pragma once
// Scopes of Win32 state that must be undone on the same path: a window's drawing context,
// a variant's contents and a thread's component apartment.
#include "Win32Api.h"

#include <objbase.h>
#include <oleauto.h>

// GetDC / ReleaseDC; a null window gives the whole screen's context.
class WindowDc {
public:
    explicit WindowDc(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (m_dc != nullptr) ReleaseDC(m_window, m_dc);
    }
    HDC Get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// VariantInit / VariantClear.
class Variant {
public:
    Variant() { VariantInit(&m_value); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&m_value); }
    VARIANT* Get() { return &m_value; }
    const VARIANT* Get() const { return &m_value; }

private:
    VARIANT m_value;
};

// CoInitialize / CoUninitialize for the calling thread.
class ComApartment {
public:
    ComApartment() : m_result(CoInitialize(nullptr)) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (SUCCEEDED(m_result)) CoUninitialize();
    }

private:
    HRESULT m_result;
};
