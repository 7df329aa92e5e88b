// vimro.exe under Wine against the channel's host, copied beside it as VimroDesk.exe: the
// companion started on demand, one line of output, the exit codes.
#include "DeskTestClient.h"

#include <gtest/gtest.h>

#include <string>

namespace desktest {
namespace {

struct VimroRun {
    DWORD exitCode = 99;
    std::string out;
    std::string err;
    bool outputClosed = false;  // nobody but vimro held its output
};

// Everything in the pipe; whether its writing end was closed by all within 3 s (Wine's console
// host for vimro may hold it a moment after vimro has ended; the companion would for ever).
bool DrainPipe(HANDLE pipe, std::string& text) {
    const ULONGLONG deadline = GetTickCount64() + 3000;
    while (GetTickCount64() < deadline) {
        DWORD available = 0;
        if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr)) return GetLastError() == ERROR_BROKEN_PIPE;
        if (available == 0) {
            Sleep(20);
            continue;
        }
        std::string chunk(available, '\0');
        DWORD got = 0;
        if (!ReadFile(pipe, chunk.data(), available, &got, nullptr)) return false;
        text.append(chunk.data(), got);
    }
    return false;
}

VimroRun RunVimro(const std::wstring& arguments) {
    VimroRun run;
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
    if (!CreatePipe(&outRead, &outWrite, &inheritable, 1 << 16) || !CreatePipe(&errRead, &errWrite, &inheritable, 1 << 16))
        return run;
    const UniqueKernelHandle ownedOutRead(outRead), ownedErrRead(errRead);
    UniqueKernelHandle ownedOutWrite(outWrite), ownedErrWrite(errWrite);
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
    const std::wstring program = BesideTest(L"vimro-folder\\vimro.exe");
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &process))
        return run;
    const UniqueKernelHandle ownedProcess(process.hProcess), ownedThread(process.hThread);
    // Only vimro (and whatever it lets inherit them) holds the writing ends now.
    ownedOutWrite.Reset();
    ownedErrWrite.Reset();
    if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 98);
        return run;
    }
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    run.outputClosed = DrainPipe(outRead, run.out);
    DrainPipe(errRead, run.err);
    return run;
}

TEST(Vimro, StartsTheCompanionAndSaysOneLineForEachCommand) {
    VimroRun run = RunVimro(L"status");
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.err, "not running, pipe " + Narrow(TestPipeName()) + "\r\n");
    EXPECT_EQ(RunVimro(L"quit").out, "not running\r\n");

    run = RunVimro(L"show Pip");
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    // The companion's own output (its scan line) never shows in vimro's.
    EXPECT_EQ(run.out, "ok\r\n");
    EXPECT_TRUE(run.outputClosed) << "the companion kept vimro's output open";

    run = RunVimro(L"say Pip \"Hello there\" --wait");
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_EQ(run.out.rfind("done (request ", 0), 0u) << run.out;
    run = RunVimro(L"list");
    EXPECT_EQ(run.out, "Pip: shown at 0,0; Rex: shown at 40,60\r\n");
    run = RunVimro(L"status");
    EXPECT_EQ(run.out.rfind("running, process ", 0), 0u) << run.out;

    run = RunVimro(L"play Pip Fly");
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.err, "Pip has no animation \"Fly\"\r\n");
    EXPECT_EQ(run.out, "");
    run = RunVimro(L"move Pip 1.5 2");
    EXPECT_EQ(run.exitCode, 2u);
    EXPECT_EQ(run.err.rfind("vimro: X and Y must be whole numbers", 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);

    run = RunVimro(L"quit");
    EXPECT_EQ(run.out, "ok\r\n");
    Sleep(500);
    EXPECT_EQ(RunVimro(L"status").exitCode, 1u);
}

}  // namespace
}  // namespace desktest
