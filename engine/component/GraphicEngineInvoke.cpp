// GraphicEngine's own Invoke for Load: a script passes the owner window as a number (2-, 4- or
// 8-byte integer, by value or by reference, or empty), which the type library's Invoke
// refuses for a window handle.
#include "CGraphicEngine.h"
#include "DispArgs.h"
#include "ErrorInfo.h"

namespace {
constexpr DISPID kLoadId = 1;
}

bool CGraphicEngine::InvokeOwn(DISPID member, WORD flags, DISPPARAMS& parameters, VARIANT* result,
                               EXCEPINFO* exception, UINT* argumentError, HRESULT& handled) {
    const com::DispArgs arguments(parameters);
    if (member != kLoadId || (flags & DISPATCH_METHOD) == 0 || arguments.HasNamed()) return false;
    if (arguments.Count() != 3) {
        handled = DISP_E_BADPARAMCOUNT;
        return true;
    }
    com::Bstr id, name;
    uintptr_t owner = 0;
    UINT failed = 0;
    handled = arguments.ToString(0, id);
    if (SUCCEEDED(handled)) handled = arguments.ToString(++failed, name);
    if (SUCCEEDED(handled)) handled = arguments.ToHandle(++failed, owner);
    if (FAILED(handled)) {
        if (argumentError != nullptr) *argumentError = arguments.RawIndex(failed);
        return true;
    }
    if (result != nullptr) VariantInit(result);
    ICharacter* made = nullptr;
    handled = Load(id.Get(), name.Get(), reinterpret_cast<HWND>(owner), &made);
    if (handled == DISP_E_EXCEPTION) com::FillExceptionInfo(exception, handled);
    if (SUCCEEDED(handled)) com::SetResultDispatch(result, made);
    return true;
}
