#pragma once
// Owners of the few Windows resources the sample clients hold (the demo, VimroDesk): each is
// released when its owner goes.
#include <windows.h>

#include <objbase.h>

#include <utility>

// A GDI object (pen, brush, font) deleted with DeleteObject.
template <class Object>
class GdiObject {
public:
    explicit GdiObject(Object object) : m_object(object) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() {
        if (m_object != nullptr) DeleteObject(m_object);
    }
    Object Get() const { return m_object; }

private:
    Object m_object;
};

// Selects an object into a device context and puts the previous one back.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() { SelectObject(m_dc, m_previous); }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// A window destroyed with its owner (on the thread that made it).
class OwnedWindow {
public:
    OwnedWindow() = default;
    explicit OwnedWindow(HWND window) : m_window(window) {}
    OwnedWindow(OwnedWindow&& other) noexcept : m_window(std::exchange(other.m_window, nullptr)) {}
    OwnedWindow& operator=(OwnedWindow&& other) noexcept {
        std::swap(m_window, other.m_window);
        return *this;
    }
    OwnedWindow(const OwnedWindow&) = delete;
    OwnedWindow& operator=(const OwnedWindow&) = delete;
    ~OwnedWindow() {
        if (m_window != nullptr) DestroyWindow(m_window);
    }
    HWND Get() const { return m_window; }

private:
    HWND m_window = nullptr;
};

// The calling thread in a single-threaded apartment for the owner's lifetime.
class Apartment {
public:
    Apartment() : m_result(CoInitialize(nullptr)) {}
    Apartment(const Apartment&) = delete;
    Apartment& operator=(const Apartment&) = delete;
    ~Apartment() {
        if (SUCCEEDED(m_result)) CoUninitialize();
    }
    bool Ok() const { return SUCCEEDED(m_result); }

private:
    HRESULT m_result;
};
