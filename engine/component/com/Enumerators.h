#pragma once
// Snapshots of connection points and connections, handed out as standard enumerators.
#include "PlatformHeaders.h"

#include <vector>

#include "ComObject.h"
#include "ExceptionGuard.h"

namespace com {

struct HeldConnection {
    ComPtr<IUnknown> sink;
    DWORD cookie = 0;
};

inline void CopyOut(const HeldConnection& held, CONNECTDATA& out) {
    out.pUnk = ComPtr<IUnknown>(held.sink).Detach();
    out.dwCookie = held.cookie;
}

inline void CopyOut(const ComPtr<IConnectionPoint>& held, IConnectionPoint*& out) {
    out = ComPtr<IConnectionPoint>(held).Detach();
}

// Enum: the enumerator interface; Held: what the snapshot keeps; Out: what Next writes.
template <class Enum, class Held, class Out>
class Enumerator final : public ComObject<Enumerator<Enum, Held, Out>, Enum> {
public:
    explicit Enumerator(std::vector<Held> items, size_t position = 0)
        : m_items(std::move(items)), m_position(position) {}

    STDMETHODIMP Next(ULONG count, Out* out, ULONG* fetched) override {
        if (out == nullptr || (count > 1 && fetched == nullptr)) return E_POINTER;
        ULONG given = 0;
        for (; given < count && m_position < m_items.size(); ++given, ++m_position) CopyOut(m_items[m_position], out[given]);
        if (fetched != nullptr) *fetched = given;
        return given == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override {
        const size_t left = m_items.size() - m_position;
        m_position += count < left ? count : left;
        return count <= left ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override {
        m_position = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(Enum** copy) override {
        if (copy == nullptr) return E_POINTER;
        *copy = nullptr;
        return Guarded(kModuleSource, __uuidof(Enum), [&]() -> HRESULT {
            ComPtr<Enumerator> cloned = Enumerator::Make(m_items, m_position);  // copies the snapshot
            *copy = cloned ? static_cast<Enum*>(cloned.Detach()) : nullptr;
            return *copy != nullptr ? S_OK : E_OUTOFMEMORY;
        });
    }

private:
    void* FindInterface(REFIID iid) override {
        return IsEqualIID(iid, __uuidof(Enum)) ? static_cast<Enum*>(this) : nullptr;
    }

    std::vector<Held> m_items;
    size_t m_position;
};

using ConnectionEnumerator = Enumerator<IEnumConnections, HeldConnection, CONNECTDATA>;
using ConnectionPointEnumerator = Enumerator<IEnumConnectionPoints, ComPtr<IConnectionPoint>, IConnectionPoint*>;

}  // namespace com
