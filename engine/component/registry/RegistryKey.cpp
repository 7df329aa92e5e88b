#include "RegistryKey.h"

#include <cstdio>

RegistryKey::RegistryKey(const char* subkey, bool printReadFailures) : m_printReadFailures(printReadFailures) {
    char keyClass[] = "Class";
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, subkey, 0, keyClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) == ERROR_SUCCESS) {
        m_key = key;
    }
}

RegistryKey::~RegistryKey() {
    if (m_key != nullptr) RegCloseKey(m_key);
}

std::optional<std::string> RegistryKey::ReadString(const std::string& name) {
    if (m_key == nullptr) return std::string("Open failed");
    char buffer[kListValueBufferSize] = {};
    DWORD size = sizeof(buffer);
    const LONG status =
        RegQueryValueExA(m_key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    if (status != ERROR_SUCCESS) {
        if (!m_printReadFailures) return std::nullopt;
        std::printf("Error quering string: %d\n", static_cast<int>(status));
        std::fflush(stdout);
        return std::nullopt;
    }
    std::string text(buffer, size);
    while (!text.empty() && text.back() == '\0') text.pop_back();  // a value stored with its NUL
    return text;
}

bool RegistryKey::WriteString(const std::string& name, const std::string& text) {
    if (m_key == nullptr) return false;
    return RegSetValueExA(m_key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.data()),
                          static_cast<DWORD>(text.size())) == ERROR_SUCCESS;
}

bool RegistryKey::DeleteValue(const std::string& name) {
    return m_key != nullptr && RegDeleteValueA(m_key, name.c_str()) == ERROR_SUCCESS;
}
