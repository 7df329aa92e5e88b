#include "SafeArray.h"

#include "Bstr.h"
#include "Variant.h"

namespace com {

SafeArray MakeStringArray(const std::vector<std::wstring>& texts) {
    SafeArray array(SafeArrayCreateVector(VT_BSTR, 0, static_cast<ULONG>(texts.size())));
    if (!array) return array;
    for (LONG i = 0; i < static_cast<LONG>(texts.size()); ++i) {
        const Bstr text(texts[static_cast<size_t>(i)]);
        // SafeArrayPutElement stores its own copy of a BSTR.
        if (text.IsNull() || FAILED(SafeArrayPutElement(array.Get(), &i, text.Get()))) return SafeArray();
    }
    return array;
}

namespace {

bool ReadElement(SAFEARRAY* array, VARTYPE type, LONG index, std::wstring& text) {
    if (type == VT_BSTR) {
        Bstr element;
        if (FAILED(SafeArrayGetElement(array, &index, element.Put()))) return false;
        text = element.Text();
        return true;
    }
    Variant element, converted;
    if (FAILED(SafeArrayGetElement(array, &index, element.Get()))) return false;
    if (FAILED(VariantChangeType(converted.Get(), element.Get(), 0, VT_BSTR))) return false;
    text = TextOf(converted.Get()->bstrVal);
    return true;
}

}  // namespace

bool ReadStringArray(SAFEARRAY* array, std::vector<std::wstring>& texts) {
    texts.clear();
    VARTYPE type = VT_EMPTY;
    LONG lower = 0, upper = -1;
    if (array == nullptr || SafeArrayGetDim(array) != 1 || FAILED(SafeArrayGetVartype(array, &type))) return false;
    if (type != VT_BSTR && type != VT_VARIANT) return false;
    if (FAILED(SafeArrayGetLBound(array, 1, &lower)) || FAILED(SafeArrayGetUBound(array, 1, &upper))) return false;
    for (LONG i = lower; i <= upper; ++i) {
        std::wstring text;
        if (!ReadElement(array, type, i, text)) return false;
        texts.push_back(std::move(text));
    }
    return true;
}

}  // namespace com
