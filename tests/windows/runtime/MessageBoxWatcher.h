#pragma once
// Watches from its own thread for a message box with a given caption, reads its text and
// dismisses it, so that code which shows one does not block an unattended run.
#include "Win32Api.h"

#include <atomic>
#include <string>
#include <thread>

class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(std::string caption, DWORD timeoutMs = 10000);
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
    ~MessageBoxWatcher();

    // Waits for the watcher to finish; true when a box was found (and dismissed).
    bool Wait();
    // Valid after Wait().
    const std::string& Text() const { return m_text; }
    bool HadErrorIcon() const { return m_errorIcon; }
    bool HadOwner() const { return m_owned; }

private:
    void Watch(DWORD timeoutMs);

    std::string m_caption;
    std::string m_text;
    bool m_errorIcon = false;
    bool m_owned = false;
    std::atomic<bool> m_found{false};
    std::thread m_thread;
};
