#pragma once
// Security attributes whose descriptor admits one account alone: the user the current process
// runs as (the token's user SID, full access); everyone else, the network logon included,
// finds no entry in the list and is refused.
#include <windows.h>

#include <string>
#include <vector>

namespace desk {

class CUserOnlySecurity {
public:
    CUserOnlySecurity() = default;
    CUserOnlySecurity(const CUserOnlySecurity&) = delete;
    CUserOnlySecurity& operator=(const CUserOnlySecurity&) = delete;

    // False with the reason when the user's SID or the descriptor cannot be made.
    bool Build(std::string& error);
    SECURITY_ATTRIBUTES* Attributes() { return &m_attributes; }
    PSID UserSid() const;

private:
    std::vector<DWORD> m_tokenUser;  // TOKEN_USER with the SID after it (DWORD-aligned)
    std::vector<DWORD> m_acl;
    SECURITY_DESCRIPTOR m_descriptor{};
    SECURITY_ATTRIBUTES m_attributes{};
};

}  // namespace desk
