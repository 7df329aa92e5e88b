#include "Registrar.h"

#include <initializer_list>
#include <utility>

namespace com {
namespace {

class Key {
public:
    Key() = default;
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    ~Key() {
        if (m_key != nullptr) RegCloseKey(m_key);
    }
    HKEY* Put() { return &m_key; }
    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

HRESULT FromStatus(LONG status) { return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(status); }

HRESULT SetText(HKEY key, const wchar_t* name, const std::wstring& text) {
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return FromStatus(RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes));
}

// Creates (or opens) the key below parent and sets its default value when text is given.
HRESULT WriteKey(HKEY parent, const std::wstring& path, const std::wstring* text, Key& key) {
    const LONG status = RegCreateKeyExW(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                        nullptr, key.Put(), nullptr);
    if (status != ERROR_SUCCESS) return FromStatus(status);
    return text != nullptr ? SetText(key.Get(), nullptr, *text) : S_OK;
}

HRESULT WriteSubkeys(HKEY parent, std::initializer_list<std::pair<const wchar_t*, std::wstring>> subkeys) {
    for (const auto& subkey : subkeys) {
        Key key;
        const HRESULT written = WriteKey(parent, subkey.first, &subkey.second, key);
        if (FAILED(written)) return written;
    }
    return S_OK;
}

HRESULT WriteProgIds(const ClassRegistration& entry, const std::wstring& classText) {
    const std::wstring description = entry.description;
    Key current, independent;
    HRESULT result = WriteKey(HKEY_CLASSES_ROOT, VersionedProgId(entry), &description, current);
    if (SUCCEEDED(result)) result = WriteSubkeys(current.Get(), {{L"CLSID", classText}});
    if (SUCCEEDED(result)) result = WriteKey(HKEY_CLASSES_ROOT, entry.progId, &description, independent);
    if (SUCCEEDED(result)) result = WriteSubkeys(independent.Get(), {{L"CLSID", classText}, {L"CurVer", VersionedProgId(entry)}});
    return result;
}

HRESULT WriteClassKey(const ClassRegistration& entry, const std::wstring& classText, const std::wstring& modulePath,
                      REFGUID typeLibrary) {
    const std::wstring description = entry.description;
    Key classKey;
    HRESULT result = WriteKey(HKEY_CLASSES_ROOT, L"CLSID\\" + classText, &description, classKey);
    if (SUCCEEDED(result)) {
        result = WriteSubkeys(classKey.Get(), {{L"ProgID", VersionedProgId(entry)},
                                               {L"VersionIndependentProgID", entry.progId},
                                               {L"TypeLib", GuidText(typeLibrary)}});
    }
    Key programmable, server;
    if (SUCCEEDED(result)) result = WriteKey(classKey.Get(), L"Programmable", nullptr, programmable);
    if (SUCCEEDED(result)) result = WriteKey(classKey.Get(), L"InprocServer32", &modulePath, server);
    if (SUCCEEDED(result)) result = SetText(server.Get(), L"ThreadingModel", entry.threadingModel);
    return result;
}

// Deletes the key with everything below it; a key that is already gone counts as removed.
HRESULT DeleteTree(const std::wstring& path) {
    const LONG status = RegDeleteTreeW(HKEY_CLASSES_ROOT, path.c_str());
    return status == ERROR_FILE_NOT_FOUND ? S_OK : FromStatus(status);
}

}  // namespace

std::wstring GuidText(REFGUID guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

std::wstring VersionedProgId(const ClassRegistration& entry) { return std::wstring(entry.progId) + L".1"; }

HRESULT RegisterClassEntries(const ClassRegistration& entry, const std::wstring& modulePath, REFGUID typeLibrary) {
    const std::wstring classText = GuidText(*entry.classId);
    const HRESULT result = WriteProgIds(entry, classText);
    return FAILED(result) ? result : WriteClassKey(entry, classText, modulePath, typeLibrary);
}

HRESULT UnregisterClassEntries(const ClassRegistration& entry) {
    HRESULT result = DeleteTree(VersionedProgId(entry));
    const HRESULT independent = DeleteTree(entry.progId);
    const HRESULT classKey = DeleteTree(L"CLSID\\" + GuidText(*entry.classId));
    if (SUCCEEDED(result)) result = independent;
    if (SUCCEEDED(result)) result = classKey;
    return result;
}

}  // namespace com
