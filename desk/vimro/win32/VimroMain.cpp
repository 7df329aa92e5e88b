// vimro: sends one command to the desk companion of this session (starting it when none
// runs), prints the answer on one line; exit 0, 1 with the reason, 2 for a usage error.
#include "CDeskPipeClient.h"
#include "CompanionLauncher.h"
#include "DeskPipeName.h"
#include "VimroArguments.h"
#include "VimroReply.h"
#include "WideText.h"

#include <vector>

namespace {

using desk::VimroOutcome;

constexpr DWORD kBusyTimeoutMs = 10000;
constexpr ULONGLONG kStartTimeoutMs = 30000;
constexpr ULONGLONG kEndedGraceMs = 5000;
constexpr std::size_t kMaxReplyBytes = 1024 * 1024;

// A console gets UTF-16 (names in any script show right); a file or pipe gets UTF-8.
void PrintLine(DWORD stream, const std::string& utf8) {
    const HANDLE output = GetStdHandle(stream);
    if (output == nullptr || output == INVALID_HANDLE_VALUE) return;
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(output, &mode)) {
        const std::wstring wide = desk::FromUtf8(utf8) + L"\r\n";
        WriteConsoleW(output, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else {
        const std::string bytes = utf8 + "\r\n";
        WriteFile(output, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
}

// Starts the companion and waits until its pipe takes a client.
bool StartAndConnect(desk::CDeskPipeClient& client, const std::wstring& pipeName, std::string& error) {
    const UniqueKernelHandle companion = desk::StartCompanion(error);
    if (!companion) return false;
    const ULONGLONG deadline = GetTickCount64() + kStartTimeoutMs;
    ULONGLONG endedAt = 0;
    while (GetTickCount64() < deadline) {
        const desk::ConnectOutcome outcome = client.Connect(pipeName, kBusyTimeoutMs, error);
        if (outcome == desk::ConnectOutcome::Connected) return true;
        if (outcome == desk::ConnectOutcome::Failed) return false;
        // A companion that ends at once may have found another one starting (two vimro at
        // the same moment): give that one's pipe a moment before calling it a failure.
        if (WaitForSingleObject(companion.Get(), 50) == WAIT_OBJECT_0) {
            if (endedAt == 0) endedAt = GetTickCount64();
            if (GetTickCount64() - endedAt > kEndedGraceMs) break;
            Sleep(50);
        }
    }
    error = endedAt != 0 ? "VimroDesk.exe ended without opening its pipe"
                         : "VimroDesk.exe did not open its pipe within " + std::to_string(kStartTimeoutMs / 1000) + " s";
    return false;
}

VimroOutcome Run(const desk::VimroInvocation& invocation) {
    desk::CDeskPipeClient client;
    const std::wstring pipeName = desk::DeskPipeName();
    std::string error;
    const desk::ConnectOutcome outcome = client.Connect(pipeName, kBusyTimeoutMs, error);
    if (outcome == desk::ConnectOutcome::Failed) return {1, error};
    if (outcome == desk::ConnectOutcome::NotRunning) {
        if (invocation.command == "status") return {1, "not running, pipe " + desk::ToUtf8(pipeName)};
        if (invocation.command == "quit") return {0, "not running"};
        if (!StartAndConnect(client, pipeName, error)) return {1, error};
    }
    std::string reply;
    if (!client.Send(invocation.request.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace), error) ||
        !client.ReceiveLine(reply, kMaxReplyBytes, error))
        return {1, error};
    return desk::DescribeVimroReply(invocation.command, reply);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(desk::ToUtf8(argv[i]));
    const desk::ParsedVimroArguments parsed = desk::ParseVimroArguments(arguments);
    if (!parsed.invocation) {
        PrintLine(STD_ERROR_HANDLE, desk::OneLine("vimro: " + parsed.usageError + "; " + desk::VimroUsage()));
        return 2;
    }
    const VimroOutcome outcome = Run(*parsed.invocation);
    PrintLine(outcome.exitCode == 0 ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE, outcome.line);
    return outcome.exitCode;
}
