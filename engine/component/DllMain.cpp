// Entry points of the in-process component server.
#include "PlatformHeaders.h"

#include <functional>
#include <optional>
#include <string>

#include "CBalloonWindow.h"
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

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
        com::SetTypeLibrary(LIBID_VimroGraphicEngine, kTypeLibraryMajor, kTypeLibraryMinor);
    }
    return TRUE;
}

// What the module holds for its objects goes when nothing of it is in use any more, here and
// not in DllMain, which runs under the loader lock and may call nothing of user32 or gdi32:
// the cached type information and the window classes; a later object makes them again. A
// module never asked, or answering S_FALSE, keeps its classes until the process ends.
extern "C" HRESULT __stdcall DllCanUnloadNow() {
    return GuardedExport([] {
        if (com::ModuleLockCount() != 0) return S_FALSE;
        // A window of the module's classes still runs its code: the module must stay. Every
        // class is tried, so that those without windows are let go either way.
        const bool receiversGone = UnregisterEventReceiverClass();
        const bool charactersGone = UnregisterCharacterWindowClass();
        const bool balloonsGone = UnregisterBalloonWindowClass();
        if (!receiversGone || !charactersGone || !balloonsGone) return S_FALSE;
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
