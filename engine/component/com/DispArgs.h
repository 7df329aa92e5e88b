#pragma once
// The positional arguments of an IDispatch::Invoke call as a script passes them: in natural
// order, with references to variants (VT_BYREF | VT_VARIANT) followed to their variant.
// Used by the members whose arguments the type library's Invoke cannot take from a script.
#include "PlatformHeaders.h"

#include <cstdint>

#include "Bstr.h"
#include "ComPtr.h"

namespace com {

class DispArgs {
public:
    explicit DispArgs(DISPPARAMS& parameters) : m_parameters(parameters) {}

    UINT Count() const { return m_parameters.cArgs; }
    bool HasNamed() const { return m_parameters.cNamedArgs != 0; }
    // The argument at natural position index, followed through variant references.
    VARIANT* At(UINT index) const;
    // rgvarg's index of a natural position (for the argument-error out-parameter).
    UINT RawIndex(UINT index) const { return m_parameters.cArgs - 1 - index; }

    HRESULT ToString(UINT index, Bstr& text) const;
    HRESULT ToInt32(UINT index, int32_t& value) const;
    // A window handle from a script's number: 2-, 4- or 8-byte integers, by value or by
    // reference, or empty (0); 32-bit values are sign-extended.
    HRESULT ToHandle(UINT index, uintptr_t& value) const;
    HRESULT ToInterface(UINT index, REFIID iid, void** object) const;
    // Writes a 32-bit result into a by-reference argument (a long or a variant).
    HRESULT SetOutInt32(UINT index, int32_t value) const;

private:
    DISPPARAMS& m_parameters;
};

// The result variant of a call that returns a 32-bit number or an interface.
void SetResultInt32(VARIANT* result, int32_t value);
void SetResultDispatch(VARIANT* result, IDispatch* object);

}  // namespace com
