#include "Narrator.h"

#include <oleauto.h>

#include <cstdio>

#include "Bstr.h"
#include "ComPtr.h"
#include "EventLog.h"

std::string Narrow(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr, nullptr);
    return text;
}

void Narrator::Say(const std::string& who, const std::string& text) const {
    std::printf("%s\n", LogLine(Elapsed(), who, text).c_str());
    std::fflush(stdout);
}

std::string ErrorText(HRESULT result) {
    char code[32] = {};
    std::snprintf(code, sizeof(code), "error 0x%08lX", static_cast<unsigned long>(result));
    com::ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.Put()) != S_OK || !info) return code;
    com::Bstr description;
    info->GetDescription(description.Put());
    return Narrow(description.Text()) + " (" + code + ")";
}
