#pragma once
// An owned VARIANT, cleared when it goes.
#include "PlatformHeaders.h"

#include <utility>

namespace com {

class Variant {
public:
    Variant() { VariantInit(&m_value); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    Variant(Variant&& other) noexcept {
        m_value = other.m_value;
        VariantInit(&other.m_value);
    }
    ~Variant() { VariantClear(&m_value); }

    VARIANT* Get() { return &m_value; }
    const VARIANT* Get() const { return &m_value; }
    VARTYPE Type() const { return m_value.vt; }
    void Clear() { VariantClear(&m_value); }
    // Hands the contents to an out-variant, leaving this empty.
    void DetachTo(VARIANT* out) {
        *out = m_value;
        VariantInit(&m_value);
    }

private:
    VARIANT m_value;
};

}  // namespace com
