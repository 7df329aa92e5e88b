#pragma once
// An owned BSTR. A null BSTR and an empty one are different values to the interface.
#include "PlatformHeaders.h"

#include <string>
#include <string_view>
#include <utility>

namespace com {

class Bstr {
public:
    Bstr() = default;
    explicit Bstr(std::wstring_view text)
        : m_text(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    Bstr(const Bstr& other) : m_text(other.m_text ? SysAllocStringLen(other.m_text, other.Length()) : nullptr) {}
    Bstr(Bstr&& other) noexcept : m_text(std::exchange(other.m_text, nullptr)) {}
    Bstr& operator=(Bstr other) noexcept {
        std::swap(m_text, other.m_text);
        return *this;
    }
    ~Bstr() { SysFreeString(m_text); }

    static Bstr Adopt(BSTR text) {
        Bstr result;
        result.m_text = text;
        return result;
    }
    // A copy of a caller's string, null staying null.
    static Bstr CopyOf(BSTR text) {
        if (text == nullptr) return Bstr();
        return Bstr(std::wstring_view(text, SysStringLen(text)));
    }

    BSTR Get() const { return m_text; }
    bool IsNull() const { return m_text == nullptr; }
    UINT Length() const { return SysStringLen(m_text); }
    std::wstring Text() const { return m_text ? std::wstring(m_text, Length()) : std::wstring(); }
    BSTR* Put() {
        SysFreeString(std::exchange(m_text, nullptr));
        return &m_text;
    }
    BSTR Detach() { return std::exchange(m_text, nullptr); }

private:
    BSTR m_text = nullptr;
};

// The text of a caller's BSTR (null reads as empty).
inline std::wstring TextOf(BSTR text) { return text ? std::wstring(text, SysStringLen(text)) : std::wstring(); }

}  // namespace com
