#include "CompanionLauncher.h"

#include "WideText.h"

#include <vector>

namespace desk {
namespace {

std::wstring OwnFolder() {
    std::vector<wchar_t> path(32768);
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::wstring own(path.data(), length);
    const std::size_t slash = own.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : own.substr(0, slash);
}

}  // namespace

UniqueKernelHandle StartCompanion(std::string& error) {
    const std::wstring folder = OwnFolder();
    const std::wstring program = folder + L"\\VimroDesk.exe";
    std::wstring commandLine = L"\"" + program + L"\"";
    // No standard handles at all, and none inherited: nothing the companion prints can reach
    // vimro's output, nor hold it open for the companion's whole life.
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        DETACHED_PROCESS | CREATE_NEW_PROCESS_GROUP, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        error = "cannot start " + ToUtf8(program) + " (error " + std::to_string(GetLastError()) + ")";
        return UniqueKernelHandle();
    }
    CloseHandle(process.hThread);
    return UniqueKernelHandle(process.hProcess);
}

}  // namespace desk
