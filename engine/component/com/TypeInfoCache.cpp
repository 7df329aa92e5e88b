#include "TypeInfoCache.h"

#include <map>
#include <mutex>

#include "ComPtr.h"

namespace com {
namespace {

struct GuidLess {
    bool operator()(const GUID& a, const GUID& b) const { return memcmp(&a, &b, sizeof(GUID)) < 0; }
};

struct Cache {
    std::mutex lock;
    GUID library{};
    WORD major = 1, minor = 0;
    ComPtr<ITypeLib> typeLibrary;
    std::map<GUID, ComPtr<ITypeInfo>, GuidLess> infos;
};

Cache& TheCache() {
    static Cache* cache = new Cache;  // outlives every static destructor that might still ask
    return *cache;
}

}  // namespace

void SetTypeLibrary(REFGUID library, WORD major, WORD minor) {
    Cache& cache = TheCache();
    const std::lock_guard<std::mutex> guard(cache.lock);
    cache.library = library;
    cache.major = major;
    cache.minor = minor;
}

HRESULT GetCachedTypeInfo(REFGUID guid, LCID locale, ITypeInfo** info) {
    if (info == nullptr) return E_POINTER;
    *info = nullptr;
    Cache& cache = TheCache();
    const std::lock_guard<std::mutex> guard(cache.lock);
    const auto found = cache.infos.find(guid);
    if (found != cache.infos.end()) {
        *info = ComPtr<ITypeInfo>(found->second).Detach();
        return S_OK;
    }
    if (!cache.typeLibrary) {
        const HRESULT loaded = LoadRegTypeLib(cache.library, cache.major, cache.minor, locale, cache.typeLibrary.Put());
        if (FAILED(loaded)) return loaded;
    }
    ComPtr<ITypeInfo> loaded;
    const HRESULT result = cache.typeLibrary->GetTypeInfoOfGuid(guid, loaded.Put());
    if (FAILED(result)) return result;
    cache.infos[guid] = loaded;
    *info = loaded.Detach();
    return S_OK;
}

void ReleaseTypeInfoCache() {
    Cache& cache = TheCache();
    const std::lock_guard<std::mutex> guard(cache.lock);
    cache.infos.clear();
    cache.typeLibrary.Reset();
}

}  // namespace com
