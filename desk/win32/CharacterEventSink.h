#pragma once
// A sink of one character's _ICharacterEvents that hands the two events the companion acts
// on to its owner: a request completed, and a choice in the engine's context menu.
#include "EventSinkBase.h"

#include <functional>

class CharacterEventSink final : public EventSinkBase {
public:
    struct Handlers {
        std::function<void(long requestId)> requestComplete;
        std::function<void(long menuId)> contextMenu;
    };

    explicit CharacterEventSink(Handlers handlers) : m_handlers(std::move(handlers)) {}

    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                        UINT*) override;

private:
    Handlers m_handlers;
};
