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
