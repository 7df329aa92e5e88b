#pragma once
// The Windows Imaging Component's factory with COM initialised for as long as it is held, and a
// reference that releases its interface.
#include <windows.h>

#include <wincodec.h>

template <typename T>
class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() {
        if (m_pointer != nullptr) m_pointer->Release();
    }
    T* operator->() const { return m_pointer; }
    T* get() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }
    // For the functions that hand out a new reference.
    T** out() {
        if (m_pointer != nullptr) m_pointer->Release();
        m_pointer = nullptr;
        return &m_pointer;
    }

private:
    T* m_pointer = nullptr;
};

class WicFactory {
public:
    WicFactory();
    WicFactory(const WicFactory&) = delete;
    WicFactory& operator=(const WicFactory&) = delete;
    ~WicFactory();
    // Null when the component is missing.
    IWICImagingFactory* get() const { return m_factory.get(); }

private:
    bool m_uninitialise = false;
    ComRef<IWICImagingFactory> m_factory;
};
