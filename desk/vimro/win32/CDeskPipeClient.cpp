#include "CDeskPipeClient.h"

#include <array>

namespace desk {
namespace {

std::string Failure(const char* what, DWORD code) {
    return std::string(what) + " (error " + std::to_string(code) + ")";
}

}  // namespace

// Identification level only: the companion may learn who calls, never act as the caller.
ConnectOutcome CDeskPipeClient::Connect(const std::wstring& pipeName, DWORD busyTimeoutMs, std::string& error) {
    const ULONGLONG deadline = GetTickCount64() + busyTimeoutMs;
    for (;;) {
        const HANDLE pipe = CreateFileW(pipeName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                        SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr);
        if (pipe != INVALID_HANDLE_VALUE) {
            m_pipe.Reset(pipe);
            return ConnectOutcome::Connected;
        }
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND) return ConnectOutcome::NotRunning;
        const ULONGLONG now = GetTickCount64();
        if (code != ERROR_PIPE_BUSY || now >= deadline) {
            error = code == ERROR_PIPE_BUSY ? "the companion is busy with other clients"
                                            : Failure("cannot open the companion's pipe", code);
            return ConnectOutcome::Failed;
        }
        // Returns at once when the pipe has gone meanwhile; the next CreateFileW tells.
        WaitNamedPipeW(pipeName.c_str(), static_cast<DWORD>(deadline - now));
    }
}

bool CDeskPipeClient::Send(const std::string& line, std::string& error) {
    const std::string bytes = line + "\n";
    DWORD written = 0;
    if (!WriteFile(m_pipe.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        error = Failure("cannot send to the companion", GetLastError());
        return false;
    }
    return true;
}

bool CDeskPipeClient::ReceiveLine(std::string& line, std::size_t maxBytes, std::string& error) {
    line.clear();
    std::array<char, 4096> buffer;
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(m_pipe.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) || got == 0) {
            error = "the companion closed the connection without a reply";
            return false;
        }
        line.append(buffer.data(), got);
        const std::size_t end = line.find('\n');
        if (end != std::string::npos) {
            line.resize(end);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return true;
        }
        if (line.size() > maxBytes) {
            error = "the companion's reply is too long";
            return false;
        }
    }
}

}  // namespace desk
