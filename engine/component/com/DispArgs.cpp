#include "DispArgs.h"

#include "Variant.h"

namespace com {

VARIANT* DispArgs::At(UINT index) const {
    if (index >= m_parameters.cArgs) return nullptr;
    VARIANT* argument = &m_parameters.rgvarg[RawIndex(index)];
    while (argument != nullptr && argument->vt == (VT_BYREF | VT_VARIANT)) argument = argument->pvarVal;
    return argument;
}

HRESULT DispArgs::ToString(UINT index, Bstr& text) const {
    VARIANT* argument = At(index);
    if (argument == nullptr) return DISP_E_PARAMNOTFOUND;
    Variant converted;
    if (FAILED(VariantChangeType(converted.Get(), argument, 0, VT_BSTR))) return DISP_E_TYPEMISMATCH;
    text = Bstr::CopyOf(converted.Get()->bstrVal);
    return S_OK;
}

HRESULT DispArgs::ToInt32(UINT index, int32_t& value) const {
    VARIANT* argument = At(index);
    if (argument == nullptr) return DISP_E_PARAMNOTFOUND;
    Variant converted;
    if (FAILED(VariantChangeType(converted.Get(), argument, 0, VT_I4))) return DISP_E_TYPEMISMATCH;
    value = converted.Get()->lVal;
    return S_OK;
}

HRESULT DispArgs::ToHandle(UINT index, uintptr_t& value) const {
    VARIANT* argument = At(index);
    if (argument == nullptr) return DISP_E_PARAMNOTFOUND;
    switch (argument->vt) {
    case VT_EMPTY: value = 0; return S_OK;
    case VT_I2: value = static_cast<uintptr_t>(static_cast<intptr_t>(argument->iVal)); return S_OK;
    case VT_I4: value = static_cast<uintptr_t>(static_cast<intptr_t>(argument->lVal)); return S_OK;
    case VT_I8: value = static_cast<uintptr_t>(argument->llVal); return S_OK;
    case VT_BYREF | VT_I2: value = static_cast<uintptr_t>(static_cast<intptr_t>(*argument->piVal)); return S_OK;
    case VT_BYREF | VT_I4: value = static_cast<uintptr_t>(static_cast<intptr_t>(*argument->plVal)); return S_OK;
    case VT_BYREF | VT_I8: value = static_cast<uintptr_t>(*argument->pllVal); return S_OK;
    default: return DISP_E_TYPEMISMATCH;
    }
}

HRESULT DispArgs::ToInterface(UINT index, REFIID iid, void** object) const {
    *object = nullptr;
    VARIANT* argument = At(index);
    if (argument == nullptr) return DISP_E_PARAMNOTFOUND;
    IUnknown* unknown = nullptr;
    switch (argument->vt) {
    case VT_DISPATCH: unknown = argument->pdispVal; break;
    case VT_UNKNOWN: unknown = argument->punkVal; break;
    case VT_BYREF | VT_DISPATCH: unknown = *argument->ppdispVal; break;
    case VT_BYREF | VT_UNKNOWN: unknown = *argument->ppunkVal; break;
    case VT_EMPTY:
    case VT_NULL: return S_OK;  // no object: the member decides
    default: return DISP_E_TYPEMISMATCH;
    }
    if (unknown == nullptr) return S_OK;
    return SUCCEEDED(unknown->QueryInterface(iid, object)) ? S_OK : DISP_E_TYPEMISMATCH;
}

HRESULT DispArgs::SetOutInt32(UINT index, int32_t value) const {
    if (index >= m_parameters.cArgs) return DISP_E_PARAMNOTFOUND;
    VARIANT& raw = m_parameters.rgvarg[RawIndex(index)];
    if (raw.vt == (VT_BYREF | VT_I4)) {
        *raw.plVal = value;
        return S_OK;
    }
    if (raw.vt == (VT_BYREF | VT_VARIANT) && raw.pvarVal != nullptr) {
        VariantClear(raw.pvarVal);
        raw.pvarVal->vt = VT_I4;
        raw.pvarVal->lVal = value;
        return S_OK;
    }
    return DISP_E_TYPEMISMATCH;
}

void SetResultInt32(VARIANT* result, int32_t value) {
    if (result == nullptr) return;
    VariantInit(result);
    result->vt = VT_I4;
    result->lVal = value;
}

void SetResultDispatch(VARIANT* result, IDispatch* object) {
    if (result == nullptr) {
        if (object != nullptr) object->Release();
        return;
    }
    VariantInit(result);
    result->vt = VT_DISPATCH;
    result->pdispVal = object;
}

}  // namespace com
