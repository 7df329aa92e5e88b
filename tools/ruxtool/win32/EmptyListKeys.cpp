#include "EmptyListKeys.h"

#include <windows.h>

#include <memory>
#include <type_traits>

namespace {

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

UniqueKey OpenKey(HKEY parent, const wchar_t* name, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, name, 0, access, &key) != ERROR_SUCCESS) return nullptr;
    return UniqueKey(key);
}

bool IsEmpty(HKEY parent, const wchar_t* name) {
    const UniqueKey key = OpenKey(parent, name, KEY_QUERY_VALUE);
    if (key == nullptr) return false;
    DWORD subkeys = 1;
    DWORD values = 1;
    const LONG status = RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                                         nullptr, nullptr, nullptr, nullptr);
    return status == ERROR_SUCCESS && subkeys == 0 && values == 0;
}

// Deletes parent\name when it holds no value and no subkey; RegDeleteKeyW itself refuses a key
// that has subkeys.
void DeleteIfEmpty(const wchar_t* parent, const wchar_t* name) {
    const UniqueKey parentKey = OpenKey(HKEY_CURRENT_USER, parent, KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS);
    if (parentKey != nullptr && IsEmpty(parentKey.get(), name)) RegDeleteKeyW(parentKey.get(), name);
}

}  // namespace

void RemoveEmptyListKeys() {
    DeleteIfEmpty(L"Software\\Orvane", L"RUX");
    DeleteIfEmpty(L"Software", L"Orvane");
}
