#pragma once
// The installed-file list key as the list logic sees it: string values by name.
#include <optional>
#include <string>

class IRegistryKey {
public:
    virtual ~IRegistryKey() = default;
    virtual bool IsInvalid() const = 0;
    // The value's text (ANSI), or nothing when it is missing, unreadable or too long for the
    // 255-byte read buffer.
    virtual std::optional<std::string> ReadString(const std::string& name) = 0;
    virtual bool WriteString(const std::string& name, const std::string& text) = 0;
    virtual bool DeleteValue(const std::string& name) = 0;
};

// Size of the buffer a listed path is read into; longer values count as missing.
constexpr size_t kListValueBufferSize = 255;
