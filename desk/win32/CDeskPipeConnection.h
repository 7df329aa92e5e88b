#pragma once
// One connected instance of the companion's pipe, read and written with overlapped I/O so
// that every wait ends at a deadline or when the channel stops. Closing the handle (not
// DisconnectNamedPipe) lets the client still read a last reply.
#include "UniqueHandle.h"

#include <string>

namespace desk {

enum class PipeOutcome { Done, TimedOut, Stopped, Closed };

class CDeskPipeConnection {
public:
    CDeskPipeConnection(UniqueKernelHandle pipe, HANDLE stopEvent);
    CDeskPipeConnection(const CDeskPipeConnection&) = delete;
    CDeskPipeConnection& operator=(const CDeskPipeConnection&) = delete;

    bool Ready() const { return static_cast<bool>(m_event); }
    PipeOutcome Read(char* buffer, DWORD size, DWORD& got, DWORD timeoutMs);
    PipeOutcome Write(const std::string& bytes, DWORD timeoutMs);

private:
    PipeOutcome Finish(BOOL started, DWORD& transferred, DWORD timeoutMs);

    UniqueKernelHandle m_pipe;
    UniqueKernelHandle m_event;
    HANDLE m_stopEvent;
    OVERLAPPED m_overlapped{};
};

}  // namespace desk
