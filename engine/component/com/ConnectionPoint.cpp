#include "ConnectionPoint.h"

#include <new>
#include <vector>

#include "Enumerators.h"
#include "ExceptionGuard.h"
#include "Variant.h"

namespace com {

STDMETHODIMP ConnectionPoint::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IConnectionPoint)) {
        *object = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP ConnectionPoint::GetConnectionInterface(IID* iid) {
    if (iid == nullptr) return E_POINTER;
    *iid = m_events;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
    if (container == nullptr) return E_POINTER;
    *container = &m_container;
    m_container.AddRef();
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (cookie != nullptr) *cookie = 0;
    if (sink == nullptr || cookie == nullptr) return E_POINTER;
    ComPtr<IDispatch> events;
    if (FAILED(sink->QueryInterface(m_events, events.PutVoid())) || !events) return CONNECT_E_CANNOTCONNECT;
    try {
        *cookie = m_sinks.Add(std::move(events));
    } catch (const std::bad_alloc&) {
        return CONNECT_E_ADVISELIMIT;
    }
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Unadvise(DWORD cookie) {
    return Guarded(kModuleSource, IID_IConnectionPoint, [&]() -> HRESULT {
        ComPtr<IDispatch> removed;
        if (!m_sinks.Remove(cookie, removed)) return CONNECT_E_NOCONNECTION;
        removed.Reset();  // after the slot is empty: the sink may call back into us
        return S_OK;
    });
}

STDMETHODIMP ConnectionPoint::EnumConnections(IEnumConnections** connections) {
    return Guarded(kModuleSource, IID_IConnectionPoint, [&]() -> HRESULT {
        if (connections == nullptr) return E_POINTER;
        *connections = nullptr;
        std::vector<HeldConnection> held;
        for (size_t slot = 0; slot < m_sinks.SlotCount(); ++slot) {
            if (const ComPtr<IDispatch>& sink = m_sinks.At(slot)) {
                held.push_back({QueryAs<IUnknown>(sink.Get()), SinkSlots<ComPtr<IDispatch>>::CookieOf(slot)});
            }
        }
        ComPtr<ConnectionEnumerator> enumerator = ConnectionEnumerator::Make(std::move(held));
        if (!enumerator) return E_OUTOFMEMORY;
        *connections = enumerator.Detach();
        return S_OK;
    });
}

void ConnectionPoint::Fire(DISPID event, std::initializer_list<int32_t> parameters) {
    // The dispatch convention: the last parameter first.
    std::vector<VARIANTARG> arguments(parameters.size());
    size_t index = arguments.size();
    for (const int32_t value : parameters) {
        VARIANTARG& argument = arguments[--index];
        VariantInit(&argument);
        argument.vt = VT_I4;
        argument.lVal = value;
    }
    DISPPARAMS call{arguments.data(), nullptr, static_cast<UINT>(arguments.size()), 0};
    // Slots are read one at a time: a handler may connect or disconnect sinks.
    for (size_t slot = 0; slot < m_sinks.SlotCount(); ++slot) {
        const ComPtr<IDispatch> sink = m_sinks.At(slot);  // held for the call
        if (!sink) continue;
        Variant result;
        sink->Invoke(event, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &call, result.Get(), nullptr, nullptr);
    }
}

void ConnectionPoint::DisconnectAll() {
    for (size_t slot = 0; slot < m_sinks.SlotCount(); ++slot) {
        ComPtr<IDispatch> removed;
        m_sinks.Remove(SinkSlots<ComPtr<IDispatch>>::CookieOf(slot), removed);
    }
}

}  // namespace com
