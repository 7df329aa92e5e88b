#pragma once
// The companion's command channel: a named pipe for the user's session that carries one JSON
// object per line each way. Clients are served on threads of their own; every command runs
// on the thread that made the channel (the companion's UI thread, which must pump messages),
// so IDeskCharacters is only ever called there. Stops when destroyed.
#include "DeskPipeName.h"
#include "IDeskCharacters.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace desk {

struct DeskChannelLimits {
    std::size_t maxClients = 32;            // pipe instances; more clients wait for a free one
    std::size_t maxLineBytes = 64 * 1024;   // a longer line gets an error and the connection closed
    unsigned long idleTimeoutMs = 10000;    // a client that sends no complete line for this long is dropped
    unsigned long writeTimeoutMs = 10000;   // a client that does not read its reply for this long is dropped
};

class CDeskChannel {
public:
    // onQuit runs on the UI thread, inside the channel's window procedure, once a client's
    // "quit" has been answered: it should end the message loop (PostQuitMessage), not
    // destroy the channel there and then.
    CDeskChannel(IDeskCharacters& characters, std::function<void()> onQuit,
                 DeskChannelLimits limits = {});
    ~CDeskChannel();
    CDeskChannel(const CDeskChannel&) = delete;
    CDeskChannel& operator=(const CDeskChannel&) = delete;

    // Creates the pipe and starts serving. False when the pipe cannot be made, for instance
    // because another process already serves this name; StartError() then says why.
    bool Start();
    const std::string& StartError() const;
    const std::wstring& PipeName() const;

private:
    class Impl;
    std::unique_ptr<Impl> m_impl;
};

}  // namespace desk
