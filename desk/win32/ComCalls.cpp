#include "ComCalls.h"

#include <cstdio>

#include "Bstr.h"
#include "ComPtr.h"
#include "WideText.h"

std::string FailureText(HRESULT result) {
    char code[16] = {};
    std::snprintf(code, sizeof(code), "0x%08lX", static_cast<unsigned long>(result));
    com::ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.Put()) != S_OK || !info) return std::string("error ") + code;
    com::Bstr description;
    info->GetDescription(description.Put());
    std::string text = Utf8FromWide(description.Text());
    // One line: the reason goes into a reply of one line.
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return text + " (" + code + ")";
}

HRESULT PutPropertyByName(IDispatch& object, const wchar_t* name, long value) {
    DISPID member = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT result = object.GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &member);
    if (FAILED(result)) return result;
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_I4;
    argument.lVal = value;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{&argument, &named, 1, 1};
    return object.Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &parameters, nullptr, nullptr,
                         nullptr);
}
