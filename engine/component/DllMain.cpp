// Entry points of the component server. No class is served yet: the component classes
// arrive with the engine runtime; until then every class request is refused.
#include <windows.h>
#include <objbase.h>

#include "CCharacterModel.h"

namespace {
HINSTANCE g_module = nullptr;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" HRESULT __stdcall DllCanUnloadNow() { return S_OK; }

extern "C" HRESULT __stdcall DllGetClassObject(REFCLSID, REFIID, void** object) {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
}
