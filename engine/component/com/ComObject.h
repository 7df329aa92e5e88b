#pragma once
// The IUnknown of our COM objects. Derived lists its interfaces as bases and answers
// FindInterface; reference counting, identity and aggregation live here. An aggregated object
// delegates its interfaces' IUnknown to the outer object and answers the outer object's own
// questions through its inner (non-delegating) unknown.
#include "PlatformHeaders.h"

#include <atomic>
#include <new>
#include <utility>

#include "ComPtr.h"
#include "ModuleLock.h"

namespace com {

template <class Derived, class... Interfaces>
class ComObject : public Interfaces... {
public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    // IUnknown of every interface: through the controlling unknown.
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override { return Controlling()->QueryInterface(iid, object); }
    STDMETHODIMP_(ULONG) AddRef() override { return Controlling()->AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return Controlling()->Release(); }

    // The object's identity: the outer object's when aggregated.
    IUnknown* Identity() { return Controlling(); }

    // The one way our objects are made: a new object with one reference, held by the result.
    template <class... Arguments>
    static ComPtr<Derived> Make(Arguments&&... arguments) {
        return ComPtr<Derived>::Adopt(New(std::forward<Arguments>(arguments)...));  // its count starts at 1
    }
    // A class object's CreateInstance: given an outer object, only IUnknown may be asked for
    // and the result is the inner (non-delegating) unknown; otherwise the interface asked for.
    static HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** object) {
        if (object == nullptr) return E_POINTER;
        *object = nullptr;
        if (outer != nullptr && !IsEqualIID(iid, IID_IUnknown)) return CLASS_E_NOAGGREGATION;
        ComObject* created = New();
        if (created == nullptr) return E_OUTOFMEMORY;
        created->m_outer = outer;
        const ComPtr<IUnknown> inner = ComPtr<IUnknown>::Adopt(&created->m_inner);
        const HRESULT constructed = created->Construct();
        if (FAILED(constructed)) return constructed;
        return inner->QueryInterface(iid, object);
    }

protected:
    ComObject() = default;
    virtual ~ComObject() = default;

    // The interface pointer for an interface ID other than IUnknown, or null.
    virtual void* FindInterface(REFIID iid) = 0;

    // Completes a new object made by a class object; a failure ends its creation.
    virtual HRESULT Construct() { return S_OK; }

    // Runs when the last reference has gone, before the object is deleted.
    virtual void FinalRelease() {}

private:
    template <class... Arguments>
    static Derived* New(Arguments&&... arguments) {
        return new (std::nothrow) Derived(std::forward<Arguments>(arguments)...);
    }

    class Inner final : public IUnknown {
    public:
        explicit Inner(ComObject& owner) : m_owner(owner) {}
        STDMETHODIMP QueryInterface(REFIID iid, void** object) override { return m_owner.InnerQuery(iid, object); }
        STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++m_owner.m_references); }
        STDMETHODIMP_(ULONG) Release() override {
            const long remaining = --m_owner.m_references;
            if (remaining == 0) m_owner.Destroy();
            return static_cast<ULONG>(remaining);
        }

    private:
        ComObject& m_owner;
    };

    IUnknown* Controlling() { return m_outer != nullptr ? m_outer : &m_inner; }

    HRESULT InnerQuery(REFIID iid, void** object) {
        if (object == nullptr) return E_POINTER;
        *object = nullptr;
        void* found = IsEqualIID(iid, IID_IUnknown) ? static_cast<IUnknown*>(&m_inner) : FindInterface(iid);
        if (found == nullptr) return E_NOINTERFACE;
        static_cast<IUnknown*>(found)->AddRef();
        *object = found;
        return S_OK;
    }

    void Destroy() {
        m_references = 1;  // guards against a new count reaching 0 again during teardown
        FinalRelease();
        delete this;
    }

    ModuleLockScope m_moduleLock;
    std::atomic<long> m_references{1};
    IUnknown* m_outer = nullptr;
    Inner m_inner{*this};
};

}  // namespace com
