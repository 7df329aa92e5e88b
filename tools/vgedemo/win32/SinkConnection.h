#pragma once
// A sink connected to a character's events through IConnectionPointContainer for the owner's
// lifetime: Advise when made, Unadvise when it goes.
#include "PlatformHeaders.h"

#include "ComPtr.h"

class SinkConnection {
public:
    SinkConnection(IUnknown* source, IDispatch* sink);
    SinkConnection(const SinkConnection&) = delete;
    SinkConnection& operator=(const SinkConnection&) = delete;
    ~SinkConnection();
    bool Connected() const { return m_cookie != 0; }

private:
    com::ComPtr<IConnectionPoint> m_point;
    DWORD m_cookie = 0;
};
