// Entry points of the in-process component server.
#include "PlatformHeaders.h"

#include <string>

#include "CharacterWindowClass.h"
#include "ComponentIds.h"
#include "EventReceiver.h"
#include "ModuleClasses.h"
#include "ModuleLock.h"
#include "TypeInfoCache.h"
#include "UserRegistration.h"

namespace {

HINSTANCE g_module = nullptr;

std::wstring ModulePath() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(g_module, path, MAX_PATH);
    return std::wstring(path, length);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
        com::SetTypeLibrary(LIBID_VimroGraphicEngine, kTypeLibraryMajor, kTypeLibraryMinor);
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        // Unloaded while the process goes on: nothing of ours may stay behind.
        com::ReleaseTypeInfoCache();
        UnregisterEventReceiverClass();
        UnregisterCharacterWindowClass();
    }
    return TRUE;
}

extern "C" HRESULT __stdcall DllCanUnloadNow() { return com::ModuleLockCount() == 0 ? S_OK : S_FALSE; }

extern "C" HRESULT __stdcall DllGetClassObject(REFCLSID classId, REFIID iid, void** object) {
    return GetModuleClassObject(classId, iid, object);
}

extern "C" HRESULT __stdcall DllRegisterServer() { return RegisterModuleClasses(ModulePath()); }

extern "C" HRESULT __stdcall DllUnregisterServer() { return UnregisterModuleClasses(); }

// "regsvr32 /n /i:user" registers for the current user alone, "regsvr32 /u /n /i:user" removes
// that registration; "machine" or no command line acts as DllRegisterServer and DllUnregisterServer.
extern "C" HRESULT __stdcall DllInstall(BOOL install, LPCWSTR commandLine) {
    const auto operation = [install] { return install ? RegisterModuleClasses(ModulePath()) : UnregisterModuleClasses(); };
    switch (ScopeOfCommandLine(commandLine)) {
    case RegistrationScope::Machine:
        return operation();
    case RegistrationScope::User:
        return WithUserClasses(operation);
    default:
        return E_INVALIDARG;
    }
}
