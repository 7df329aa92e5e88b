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

}  // namespace

HRESULT RegisterEmbeddedTypeLibrary(const std::wstring& modulePath) {
    ComPtr<ITypeLib> library;
    const HRESULT loaded = LoadTypeLibEx(modulePath.c_str(), REGKIND_NONE, library.Put());
    if (FAILED(loaded)) return loaded;
    return RegisterTypeLib(library.Get(), const_cast<LPOLESTR>(modulePath.c_str()), nullptr);
}

HRESULT UnregisterTypeLibrary(REFGUID library, WORD major, WORD minor) {
    // Already unregistered: Wine's UnRegisterTypeLib would fail on the missing entries.
    BSTR path = nullptr;
    if (FAILED(QueryPathOfRegTypeLib(library, major, minor, LOCALE_NEUTRAL, &path))) return S_OK;
    SysFreeString(path);
    using Unregister = HRESULT(WINAPI*)(REFGUID, WORD, WORD, LCID, SYSKIND);
    const LoadedLibrary automation("oleaut32.dll");
    if (automation.Get() == nullptr) return S_OK;
    const auto unregister =
        reinterpret_cast<Unregister>(reinterpret_cast<void*>(GetProcAddress(automation.Get(), "UnRegisterTypeLib")));
    if (unregister == nullptr) return S_OK;
    // The library was registered for the module's own platform.
    const SYSKIND platform = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;
    const HRESULT result = unregister(library, major, minor, LOCALE_NEUTRAL, platform);
    return result == TYPE_E_REGISTRYACCESS ? S_OK : result;  // already unregistered
}

}  // namespace com
