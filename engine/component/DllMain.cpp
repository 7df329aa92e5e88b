// Entry points of the in-process component server.
#include "PlatformHeaders.h"

#include <functional>
#include <optional>
#include <string>

#include "CharacterWindowClass.h"
#include "ComponentIds.h"
#include "EventReceiver.h"
#include "ExceptionGuard.h"
#include "GrowingRead.h"
#include "ModuleClasses.h"
#include "ModuleLock.h"
#include "TypeInfoCache.h"
#include "UserRegistration.h"

namespace {

using com::TypeLibraryScope;

template <class Body>
HRESULT GuardedExport(Body&& body) {
    return com::Guarded(com::kModuleSource, IID_NULL, body);
}

HINSTANCE g_module = nullptr;

// Long paths (\\?\ prefixed) reach 32767 characters.
constexpr size_t kLongestPath = 32768;

// The module's own path, whole; none when it cannot be read whole.
std::optional<std::wstring> ModulePath() {
    const std::function<size_t(wchar_t*, size_t)> fill = [](wchar_t* buffer, size_t capacity) {
        return static_cast<size_t>(GetModuleFileNameW(g_module, buffer, static_cast<DWORD>(capacity)));
    };
    return ReadGrowing<wchar_t>(fill, MAX_PATH, kLongestPath);
}

HRESULT RegisterWithModulePath(TypeLibraryScope scope) {
    const std::optional<std::wstring> path = ModulePath();
    if (!path) return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
    return RegisterModuleClasses(*path, scope);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
        com::SetTypeLibrary(LIBID_VimroGraphicEngine, kTypeLibraryMajor, kTypeLibraryMinor);
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        // Unloaded while the process goes on: our window classes may not stay behind. No
        // component call is made here, under the loader lock: the type information was let
        // go when the module last said it could unload.
        UnregisterEventReceiverClass();
        UnregisterCharacterWindowClass();
    }
    return TRUE;
}

// The cached type information goes when nothing of the module is in use any more, outside
// the loader lock; a later object loads it again.
extern "C" HRESULT __stdcall DllCanUnloadNow() {
    return GuardedExport([] {
        if (com::ModuleLockCount() != 0) return S_FALSE;
        com::ReleaseTypeInfoCache();
        return S_OK;
    });
}

extern "C" HRESULT __stdcall DllGetClassObject(REFCLSID classId, REFIID iid, void** object) {
    return GuardedExport([&] { return GetModuleClassObject(classId, iid, object); });
}

extern "C" HRESULT __stdcall DllRegisterServer() {
    return GuardedExport([] { return RegisterWithModulePath(TypeLibraryScope::Machine); });
}

extern "C" HRESULT __stdcall DllUnregisterServer() {
    return GuardedExport([] { return UnregisterModuleClasses(TypeLibraryScope::Machine); });
}

// "regsvr32 /n /i:user" registers for the current user alone, "regsvr32 /u /n /i:user" removes
// that registration; "machine" or no command line acts as DllRegisterServer and DllUnregisterServer.
extern "C" HRESULT __stdcall DllInstall(BOOL install, LPCWSTR commandLine) {
    const auto operation = [install](TypeLibraryScope scope) {
        return install ? RegisterWithModulePath(scope) : UnregisterModuleClasses(scope);
    };
    return GuardedExport([&] {
        switch (ScopeOfCommandLine(commandLine)) {
        case RegistrationScope::Machine:
            return operation(TypeLibraryScope::Machine);
        case RegistrationScope::User:
            return WithUserClasses([&] { return operation(TypeLibraryScope::User); });
        default:
            return E_INVALIDARG;
        }
    });
}
