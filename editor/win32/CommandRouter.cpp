#include "CommandRouter.h"

bool CCommandRouter::Route(int id, int code) const {
    const auto found = m_handlers.find({id, code});
    if (found == m_handlers.end()) return false;
    found->second();
    return true;
}
