#include "ErrorInfo.h"

#include "Bstr.h"
#include "ComPtr.h"

namespace com {

HRESULT ReportError(const wchar_t* source, const wchar_t* description, REFIID iid) {
    ComPtr<ICreateErrorInfo> creator;
    if (SUCCEEDED(CreateErrorInfo(creator.Put()))) {
        creator->SetGUID(iid);
        creator->SetSource(const_cast<LPOLESTR>(source));
        creator->SetDescription(const_cast<LPOLESTR>(description));
        ComPtr<IErrorInfo> info;
        if (SUCCEEDED(creator.As(info))) SetErrorInfo(0, info.Get());
    }
    return DISP_E_EXCEPTION;
}

void FillExceptionInfo(EXCEPINFO* info, HRESULT result) {
    if (info == nullptr) return;
    *info = EXCEPINFO{};
    info->scode = result;
    ComPtr<IErrorInfo> error;
    if (GetErrorInfo(0, error.Put()) != S_OK || !error) return;
    error->GetSource(&info->bstrSource);
    error->GetDescription(&info->bstrDescription);
    error->GetHelpFile(&info->bstrHelpFile);
    error->GetHelpContext(&info->dwHelpContext);
}

}  // namespace com
