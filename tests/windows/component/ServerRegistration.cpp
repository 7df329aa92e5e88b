#include "ServerRegistration.h"

#include <filesystem>

namespace component_tests {

std::wstring ServerPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return (std::filesystem::path(path).parent_path() / L"VimroGE.dll").wstring();
}

DWORD RunRegsvr32(bool unregister) { return RunRegsvr32With(unregister ? L"/u" : L""); }

DWORD RunRegsvr32With(const std::wstring& options) {
    std::wstring command = L"regsvr32.exe /s " + options + L" \"" + ServerPath() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return GetLastError();
    }
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

}  // namespace component_tests
