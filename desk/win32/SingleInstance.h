#pragma once
// One companion per user session: a named mutex in the session's namespace ("Local\"), held
// for the owner's lifetime. A second start finds it and ends quietly.
#include <windows.h>

class SingleInstance {
public:
    SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;
    ~SingleInstance();
    // False when another companion of this session holds the mutex (or it could not be made).
    bool First() const { return m_first; }

private:
    HANDLE m_mutex = nullptr;
    bool m_first = false;
};
