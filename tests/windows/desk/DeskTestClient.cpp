#include "DeskTestClient.h"

#include "DeskPipeName.h"

#include <array>
#include <vector>

namespace desktest {

std::wstring TestPipeName() { return desk::DeskPipeName(); }

std::string Narrow(const std::wstring& ascii) { return std::string(ascii.begin(), ascii.end()); }

std::wstring BesideTest(const wchar_t* fileName) {
    std::vector<wchar_t> path(32768);
    std::wstring own(path.data(), GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return own.substr(0, own.find_last_of(L"\\/") + 1) + fileName;
}

bool DeskTestClient::Connect(const std::wstring& pipeName, DWORD timeoutMs) {
    Close();
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        const HANDLE pipe = CreateFileW(pipeName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_OVERLAPPED, nullptr);
        if (pipe != INVALID_HANDLE_VALUE) {
            m_pipe.Reset(pipe);
            break;
        }
        if (GetTickCount64() >= deadline) return false;
        if (GetLastError() == ERROR_PIPE_BUSY) WaitNamedPipeW(pipeName.c_str(), 100);
        else Sleep(20);
    }
    m_event.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    return static_cast<bool>(m_event);
}

void DeskTestClient::Close() {
    m_pipe.Reset();
    m_event.Reset();
    m_buffered.clear();
}

bool DeskTestClient::Send(const std::string& bytes, DWORD timeoutMs) {
    OVERLAPPED overlapped{};
    overlapped.hEvent = m_event.Get();
    DWORD written = 0;
    if (!WriteFile(m_pipe.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), nullptr, &overlapped) &&
        GetLastError() != ERROR_IO_PENDING)
        return false;
    if (WaitForSingleObject(m_event.Get(), timeoutMs) != WAIT_OBJECT_0) {
        CancelIo(m_pipe.Get());
        GetOverlappedResult(m_pipe.Get(), &overlapped, &written, TRUE);
        return false;
    }
    return GetOverlappedResult(m_pipe.Get(), &overlapped, &written, FALSE) && written == bytes.size();
}

DeskTestClient::Outcome DeskTestClient::ReadSome(DWORD timeoutMs) {
    std::array<char, 4096> buffer;
    OVERLAPPED overlapped{};
    overlapped.hEvent = m_event.Get();
    DWORD got = 0;
    if (!ReadFile(m_pipe.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), nullptr, &overlapped) &&
        GetLastError() != ERROR_IO_PENDING)
        return Outcome::Closed;
    if (WaitForSingleObject(m_event.Get(), timeoutMs) != WAIT_OBJECT_0) {
        CancelIo(m_pipe.Get());
        GetOverlappedResult(m_pipe.Get(), &overlapped, &got, TRUE);
        m_buffered.append(buffer.data(), got);
        return Outcome::TimedOut;
    }
    if (!GetOverlappedResult(m_pipe.Get(), &overlapped, &got, FALSE) || got == 0) return Outcome::Closed;
    m_buffered.append(buffer.data(), got);
    return Outcome::Data;
}

std::optional<std::string> DeskTestClient::ReadLine(DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        const std::size_t end = m_buffered.find('\n');
        if (end != std::string::npos) {
            std::string line = m_buffered.substr(0, end);
            m_buffered.erase(0, end + 1);
            return line;
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline || ReadSome(static_cast<DWORD>(deadline - now)) != Outcome::Data) return std::nullopt;
    }
}

bool DeskTestClient::ServerClosed(DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        const Outcome outcome = ReadSome(static_cast<DWORD>(deadline - now));
        if (outcome == Outcome::Closed) return true;
        if (outcome == Outcome::TimedOut) return false;
    }
}

DeskHost::DeskHost(const std::wstring& arguments) {
    const std::wstring program = BesideTest(L"desk_channel_host.exe");
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return;
    CloseHandle(process.hThread);
    m_process.Reset(process.hProcess);
    m_processId = process.dwProcessId;
}

DeskHost::~DeskHost() {
    if (Running()) TerminateProcess(m_process.Get(), 1);
    if (m_process) WaitForSingleObject(m_process.Get(), 5000);
}

bool DeskHost::Running() const {
    return m_process && WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT;
}

bool DeskHost::Quit() {
    DeskTestClient client;
    if (!client.Connect(TestPipeName()) || !client.Send("{\"command\":\"quit\"}\n") || !client.ReadLine()) return false;
    DWORD code = 1;
    return WaitForSingleObject(m_process.Get(), 10000) == WAIT_OBJECT_0 &&
           GetExitCodeProcess(m_process.Get(), &code) && code == 0;
}

}  // namespace desktest
