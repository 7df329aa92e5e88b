// The members of Character that a script reaches through our own Invoke: a character object
// for PlayCommonAnimation, and the by-reference variants that VBScript passes for the out
// value X of the two position queries. The rest goes to the type library.
#include "CCharacter.h"
#include "DispArgs.h"
#include "ErrorInfo.h"

namespace {

constexpr DISPID kPlayCommonAnimationId = 1;
constexpr DISPID kAskForPositionId = 25;
constexpr DISPID kAskForCurrentCharacterPositionId = 26;

// The first argument that fails to convert names itself in argumentError.
HRESULT Argument(HRESULT converted, const com::DispArgs& arguments, UINT index, UINT* argumentError) {
    if (FAILED(converted) && argumentError != nullptr) *argumentError = arguments.RawIndex(index);
    return converted;
}

// Writes the out-values a query produced: X to its reference argument, Y to the result or,
// when the caller passed Y as an argument too, there.
void SetQueryOut(const com::DispArgs& arguments, UINT xIndex, const QueryPoint& point, VARIANT* result) {
    arguments.SetOutInt32(xIndex, point.x);
    if (arguments.Count() > xIndex + 1) arguments.SetOutInt32(xIndex + 1, point.y);
    com::SetResultInt32(result, point.y);
}

}  // namespace

bool CCharacter::InvokeOwn(DISPID member, WORD flags, DISPPARAMS& parameters, VARIANT* result, EXCEPINFO* exception,
                           UINT* argumentError, HRESULT& handled) {
    if ((flags & DISPATCH_METHOD) == 0 || parameters.cNamedArgs != 0) return false;
    switch (member) {
    case kPlayCommonAnimationId: handled = InvokePlayCommon(parameters, result, argumentError); break;
    case kAskForPositionId: handled = InvokeAskForPosition(parameters, result, argumentError); break;
    case kAskForCurrentCharacterPositionId: handled = InvokeAskForCurrent(parameters, result, argumentError); break;
    default: return false;
    }
    if (handled == DISP_E_EXCEPTION) com::FillExceptionInfo(exception, handled);
    return true;
}

HRESULT CCharacter::InvokePlayCommon(DISPPARAMS& parameters, VARIANT* result, UINT* argumentError) {
    const com::DispArgs arguments(parameters);
    if (arguments.Count() != 2) return DISP_E_BADPARAMCOUNT;
    com::Bstr name;
    com::ComPtr<ICharacter> other;
    HRESULT converted = Argument(arguments.ToString(0, name), arguments, 0, argumentError);
    if (SUCCEEDED(converted)) {
        converted = Argument(arguments.ToInterface(1, IID_ICharacter, other.PutVoid()), arguments, 1, argumentError);
    }
    if (FAILED(converted)) return converted;
    if (result != nullptr) VariantInit(result);
    LONG requestId = 0;
    const HRESULT played = PlayCommonAnimation(name.Get(), other.Get(), &requestId);
    if (SUCCEEDED(played) && requestId != 0) com::SetResultInt32(result, requestId);
    return played;
}

HRESULT CCharacter::InvokeAskForPosition(DISPPARAMS& parameters, VARIANT* result, UINT* argumentError) {
    const com::DispArgs arguments(parameters);
    if (arguments.Count() < 3 || arguments.Count() > 4) return DISP_E_BADPARAMCOUNT;
    com::Bstr characterName, animationName;
    HRESULT converted = Argument(arguments.ToString(0, characterName), arguments, 0, argumentError);
    if (SUCCEEDED(converted)) converted = Argument(arguments.ToString(1, animationName), arguments, 1, argumentError);
    if (FAILED(converted)) return converted;
    if (result != nullptr) VariantInit(result);
    QueryPoint point;
    if (QueryPosition(characterName.Get(), animationName.Get(), point)) SetQueryOut(arguments, 2, point, result);
    return S_OK;
}

HRESULT CCharacter::InvokeAskForCurrent(DISPPARAMS& parameters, VARIANT* result, UINT* argumentError) {
    const com::DispArgs arguments(parameters);
    if (arguments.Count() < 5 || arguments.Count() > 6) return DISP_E_BADPARAMCOUNT;
    com::Bstr characterName, animationName;
    int32_t characterX = 0, characterY = 0;
    HRESULT converted = Argument(arguments.ToString(0, characterName), arguments, 0, argumentError);
    if (SUCCEEDED(converted)) converted = Argument(arguments.ToString(1, animationName), arguments, 1, argumentError);
    if (SUCCEEDED(converted)) converted = Argument(arguments.ToInt32(2, characterX), arguments, 2, argumentError);
    if (SUCCEEDED(converted)) converted = Argument(arguments.ToInt32(3, characterY), arguments, 3, argumentError);
    if (FAILED(converted)) return converted;
    if (result != nullptr) VariantInit(result);
    QueryPoint point;
    if (QueryCurrentPosition(characterName.Get(), animationName.Get(), characterX, characterY, point)) {
        SetQueryOut(arguments, 4, point, result);
    }
    return S_OK;
}
