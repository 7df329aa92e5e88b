#pragma once
// The installed-file list key HKEY_CURRENT_USER\Software\Orvane\RUX, opened (created when
// missing) for one operation and closed with the object.
#include "PlatformHeaders.h"

#include "IRegistryKey.h"

constexpr const char* kFileListKeyPath = "Software\\Orvane\\RUX";

class RegistryKey final : public IRegistryKey {
public:
    // RegCreateKeyExA below HKEY_CURRENT_USER with the class "Class", all access; on failure
    // the object holds no key. printReadFailures false keeps standard output quiet (ruxtool).
    explicit RegistryKey(const char* subkey = kFileListKeyPath, bool printReadFailures = true);
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() override;

    bool IsInvalid() const override { return m_key == nullptr; }
    // A failed read prints "Error quering string: <code>" to standard output. Holding no key,
    // the text is "Open failed".
    std::optional<std::string> ReadString(const std::string& name) override;
    bool WriteString(const std::string& name, const std::string& text) override;
    bool DeleteValue(const std::string& name) override;

private:
    HKEY m_key = nullptr;
    bool m_printReadFailures;
};
