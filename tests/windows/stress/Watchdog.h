#pragma once
// Fails the run when the thread it watches stops making progress: a deadlock ends the
// process with exit code 3 and the last operation named, instead of hanging the test run.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace stress {

class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // Progress of the watched thread, naming what it is about to do (a string literal).
    void Beat(const char* operation);

private:
    void Watch();

    const std::chrono::seconds m_limit;
    std::atomic<int64_t> m_lastBeat;
    std::atomic<const char*> m_operation{"start"};
    std::mutex m_lock;
    std::condition_variable m_wake;
    bool m_stop = false;
    std::thread m_thread;
};

}  // namespace stress
