#include "DeskClientSession.h"

#include "CDeskLineReader.h"
#include "DeskProtocol.h"

#include <array>
#include <vector>

namespace desk {
namespace {

// A last error before the connection is closed; a client that does not read it is not waited for.
constexpr DWORD kFarewellTimeoutMs = 1000;

void Farewell(CDeskPipeConnection& pipe, const std::string& error) {
    pipe.Write(DeskErrorReply(nullptr, error) + "\n", kFarewellTimeoutMs);
}

// Reads until lines holds at least one complete line; false when the client is to be dropped.
bool ReadLines(CDeskPipeConnection& pipe, CDeskLineReader& reader, ULONGLONG deadline,
               const DeskChannelLimits& limits, std::vector<std::string>& lines) {
    std::array<char, 4096> buffer;
    while (lines.empty()) {
        if (reader.Overflowed()) {
            Farewell(pipe, "a request line is longer than " + std::to_string(limits.maxLineBytes) + " bytes");
            return false;
        }
        const ULONGLONG now = GetTickCount64();
        DWORD got = 0;
        const PipeOutcome outcome =
            now >= deadline ? PipeOutcome::TimedOut
                            : pipe.Read(buffer.data(), static_cast<DWORD>(buffer.size()), got, static_cast<DWORD>(deadline - now));
        if (outcome == PipeOutcome::TimedOut) {
            Farewell(pipe, "no complete request within " + std::to_string(limits.idleTimeoutMs) + " ms");
            return false;
        }
        if (outcome != PipeOutcome::Done) return false;
        reader.Append(buffer.data(), got, lines);
    }
    return true;
}

}  // namespace

void ServeDeskClient(CDeskPipeConnection& pipe, IDeskLineSink& sink, const DeskChannelLimits& limits,
                     HANDLE stopEvent) {
    const auto exchange = std::make_shared<CDeskExchange>();
    if (!exchange->Ready()) return;
    CDeskLineReader reader(limits.maxLineBytes);
    std::vector<std::string> lines;
    ULONGLONG deadline = GetTickCount64() + limits.idleTimeoutMs;
    for (;;) {
        if (!ReadLines(pipe, reader, deadline, limits, lines)) return;
        for (std::string& line : lines) {
            exchange->Begin();
            sink.Submit(std::move(line), exchange);
            std::optional<DeskReply> reply = exchange->Wait(stopEvent);
            if (!reply) return;
            const PipeOutcome written = pipe.Write(reply->line + "\n", limits.writeTimeoutMs);
            if (reply->quit) sink.RequestQuit();
            if (written != PipeOutcome::Done) return;
        }
        lines.clear();
        deadline = GetTickCount64() + limits.idleTimeoutMs;
    }
}

}  // namespace desk
