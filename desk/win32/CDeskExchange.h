#pragma once
// One client's request in flight: the client's thread waits here while the UI thread runs the
// request, possibly long after (a request with "wait"). Shared, so that a reply delivered
// after the client has gone lands harmlessly.
#include "CDeskCommandDispatcher.h"
#include "UniqueHandle.h"

#include <mutex>
#include <optional>

namespace desk {

class CDeskExchange {
public:
    CDeskExchange() : m_ready(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    bool Ready() const { return static_cast<bool>(m_ready); }

    // Client thread: before handing a line over.
    void Begin() {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_reply.reset();
        ResetEvent(m_ready.Get());
    }
    // UI thread.
    void Deliver(DeskReply reply) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_reply = std::move(reply);
        SetEvent(m_ready.Get());
    }
    // Client thread: the reply, or nothing once stopEvent is set.
    std::optional<DeskReply> Wait(HANDLE stopEvent) {
        const HANDLE waits[2] = {m_ready.Get(), stopEvent};
        if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0) return std::nullopt;
        std::lock_guard<std::mutex> lock(m_mutex);
        return std::move(m_reply);
    }

private:
    std::mutex m_mutex;
    std::optional<DeskReply> m_reply;
    UniqueKernelHandle m_ready;
};

}  // namespace desk
