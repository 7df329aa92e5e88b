#pragma once
// A sink connected to a character's events for the owner's lifetime: Advise when made,
// Unadvise when it goes.
#include "PlatformHeaders.h"

#include "ComPtr.h"

class EventConnection {
public:
    EventConnection(IUnknown* source, IDispatch* sink);
    EventConnection(const EventConnection&) = delete;
    EventConnection& operator=(const EventConnection&) = delete;
    ~EventConnection();
    bool Connected() const { return m_cookie != 0; }

private:
    com::ComPtr<IConnectionPoint> m_point;
    DWORD m_cookie = 0;
};
