#pragma once
// Test side of the companion's pipe: a client whose every read has a deadline, and the
// channel's host process started and ended around a suite.
#include "UniqueHandle.h"

#include <optional>
#include <string>

namespace desktest {

class DeskTestClient {
public:
    // Waits up to timeoutMs for a free instance of the pipe.
    bool Connect(const std::wstring& pipeName, DWORD timeoutMs = 10000);
    bool Send(const std::string& bytes, DWORD timeoutMs = 10000);
    // The next line, or nothing when the server closed the pipe or timeoutMs passed.
    std::optional<std::string> ReadLine(DWORD timeoutMs = 10000);
    // True when the server has closed its end (a read fails), within timeoutMs.
    bool ServerClosed(DWORD timeoutMs);
    void Close();
    HANDLE Pipe() const { return m_pipe.Get(); }

private:
    enum class Outcome { Data, Closed, TimedOut };
    Outcome ReadSome(DWORD timeoutMs);

    UniqueKernelHandle m_pipe;
    UniqueKernelHandle m_event;
    std::string m_buffered;
};

// The channel's host (desk_channel_host.exe beside the test), started with arguments.
class DeskHost {
public:
    explicit DeskHost(const std::wstring& arguments);
    ~DeskHost();

    bool Running() const;
    DWORD ProcessId() const { return m_processId; }
    HANDLE Process() const { return m_process.Get(); }
    // Ends the host with "quit"; true when it then exited with code 0 by itself.
    bool Quit();

private:
    UniqueKernelHandle m_process;
    DWORD m_processId = 0;
};

std::wstring TestPipeName();
std::wstring BesideTest(const wchar_t* fileName);
std::string Narrow(const std::wstring& ascii);

}  // namespace desktest
