#include "TypeLibRegistration.h"

#include <oleauto.h>

#include "ComPtr.h"

namespace com {
namespace {

class LoadedLibrary {
public:
    explicit LoadedLibrary(const char* name) : m_module(LoadLibraryA(name)) {}
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;
    ~LoadedLibrary() {
        if (m_module != nullptr) FreeLibrary(m_module);
    }
    HMODULE Get() const { return m_module; }

private:
    HMODULE m_module;
};

template <typename Function>
Function LookUp(const LoadedLibrary& library, const char* name) {
    if (library.Get() == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library.Get(), name)));
}

using RegisterCall = HRESULT(WINAPI*)(ITypeLib*, LPOLESTR, LPOLESTR);
using UnregisterCall = HRESULT(WINAPI*)(REFGUID, WORD, WORD, LCID, SYSKIND);

}  // namespace

HRESULT RegisterEmbeddedTypeLibrary(const std::wstring& modulePath, TypeLibraryScope scope) {
    ComPtr<ITypeLib> library;
    const HRESULT loaded = LoadTypeLibEx(modulePath.c_str(), REGKIND_NONE, library.Put());
    if (FAILED(loaded)) return loaded;
    const auto path = const_cast<LPOLESTR>(modulePath.c_str());
    const LoadedLibrary automation("oleaut32.dll");
    if (scope == TypeLibraryScope::User) {
        if (const auto forUser = LookUp<RegisterCall>(automation, "RegisterTypeLibForUser")) {
            return forUser(library.Get(), path, nullptr);
        }
    }
    return RegisterTypeLib(library.Get(), path, nullptr);
}

HRESULT UnregisterTypeLibrary(REFGUID library, WORD major, WORD minor, TypeLibraryScope scope) {
    // Already unregistered: Wine's UnRegisterTypeLib would fail on the missing entries.
    BSTR path = nullptr;
    if (FAILED(QueryPathOfRegTypeLib(library, major, minor, LOCALE_NEUTRAL, &path))) return S_OK;
    SysFreeString(path);
    const LoadedLibrary automation("oleaut32.dll");
    UnregisterCall unregister = nullptr;
    if (scope == TypeLibraryScope::User) unregister = LookUp<UnregisterCall>(automation, "UnRegisterTypeLibForUser");
    if (unregister == nullptr) unregister = LookUp<UnregisterCall>(automation, "UnRegisterTypeLib");
    if (unregister == nullptr) return S_OK;
    // The library was registered for the module's own platform.
    const SYSKIND platform = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;
    const HRESULT result = unregister(library, major, minor, LOCALE_NEUTRAL, platform);
    return result == TYPE_E_REGISTRYACCESS ? S_OK : result;  // already unregistered
}

}  // namespace com
