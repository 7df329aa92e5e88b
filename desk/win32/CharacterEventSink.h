#pragma once
// A sink of one character's _ICharacterEvents that hands the two events the companion acts
// on to its owner: a request completed, and a choice in the engine's context menu.
#include "PlatformHeaders.h"

#include <functional>

class CharacterEventSink final : public IDispatch {
public:
    struct Handlers {
        std::function<void(long requestId)> requestComplete;
        std::function<void(long menuId)> contextMenu;
    };

    explicit CharacterEventSink(Handlers handlers) : m_handlers(std::move(handlers)) {}
    CharacterEventSink(const CharacterEventSink&) = delete;
    CharacterEventSink& operator=(const CharacterEventSink&) = delete;

    // IUnknown: the object belongs to its owner, who keeps it until the connection is gone.
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_references; }
    STDMETHODIMP_(ULONG) Release() override { return --m_references; }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                        UINT*) override;

private:
    Handlers m_handlers;
    ULONG m_references = 1;
};
