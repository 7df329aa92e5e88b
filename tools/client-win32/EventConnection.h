#pragma once
// A sink connected to a character's events through IConnectionPointContainer for the owner's
// lifetime: Advise when made, Unadvise when it goes.
#include "PlatformHeaders.h"

#include "ComPtr.h"
#include "VimroGE.h"

class EventConnection {
public:
    EventConnection(IUnknown* source, IDispatch* sink) {
        const auto container = com::QueryAs<IConnectionPointContainer>(source);
        if (!container || FAILED(container->FindConnectionPoint(DIID__ICharacterEvents, m_point.Put()))) return;
        if (FAILED(m_point->Advise(sink, &m_cookie))) m_cookie = 0;
    }
    EventConnection(const EventConnection&) = delete;
    EventConnection& operator=(const EventConnection&) = delete;
    ~EventConnection() {
        if (m_cookie != 0) m_point->Unadvise(m_cookie);
    }
    bool Connected() const { return m_cookie != 0; }

private:
    com::ComPtr<IConnectionPoint> m_point;
    DWORD m_cookie = 0;
};
