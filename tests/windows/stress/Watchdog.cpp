#include "Watchdog.h"

#include <windows.h>

#include <cstdio>

namespace stress {

namespace {

int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

Watchdog::Watchdog(std::chrono::seconds limit) : m_limit(limit), m_lastBeat(NowMs()), m_thread([this] { Watch(); }) {}

Watchdog::~Watchdog() {
    {
        const std::lock_guard<std::mutex> guard(m_lock);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void Watchdog::Beat(const char* operation) {
    m_operation.store(operation);
    m_lastBeat.store(NowMs());
}

void Watchdog::Watch() {
    std::unique_lock<std::mutex> guard(m_lock);
    while (!m_wake.wait_for(guard, std::chrono::milliseconds(250), [this] { return m_stop; })) {
        const int64_t silent = NowMs() - m_lastBeat.load();
        if (silent < std::chrono::duration_cast<std::chrono::milliseconds>(m_limit).count()) continue;
        std::printf("watchdog: no progress for %lld ms during \"%s\": deadlock\n", static_cast<long long>(silent),
                    m_operation.load());
        std::fflush(stdout);
        TerminateProcess(GetCurrentProcess(), 3);
    }
}

}  // namespace stress
