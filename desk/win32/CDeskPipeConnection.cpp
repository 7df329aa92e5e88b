#include "CDeskPipeConnection.h"

#include <utility>

namespace desk {

CDeskPipeConnection::CDeskPipeConnection(UniqueKernelHandle pipe, HANDLE stopEvent)
    : m_pipe(std::move(pipe)), m_event(CreateEventW(nullptr, TRUE, FALSE, nullptr)), m_stopEvent(stopEvent) {}

PipeOutcome CDeskPipeConnection::Read(char* buffer, DWORD size, DWORD& got, DWORD timeoutMs) {
    got = 0;
    m_overlapped = OVERLAPPED{};
    m_overlapped.hEvent = m_event.Get();
    const BOOL started = ReadFile(m_pipe.Get(), buffer, size, nullptr, &m_overlapped);
    const PipeOutcome outcome = Finish(started, got, timeoutMs);
    return outcome == PipeOutcome::Done && got == 0 ? PipeOutcome::Closed : outcome;
}

PipeOutcome CDeskPipeConnection::Write(const std::string& bytes, DWORD timeoutMs) {
    m_overlapped = OVERLAPPED{};
    m_overlapped.hEvent = m_event.Get();
    DWORD written = 0;
    const BOOL started = WriteFile(m_pipe.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), nullptr, &m_overlapped);
    const PipeOutcome outcome = Finish(started, written, timeoutMs);
    return outcome == PipeOutcome::Done && written != bytes.size() ? PipeOutcome::Closed : outcome;
}

// The buffer must outlive the operation: a timed-out or stopped one is cancelled and waited
// for before returning.
PipeOutcome CDeskPipeConnection::Finish(BOOL started, DWORD& transferred, DWORD timeoutMs) {
    if (!started && GetLastError() != ERROR_IO_PENDING) return PipeOutcome::Closed;
    const HANDLE waits[2] = {m_event.Get(), m_stopEvent};
    const DWORD woken = WaitForMultipleObjects(2, waits, FALSE, timeoutMs);
    if (woken != WAIT_OBJECT_0) {
        CancelIo(m_pipe.Get());
        GetOverlappedResult(m_pipe.Get(), &m_overlapped, &transferred, TRUE);
        return woken == WAIT_OBJECT_0 + 1 ? PipeOutcome::Stopped : PipeOutcome::TimedOut;
    }
    if (!GetOverlappedResult(m_pipe.Get(), &m_overlapped, &transferred, FALSE)) return PipeOutcome::Closed;
    return PipeOutcome::Done;
}

}  // namespace desk
