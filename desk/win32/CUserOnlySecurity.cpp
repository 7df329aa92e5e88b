#include "CUserOnlySecurity.h"

#include "UniqueHandle.h"

namespace desk {
namespace {

std::string Failure(const char* what) {
    return std::string(what) + " failed (error " + std::to_string(GetLastError()) + ")";
}

}  // namespace

PSID CUserOnlySecurity::UserSid() const {
    return m_tokenUser.empty() ? nullptr : reinterpret_cast<const TOKEN_USER*>(m_tokenUser.data())->User.Sid;
}

bool CUserOnlySecurity::Build(std::string& error) {
    HANDLE rawToken = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &rawToken)) return error = Failure("OpenProcessToken"), false;
    const UniqueKernelHandle token(rawToken);
    DWORD bytes = 0;
    GetTokenInformation(token.Get(), TokenUser, nullptr, 0, &bytes);
    if (bytes == 0) return error = Failure("GetTokenInformation"), false;
    m_tokenUser.assign(bytes / sizeof(DWORD) + 1, 0);
    if (!GetTokenInformation(token.Get(), TokenUser, m_tokenUser.data(),
                             static_cast<DWORD>(m_tokenUser.size() * sizeof(DWORD)), &bytes))
        return error = Failure("GetTokenInformation"), false;

    const PSID sid = UserSid();
    const DWORD aclBytes = sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD) + GetLengthSid(sid);
    m_acl.assign(aclBytes / sizeof(DWORD) + 1, 0);
    auto* acl = reinterpret_cast<ACL*>(m_acl.data());
    if (!InitializeAcl(acl, static_cast<DWORD>(m_acl.size() * sizeof(DWORD)), ACL_REVISION))
        return error = Failure("InitializeAcl"), false;
    if (!AddAccessAllowedAce(acl, ACL_REVISION, GENERIC_ALL, sid)) return error = Failure("AddAccessAllowedAce"), false;
    if (!InitializeSecurityDescriptor(&m_descriptor, SECURITY_DESCRIPTOR_REVISION))
        return error = Failure("InitializeSecurityDescriptor"), false;
    if (!SetSecurityDescriptorDacl(&m_descriptor, TRUE, acl, FALSE))
        return error = Failure("SetSecurityDescriptorDacl"), false;
    m_attributes.nLength = sizeof(m_attributes);
    m_attributes.lpSecurityDescriptor = &m_descriptor;
    m_attributes.bInheritHandle = FALSE;
    return true;
}

}  // namespace desk
