#pragma once
// A tiny component object standing in for a partner character, and the adapter that the
// runtime drives for it; the adapter records what the request engine did.
#include "Win32Api.h"

#include <objbase.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Request.h"
#include "RequestArrays.h"

// Counts its references; lives on the test's stack, so the test can check that every
// reference taken was given back (the count returns to 1, the test's own).
// IUnknown has no virtual destructor: component objects are released, never deleted through it.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class TestPartnerObject final : public IUnknown {
public:
    TestPartnerObject() = default;
    TestPartnerObject(const TestPartnerObject&) = delete;
    TestPartnerObject& operator=(const TestPartnerObject&) = delete;
    ~TestPartnerObject() = default;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override { return --m_references; }
    ULONG References() const { return m_references.load(); }

private:
    std::atomic<ULONG> m_references{1};
};
#pragma GCC diagnostic pop

// What happened to the partner, as text: "hide", "show", "at X,Y"; and on which apartment.
class PartnerLog {
public:
    void Add(const std::string& entry);
    std::vector<std::string> Entries() const;
    void SetFactoryApartment(APTTYPE type) { m_apartment.store(type); }
    APTTYPE FactoryApartment() const { return m_apartment.load(); }

private:
    mutable std::mutex m_lock;
    std::vector<std::string> m_entries;
    std::atomic<APTTYPE> m_apartment{APTTYPE_CURRENT};
};

// A factory whose partners hold a reference on the object and write to the log.
PartnerFactory RecordingPartnerFactory(std::shared_ptr<PartnerLog> log);
