#pragma once
// Accepts clients on the companion's pipe: one listening instance at a time, one thread per
// connected client, at most limits.maxClients of them (a further client finds the pipe busy
// and waits for a free instance, as WaitNamedPipe allows).
#include "DeskClientSession.h"

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace desk {

class CDeskListener {
public:
    CDeskListener(std::wstring pipeName, SECURITY_ATTRIBUTES* security, IDeskLineSink& sink,
                  DeskChannelLimits limits);
    ~CDeskListener() { Stop(); }
    CDeskListener(const CDeskListener&) = delete;
    CDeskListener& operator=(const CDeskListener&) = delete;

    // Makes the pipe's first instance (failing when the name is taken) and starts accepting.
    bool Start(std::string& error);
    // Ends every wait, then joins the listening thread and every client's.
    void Stop();

private:
    struct ClientThread {
        std::thread thread;
        std::atomic<bool> finished{false};
    };

    UniqueKernelHandle CreateInstance(bool first) const;
    void Run(UniqueKernelHandle instance);
    bool AwaitClient(HANDLE instance) const;
    bool AwaitFreeSlot();
    void StartClient(UniqueKernelHandle instance);
    void JoinFinished(bool all);

    std::wstring m_pipeName;
    SECURITY_ATTRIBUTES* m_security;
    IDeskLineSink& m_sink;
    DeskChannelLimits m_limits;
    UniqueKernelHandle m_stopEvent;
    UniqueKernelHandle m_slotFreed;
    std::vector<std::unique_ptr<ClientThread>> m_clients;  // the listening thread's, until joined
    std::thread m_thread;
};

}  // namespace desk
