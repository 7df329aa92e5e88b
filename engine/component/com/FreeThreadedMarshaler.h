#pragma once
// The system's free-threaded marshaler aggregated into a free-threaded object, so that every
// apartment gets the object itself instead of a proxy.
#include "PlatformHeaders.h"

#include <mutex>

#include "ComPtr.h"

namespace com {

class FreeThreadedMarshaler {
public:
    // The marshaler's IMarshal for the object whose identity is controlling (made on first
    // use); null when it cannot be made.
    void* Marshal(IUnknown* controlling) {
        const std::lock_guard<std::mutex> guard(m_lock);
        if (!m_marshaler && FAILED(CoCreateFreeThreadedMarshaler(controlling, m_marshaler.Put()))) return nullptr;
        IMarshal* marshal = nullptr;
        if (FAILED(m_marshaler->QueryInterface(IID_IMarshal, reinterpret_cast<void**>(&marshal)))) return nullptr;
        marshal->Release();  // the caller takes its own reference; this one counted on the object
        return marshal;
    }

private:
    std::mutex m_lock;
    ComPtr<IUnknown> m_marshaler;
};

}  // namespace com
