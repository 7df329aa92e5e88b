#pragma once
// Registration for the current user alone, which needs no administrator rights: while an
// operation runs, this process's HKEY_CLASSES_ROOT is mapped to
// HKEY_CURRENT_USER\Software\Classes, so the machine-wide registration code writes (and
// removes) the same entries there.
#include "PlatformHeaders.h"

#include <functional>

// Where a DllInstall command line asks for the entries: "user" or "machine" (any letter
// case); nothing (null or empty) means the machine, as DllRegisterServer does.
enum class RegistrationScope { Machine, User, Unknown };
RegistrationScope ScopeOfCommandLine(const wchar_t* commandLine);

// Runs operation with HKEY_CLASSES_ROOT mapped to the user's classes; its result, or the
// error of opening or mapping the key.
HRESULT WithUserClasses(const std::function<HRESULT()>& operation);
