#include "UserRegistration.h"

namespace {

constexpr const wchar_t* kUserClassesKey = L"Software\\Classes";

// HKEY_CLASSES_ROOT mapped to a key for the object's lifetime; the mapping ends (and the
// key closes) with it.
class ClassesRootOverride {
public:
    ClassesRootOverride() {
        LONG status = RegCreateKeyExW(HKEY_CURRENT_USER, kUserClassesKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      KEY_ALL_ACCESS, nullptr, &m_key, nullptr);
        if (status == ERROR_SUCCESS) status = RegOverridePredefKey(HKEY_CLASSES_ROOT, m_key);
        m_status = status;
    }
    ClassesRootOverride(const ClassesRootOverride&) = delete;
    ClassesRootOverride& operator=(const ClassesRootOverride&) = delete;
    ~ClassesRootOverride() {
        if (m_status == ERROR_SUCCESS) RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
        if (m_key != nullptr) RegCloseKey(m_key);
    }
    LONG Status() const { return m_status; }

private:
    HKEY m_key = nullptr;
    LONG m_status = ERROR_INVALID_HANDLE;
};

}  // namespace

RegistrationScope ScopeOfCommandLine(const wchar_t* commandLine) {
    if (commandLine == nullptr || *commandLine == L'\0') return RegistrationScope::Machine;
    if (_wcsicmp(commandLine, L"user") == 0) return RegistrationScope::User;
    if (_wcsicmp(commandLine, L"machine") == 0) return RegistrationScope::Machine;
    return RegistrationScope::Unknown;
}

HRESULT WithUserClasses(const std::function<HRESULT()>& operation) {
    const ClassesRootOverride mapped;
    if (mapped.Status() != ERROR_SUCCESS) return HRESULT_FROM_WIN32(mapped.Status());
    return operation();
}
