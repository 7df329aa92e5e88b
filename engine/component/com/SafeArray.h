#pragma once
// An owned SAFEARRAY, and the one-dimensional string arrays of the interface.
#include "PlatformHeaders.h"

#include <string>
#include <utility>
#include <vector>

namespace com {

class SafeArray {
public:
    SafeArray() = default;
    explicit SafeArray(SAFEARRAY* array) : m_array(array) {}
    SafeArray(const SafeArray&) = delete;
    SafeArray& operator=(const SafeArray&) = delete;
    SafeArray(SafeArray&& other) noexcept : m_array(std::exchange(other.m_array, nullptr)) {}
    SafeArray& operator=(SafeArray&& other) noexcept {
        std::swap(m_array, other.m_array);
        return *this;
    }
    ~SafeArray() {
        if (m_array != nullptr) SafeArrayDestroy(m_array);
    }

    SAFEARRAY* Get() const { return m_array; }
    SAFEARRAY* Detach() { return std::exchange(m_array, nullptr); }
    explicit operator bool() const { return m_array != nullptr; }

private:
    SAFEARRAY* m_array = nullptr;
};

// A new array of strings, lower bound 0, one element per text; empty on failure.
SafeArray MakeStringArray(const std::vector<std::wstring>& texts);
// The strings of a one-dimensional array of strings (VT_BSTR or VT_VARIANT elements);
// false when the array is of another shape.
bool ReadStringArray(SAFEARRAY* array, std::vector<std::wstring>& texts);

}  // namespace com
