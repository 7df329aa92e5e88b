#include "EventPrinter.h"

#include "VimroGE.h"

namespace {

// The event's arguments in declaration order (DISPPARAMS holds them last first); every
// argument of _ICharacterEvents is a 4-byte integer.
std::vector<int32_t> ArgumentsOf(const DISPPARAMS& parameters) {
    std::vector<int32_t> arguments;
    for (UINT i = parameters.cArgs; i > 0; --i) {
        VARIANT value;
        VariantInit(&value);
        const bool converted = SUCCEEDED(VariantChangeType(&value, &parameters.rgvarg[i - 1], 0, VT_I4));
        arguments.push_back(converted ? value.lVal : 0);
        VariantClear(&value);
    }
    return arguments;
}

}  // namespace

STDMETHODIMP EventPrinter::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                                  UINT*) {
    if (parameters == nullptr) return E_INVALIDARG;
    const std::vector<int32_t> arguments = ArgumentsOf(*parameters);
    if (member == kRequestCompleteEvent && !arguments.empty()) m_completed.insert(arguments.front());
    if (const auto text = m_log.Describe(member, arguments)) m_narrator.Say(m_who, *text);
    if (m_reaction) m_reaction(member, arguments);
    return S_OK;
}
