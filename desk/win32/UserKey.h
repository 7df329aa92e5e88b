#pragma once
// A key below HKEY_CURRENT_USER, opened or created for the owner's lifetime.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

class UserKey {
public:
    enum class Mode { Read, Write, Create };  // Write opens an existing key only
    UserKey(const wchar_t* path, Mode mode);
    UserKey(const UserKey&) = delete;
    UserKey& operator=(const UserKey&) = delete;
    ~UserKey();

    bool Open() const { return m_key != nullptr; }
    // A REG_SZ value of at most 1,024 characters; nothing when missing, of another type or longer.
    std::optional<std::wstring> ReadString(const wchar_t* name) const;
    std::optional<DWORD> ReadNumber(const wchar_t* name) const;
    bool WriteString(const wchar_t* name, const std::wstring& text) const;
    bool WriteNumber(const wchar_t* name, DWORD value) const;
    void DeleteValue(const wchar_t* name) const;
    // The names of the key's values (at most 1,000, each at most 255 characters).
    std::vector<std::wstring> ValueNames() const;

private:
    HKEY m_key = nullptr;
};
