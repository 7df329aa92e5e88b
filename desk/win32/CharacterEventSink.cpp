#include "CharacterEventSink.h"

#include "VimroGE.h"

namespace {

// The DISPIDs of _ICharacterEvents that the companion handles.
constexpr DISPID kRequestComplete = 4;
constexpr DISPID kContextMenu = 5;

// The first argument (the last in DISPPARAMS order) as a 4-byte integer.
bool FirstArgument(const DISPPARAMS& parameters, long& value) {
    if (parameters.cArgs == 0 || parameters.rgvarg == nullptr) return false;
    VARIANT converted;
    VariantInit(&converted);
    const bool ok = SUCCEEDED(VariantChangeType(&converted, &parameters.rgvarg[parameters.cArgs - 1], 0, VT_I4));
    if (ok) value = converted.lVal;
    VariantClear(&converted);
    return ok;
}

}  // namespace

STDMETHODIMP CharacterEventSink::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*,
                                        EXCEPINFO*, UINT*) {
    if (parameters == nullptr) return E_INVALIDARG;
    long first = 0;
    if (!FirstArgument(*parameters, first)) return S_OK;
    if (member == kRequestComplete && m_handlers.requestComplete) m_handlers.requestComplete(first);
    if (member == kContextMenu && m_handlers.contextMenu) m_handlers.contextMenu(first);
    return S_OK;
}
