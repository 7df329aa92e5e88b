#pragma once
// The IUnknown and IDispatch of a sink of _ICharacterEvents; a client's sink derives from it
// and answers Invoke. The object belongs to its owner, who keeps it until the connection is
// gone, so the reference count only keeps COM's bookkeeping honest.
#include "PlatformHeaders.h"

#include "VimroGE.h"

class EventSinkBase : public IDispatch {
public:
    EventSinkBase() = default;
    EventSinkBase(const EventSinkBase&) = delete;
    EventSinkBase& operator=(const EventSinkBase&) = delete;
    virtual ~EventSinkBase() = default;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
            IsEqualIID(iid, DIID__ICharacterEvents)) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_references; }
    STDMETHODIMP_(ULONG) Release() override { return --m_references; }
    // IDispatch: only Invoke is called for events.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }

private:
    ULONG m_references = 1;
};
