#include "ClassFactory.h"

#include "ExceptionGuard.h"
#include "ModuleLock.h"

namespace com {

STDMETHODIMP ClassFactory::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    return Guarded(kModuleSource, IID_IClassFactory, [&] { return m_create(outer, iid, object); });
}

STDMETHODIMP ClassFactory::LockServer(BOOL lock) {
    if (lock) {
        LockModule();
    } else {
        UnlockModule();
    }
    return S_OK;
}

}  // namespace com
