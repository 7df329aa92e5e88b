#pragma once
// Registering the VimroGE.dll beside the running program the way an installer does.
#include <windows.h>

#include <string>

namespace component_tests {

std::wstring ServerPath();
// Runs "regsvr32 /s" (or "/u /s") on the server; its exit code.
DWORD RunRegsvr32(bool unregister);
// Runs "regsvr32 /s <options>" on the server, for example options "/n /i:user"; its exit code.
DWORD RunRegsvr32With(const std::wstring& options);

}  // namespace component_tests
