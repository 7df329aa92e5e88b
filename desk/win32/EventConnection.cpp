#include "EventConnection.h"

#include "VimroGE.h"

EventConnection::EventConnection(IUnknown* source, IDispatch* sink) {
    const auto container = com::QueryAs<IConnectionPointContainer>(source);
    if (!container || FAILED(container->FindConnectionPoint(DIID__ICharacterEvents, m_point.Put()))) return;
    if (FAILED(m_point->Advise(sink, &m_cookie))) m_cookie = 0;
}

EventConnection::~EventConnection() {
    if (m_cookie != 0) m_point->Unadvise(m_cookie);
}
