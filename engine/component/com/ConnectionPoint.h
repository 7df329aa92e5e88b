#pragma once
// The connection point of one outgoing dispatch interface, part of the object that contains
// it: its references count on that object. Sinks are kept in connection order and every
// event goes to each connected sink in turn.
#include "PlatformHeaders.h"

#include <cstdint>
#include <initializer_list>

#include "ComPtr.h"
#include "SinkSlots.h"

namespace com {

class ConnectionPoint final : public IConnectionPoint {
public:
    // container: the owning object's container interface (not referenced: it owns this).
    ConnectionPoint(IConnectionPointContainer& container, REFIID events) : m_container(container), m_events(events) {}
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;
    virtual ~ConnectionPoint() = default;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return m_container.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return m_container.Release(); }

    STDMETHODIMP GetConnectionInterface(IID* iid) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) override;
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** connections) override;

    const IID& EventsIid() const { return m_events; }
    // Calls the event on every sink, first slot first; sinks' results are ignored.
    // Parameters in declaration order, each as a 4-byte integer.
    void Fire(DISPID event, std::initializer_list<int32_t> parameters);
    // Releases every sink (the owner's teardown).
    void DisconnectAll();

private:
    IConnectionPointContainer& m_container;
    IID m_events;
    SinkSlots<ComPtr<IDispatch>> m_sinks;
};

}  // namespace com
