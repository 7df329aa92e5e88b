#pragma once
// IDispatch of a dual interface from the registered type library. A class may take some
// members into its own hands (InvokeOwn) where the library's Invoke cannot serve a script;
// everything else goes to the type information.
#include "PlatformHeaders.h"

#include "ComPtr.h"
#include "ExceptionGuard.h"
#include "TypeInfoCache.h"

namespace com {

template <class Interface>
class Dispatch : public Interface {
public:
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) return E_POINTER;
        *count = 1;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        if (info == nullptr) return E_POINTER;
        *info = nullptr;
        if (index != 0) return DISP_E_BADINDEX;
        return Guarded(kModuleSource, __uuidof(Interface),
                       [&] { return GetCachedTypeInfo(__uuidof(Interface), locale, info); });
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override {
        return Guarded(kModuleSource, __uuidof(Interface), [&]() -> HRESULT {
            ComPtr<ITypeInfo> info;
            const HRESULT loaded = GetCachedTypeInfo(__uuidof(Interface), locale, info.Put());
            if (FAILED(loaded)) return loaded;
            return info->GetIDsOfNames(names, count, ids);
        });
    }
    STDMETHODIMP Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                        EXCEPINFO* exception, UINT* argumentError) override {
        if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
        // The members themselves are guarded; this guards the look-up and our own argument work.
        return Guarded(kModuleSource, __uuidof(Interface), [&]() -> HRESULT {
            ComPtr<ITypeInfo> info;
            const HRESULT loaded = GetCachedTypeInfo(__uuidof(Interface), locale, info.Put());
            if (FAILED(loaded)) return loaded;
            HRESULT own = S_OK;
            if (parameters != nullptr && InvokeOwn(member, flags, *parameters, result, exception, argumentError, own)) {
                return own;
            }
            return info->Invoke(static_cast<Interface*>(this), member, flags, parameters, result, exception,
                                argumentError);
        });
    }

protected:
    // True when the class handled the call itself, with its result in handled.
    virtual bool InvokeOwn(DISPID, WORD, DISPPARAMS&, VARIANT*, EXCEPINFO*, UINT*, HRESULT&) { return false; }
};

}  // namespace com
