#include "UserKey.h"

namespace {

constexpr DWORD kMaxStringChars = 1024;
constexpr DWORD kMaxValueNameChars = 255;
constexpr DWORD kMaxValues = 1000;

}  // namespace

UserKey::UserKey(const wchar_t* path, Mode mode) {
    HKEY key = nullptr;
    const LONG result = mode == Mode::Create
                            ? RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                                              &key, nullptr)
                            : RegOpenKeyExW(HKEY_CURRENT_USER, path, 0,
                                            mode == Mode::Write ? KEY_READ | KEY_WRITE : KEY_READ, &key);
    if (result == ERROR_SUCCESS) m_key = key;
}

UserKey::~UserKey() {
    if (m_key != nullptr) RegCloseKey(m_key);
}

std::optional<std::wstring> UserKey::ReadString(const wchar_t* name) const {
    if (m_key == nullptr) return std::nullopt;
    std::wstring text(kMaxStringChars + 1, L'\0');
    DWORD type = 0;
    DWORD bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    const LONG result = RegQueryValueExW(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &bytes);
    if (result != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
    // The stored string need not end in a terminator: cut at the first one, else at its size.
    text.resize(bytes / sizeof(wchar_t));
    const size_t end = text.find(L'\0');
    if (end != std::wstring::npos) text.resize(end);
    return text;
}

std::optional<DWORD> UserKey::ReadNumber(const wchar_t* name) const {
    if (m_key == nullptr) return std::nullopt;
    DWORD value = 0, type = 0, bytes = sizeof(value);
    const LONG result = RegQueryValueExW(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &bytes);
    if (result != ERROR_SUCCESS || type != REG_DWORD || bytes != sizeof(value)) return std::nullopt;
    return value;
}

bool UserKey::WriteString(const wchar_t* name, const std::wstring& text) const {
    if (m_key == nullptr) return false;
    const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes) == ERROR_SUCCESS;
}

bool UserKey::WriteNumber(const wchar_t* name, DWORD value) const {
    if (m_key == nullptr) return false;
    return RegSetValueExW(m_key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value)) ==
           ERROR_SUCCESS;
}

void UserKey::DeleteValue(const wchar_t* name) const {
    if (m_key != nullptr) RegDeleteValueW(m_key, name);
}

std::vector<std::wstring> UserKey::ValueNames() const {
    std::vector<std::wstring> names;
    if (m_key == nullptr) return names;
    for (DWORD index = 0; index < kMaxValues; ++index) {
        wchar_t name[kMaxValueNameChars + 1] = {};
        DWORD length = kMaxValueNameChars + 1;
        const LONG result = RegEnumValueW(m_key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result == ERROR_SUCCESS) names.emplace_back(name, length);
    }
    return names;
}
