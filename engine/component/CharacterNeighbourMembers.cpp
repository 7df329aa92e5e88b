// YieldToFullScreen, ClickThrough and Scale: how the character lives beside other programs.
// Each is kept here and handed to the character window; a refused value leaves it as it was.
#include "CCharacter.h"
#include "CCharacterThread.h"
#include "ErrorInfo.h"

namespace {

constexpr LONG kLowestScale = 25;
constexpr LONG kHighestScale = 400;

HRESULT Report(const wchar_t* text) { return com::ReportError(kCharacterSource, text, IID_ICharacter2); }

HRESULT Answer(LONG field, LONG* value) {
    if (value == nullptr) return E_POINTER;
    *value = field;
    return S_OK;
}

}  // namespace

STDMETHODIMP CCharacter::get_YieldToFullScreen(LONG* value) {
    return Guarded([&] { return Answer(m_yieldToFullScreen ? 1 : 0, value); });
}

STDMETHODIMP CCharacter::put_YieldToFullScreen(LONG value) {
    return Guarded([&]() -> HRESULT {
        if (value != 0 && value != 1) return Report(L"YieldToFullScreen must be 0 or 1");
        m_yieldToFullScreen = value == 1;
        if (WindowExists()) Window().SetYieldToFullScreen(m_yieldToFullScreen);
        return S_OK;
    });
}

STDMETHODIMP CCharacter::get_ClickThrough(LONG* value) {
    return Guarded([&] { return Answer(m_clickThrough ? 1 : 0, value); });
}

STDMETHODIMP CCharacter::put_ClickThrough(LONG value) {
    return Guarded([&]() -> HRESULT {
        if (value != 0 && value != 1) return Report(L"ClickThrough must be 0 or 1");
        m_clickThrough = value == 1;
        if (WindowExists()) Window().SetClickThrough(m_clickThrough);
        return S_OK;
    });
}

STDMETHODIMP CCharacter::get_Scale(LONG* value) {
    return Guarded([&] { return Answer(m_scalePercent, value); });
}

STDMETHODIMP CCharacter::put_Scale(LONG value) {
    return Guarded([&]() -> HRESULT {
        if (value < kLowestScale || value > kHighestScale) return Report(L"Scale must be 25 to 400");
        m_scalePercent = value;
        if (WindowExists()) Window().SetScalePercent(static_cast<uint32_t>(value));
        return S_OK;
    });
}
