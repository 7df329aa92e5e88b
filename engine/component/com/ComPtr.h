#pragma once
// A counted reference to a COM interface: AddRef on copy, Release when it goes.
#include "PlatformHeaders.h"

#include <utility>

namespace com {

template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Takes a new reference of its own.
    explicit ComPtr(Interface* pointer) : m_pointer(pointer) {
        if (m_pointer != nullptr) m_pointer->AddRef();
    }
    ComPtr(const ComPtr& other) : ComPtr(other.m_pointer) {}
    ComPtr(ComPtr&& other) noexcept : m_pointer(std::exchange(other.m_pointer, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(m_pointer, other.m_pointer);
        return *this;
    }
    ~ComPtr() { Reset(); }

    // Adopts a reference that the caller already owns.
    static ComPtr Adopt(Interface* pointer) {
        ComPtr result;
        result.m_pointer = pointer;
        return result;
    }

    Interface* Get() const { return m_pointer; }
    Interface* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }

    void Reset() {
        if (Interface* pointer = std::exchange(m_pointer, nullptr)) pointer->Release();
    }
    // Releases what is held and gives the slot for an out-parameter.
    Interface** Put() {
        Reset();
        return &m_pointer;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }
    // Gives the reference up to the caller (an out-parameter).
    Interface* Detach() { return std::exchange(m_pointer, nullptr); }

    template <class Other>
    HRESULT As(ComPtr<Other>& result) const {
        if (m_pointer == nullptr) return E_POINTER;
        return m_pointer->QueryInterface(__uuidof(Other), result.PutVoid());
    }
    HRESULT AsIid(REFIID iid, void** result) const {
        if (m_pointer == nullptr) return E_POINTER;
        return m_pointer->QueryInterface(iid, result);
    }

    friend bool operator==(const ComPtr& a, const ComPtr& b) { return a.m_pointer == b.m_pointer; }
    friend bool operator!=(const ComPtr& a, const ComPtr& b) { return a.m_pointer != b.m_pointer; }

private:
    Interface* m_pointer = nullptr;
};

// Queries any interface pointer for another interface.
template <class Other, class Interface>
ComPtr<Other> QueryAs(Interface* pointer) {
    ComPtr<Other> result;
    if (pointer != nullptr) pointer->QueryInterface(__uuidof(Other), result.PutVoid());
    return result;
}

}  // namespace com
