#include "RequestArrays.h"

#include "AnsiText.h"
#include "HandoffTable.h"
#include "ScopedHandles.h"

namespace {

// The arrays in flight to character windows, under their own address, with their request ID.
HandoffTable<int32_t>& SentArrays() {
    static HandoffTable<int32_t> table;
    return table;
}

UniqueSafeArray MakeVariantArray(ULONG count) { return UniqueSafeArray(SafeArrayCreateVector(VT_VARIANT, 0, count)); }

// Puts a copy of the value into the array; the value itself is cleared by its owner.
bool PutElement(SAFEARRAY* array, LONG index, Variant& value) {
    return SUCCEEDED(SafeArrayPutElement(array, &index, value.Get()));
}

bool PutString(SAFEARRAY* array, LONG index, const std::wstring& text) {
    Variant value;
    value.Get()->vt = VT_BSTR;
    value.Get()->bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return value.Get()->bstrVal != nullptr && PutElement(array, index, value);
}

bool PutInt(SAFEARRAY* array, LONG index, int32_t number) {
    Variant value;
    value.Get()->vt = VT_I4;
    value.Get()->lVal = number;
    return PutElement(array, index, value);
}

bool PutBool(SAFEARRAY* array, LONG index, int16_t flag) {
    Variant value;
    value.Get()->vt = VT_BOOL;
    value.Get()->boolVal = flag;
    return PutElement(array, index, value);
}

bool PutUnknown(SAFEARRAY* array, LONG index, IUnknown* object) {
    Variant value;
    value.Get()->vt = VT_UNKNOWN;
    value.Get()->punkVal = object;
    if (object != nullptr) object->AddRef();  // released with the local variant
    return PutElement(array, index, value);
}

// A one-dimensional array of variants with at least count elements; gives its lower bound.
bool HasVariants(SAFEARRAY* array, LONG count, LONG& lower) {
    VARTYPE type = VT_EMPTY;
    LONG upper = 0;
    if (array == nullptr || SafeArrayGetDim(array) != 1) return false;
    if (FAILED(SafeArrayGetVartype(array, &type)) || type != VT_VARIANT) return false;
    if (FAILED(SafeArrayGetLBound(array, 1, &lower)) || FAILED(SafeArrayGetUBound(array, 1, &upper))) return false;
    return upper - lower + 1 >= count;
}

// Element index converted to the type; false when it cannot be.
bool GetAs(SAFEARRAY* array, LONG index, VARTYPE type, Variant& converted) {
    Variant element;
    if (FAILED(SafeArrayGetElement(array, &index, element.Get()))) return false;
    return SUCCEEDED(VariantChangeType(converted.Get(), element.Get(), 0, type));
}

bool GetName(SAFEARRAY* array, LONG index, std::string& name) {
    Variant text;
    if (!GetAs(array, index, VT_BSTR, text)) return false;
    const BSTR value = text.Get()->bstrVal;
    name = ToAnsi(std::wstring(value, SysStringLen(value)));
    return true;
}

bool GetInt(SAFEARRAY* array, LONG index, int32_t& number) {
    Variant value;
    if (!GetAs(array, index, VT_I4, value)) return false;
    number = value.Get()->lVal;
    return true;
}

bool GetBool(SAFEARRAY* array, LONG index, bool& flag) {
    Variant value;
    if (!GetAs(array, index, VT_BOOL, value)) return false;
    flag = value.Get()->boolVal != VARIANT_FALSE;
    return true;
}

// The element's interface pointer, valid while the array lives.
IUnknown* GetUnknown(SAFEARRAY* array, LONG index) {
    Variant element;
    if (FAILED(SafeArrayGetElement(array, &index, element.Get()))) return nullptr;
    const VARIANT& value = *element.Get();
    if (value.vt == VT_UNKNOWN) return value.punkVal;
    if (value.vt == VT_DISPATCH) return value.pdispVal;
    return nullptr;
}

}  // namespace

UniqueSafeArray MakePlayArray(const std::wstring& name, int32_t destinationX, int32_t destinationY,
                              int32_t isShift) {
    UniqueSafeArray array = MakeVariantArray(4);
    if (!array) return array;
    const auto lowBits = static_cast<int16_t>(static_cast<uint16_t>(isShift & 0xFFFF));
    if (!PutString(array.Get(), 0, name) || !PutInt(array.Get(), 1, destinationX) ||
        !PutInt(array.Get(), 2, destinationY) || !PutBool(array.Get(), 3, lowBits)) {
        array.Reset();
    }
    return array;
}

UniqueSafeArray MakePlayCommonArray(const std::wstring& name, IUnknown* partner) {
    UniqueSafeArray array = MakeVariantArray(2);
    if (!array) return array;
    if (!PutString(array.Get(), 0, name) || !PutUnknown(array.Get(), 1, partner)) array.Reset();
    return array;
}

void SendRequestArray(HWND window, UINT message, UniqueSafeArray array, int32_t requestId) {
    const auto key = reinterpret_cast<uintptr_t>(array.Get());
    if (window == nullptr || !array || !SentArrays().Insert(window, key, requestId)) return;
    SendMessageA(window, message, static_cast<WPARAM>(key), requestId);
    // Still recorded: nobody took it, so it is still ours to destroy.
    if (!SentArrays().Take(window, key)) array.Release();
}

UniqueSafeArray TakeSentRequestArray(HWND window, WPARAM wParam, int32_t requestId) {
    const auto key = static_cast<uintptr_t>(wParam);
    const std::optional<int32_t> recorded = SentArrays().Take(window, key);
    if (!recorded) return UniqueSafeArray();
    if (*recorded != requestId) {
        SentArrays().Insert(window, key, *recorded);  // not this one: left to its sender
        return UniqueSafeArray();
    }
    return UniqueSafeArray(reinterpret_cast<SAFEARRAY*>(wParam));
}

std::optional<Request> DecodePlayArray(SAFEARRAY* array, int32_t requestId) {
    LONG lower = 0;
    if (!HasVariants(array, 4, lower)) return std::nullopt;
    Request request;
    request.id = requestId;
    if (!GetName(array, lower, request.animationName) || !GetInt(array, lower + 1, request.destinationX) ||
        !GetInt(array, lower + 2, request.destinationY) || !GetBool(array, lower + 3, request.isShift)) {
        return std::nullopt;
    }
    return request;
}

std::optional<Request> DecodePlayCommonArray(SAFEARRAY* array, int32_t requestId, const PartnerFactory& factory) {
    LONG lower = 0;
    if (!factory || !HasVariants(array, 2, lower)) return std::nullopt;
    Request request;
    request.id = requestId;
    if (!GetName(array, lower, request.animationName)) return std::nullopt;
    IUnknown* partner = GetUnknown(array, lower + 1);
    if (partner == nullptr) return std::nullopt;
    request.partner = factory(partner);
    if (!request.partner) return std::nullopt;
    return request;
}
