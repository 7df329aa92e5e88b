#include "CDeskListener.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace desk {
namespace {

constexpr DWORD kPipeBufferBytes = 4096;

}  // namespace

CDeskListener::CDeskListener(std::wstring pipeName, SECURITY_ATTRIBUTES* security, IDeskLineSink& sink,
                             DeskChannelLimits limits)
    : m_pipeName(std::move(pipeName)), m_security(security), m_sink(sink), m_limits(limits),
      m_stopEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      m_slotFreed(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    m_limits.maxClients = std::clamp<std::size_t>(m_limits.maxClients, 1, PIPE_UNLIMITED_INSTANCES - 1);
}

// Byte mode: lines are the protocol's framing. Remote clients are refused by the pipe itself
// and, through the descriptor, by the access check. The first instance insists on being
// first, so that no other process can have made the name beforehand and be served to.
UniqueKernelHandle CDeskListener::CreateInstance(bool first) const {
    const DWORD openMode = PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | (first ? FILE_FLAG_FIRST_PIPE_INSTANCE : 0);
    const DWORD pipeMode = PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS;
    const HANDLE pipe = CreateNamedPipeW(m_pipeName.c_str(), openMode, pipeMode, static_cast<DWORD>(m_limits.maxClients),
                                         kPipeBufferBytes, kPipeBufferBytes, 0, m_security);
    return UniqueKernelHandle(pipe == INVALID_HANDLE_VALUE ? nullptr : pipe);
}

bool CDeskListener::Start(std::string& error) {
    if (!m_stopEvent || !m_slotFreed) {
        error = "cannot create the channel's events (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    UniqueKernelHandle first = CreateInstance(true);
    if (!first) {
        const DWORD code = GetLastError();
        error = code == ERROR_ACCESS_DENIED || code == ERROR_PIPE_BUSY
                    ? "the pipe is already served by another process"
                    : "cannot create the pipe (error " + std::to_string(code) + ")";
        return false;
    }
    try {
        m_thread = std::thread([this, instance = std::move(first)]() mutable { Run(std::move(instance)); });
    } catch (const std::system_error&) {
        error = "cannot start the channel's thread";
        return false;
    }
    return true;
}

void CDeskListener::Stop() {
    if (m_stopEvent) SetEvent(m_stopEvent.Get());
    if (m_thread.joinable()) m_thread.join();
    JoinFinished(true);
}

void CDeskListener::Run(UniqueKernelHandle instance) {
    while (WaitForSingleObject(m_stopEvent.Get(), 0) == WAIT_TIMEOUT) {
        if (!instance) {
            if (!AwaitFreeSlot()) return;
            instance = CreateInstance(false);
            // Out of resources: try again shortly instead of spinning.
            if (!instance && WaitForSingleObject(m_stopEvent.Get(), 100) != WAIT_TIMEOUT) return;
            if (!instance) continue;
        }
        if (AwaitClient(instance.Get())) StartClient(std::move(instance));
        instance.Reset();
    }
}

bool CDeskListener::AwaitClient(HANDLE instance) const {
    UniqueKernelHandle connected(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!connected) return false;
    OVERLAPPED overlapped{};
    overlapped.hEvent = connected.Get();
    if (ConnectNamedPipe(instance, &overlapped)) return true;
    const DWORD code = GetLastError();
    if (code == ERROR_PIPE_CONNECTED) return true;
    if (code != ERROR_IO_PENDING) return false;  // e.g. the client came and went already
    const HANDLE waits[2] = {connected.Get(), m_stopEvent.Get()};
    DWORD ignored = 0;
    if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0) {
        CancelIo(instance);
        GetOverlappedResult(instance, &overlapped, &ignored, TRUE);
        return false;
    }
    return GetOverlappedResult(instance, &overlapped, &ignored, FALSE) != FALSE;
}

// True once fewer than maxClients clients are served; false when the channel stops.
bool CDeskListener::AwaitFreeSlot() {
    for (;;) {
        JoinFinished(false);
        if (m_clients.size() < m_limits.maxClients) return true;
        const HANDLE waits[2] = {m_stopEvent.Get(), m_slotFreed.Get()};
        if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0) return false;
    }
}

void CDeskListener::StartClient(UniqueKernelHandle instance) {
    auto client = std::make_unique<ClientThread>();
    ClientThread* slot = client.get();
    try {
        slot->thread = std::thread([this, slot, pipe = std::move(instance)]() mutable {
            {
                CDeskPipeConnection connection(std::move(pipe), m_stopEvent.Get());
                if (connection.Ready()) ServeDeskClient(connection, m_sink, m_limits, m_stopEvent.Get());
            }
            slot->finished = true;
            SetEvent(m_slotFreed.Get());
        });
    } catch (const std::system_error&) {
        return;  // the instance is closed with the lambda; the client sees the pipe end
    }
    m_clients.push_back(std::move(client));
}

void CDeskListener::JoinFinished(bool all) {
    for (auto& client : m_clients)
        if ((all || client->finished) && client->thread.joinable()) client->thread.join();
    m_clients.erase(std::remove_if(m_clients.begin(), m_clients.end(),
                                   [](const auto& client) { return !client->thread.joinable(); }),
                    m_clients.end());
}

}  // namespace desk
