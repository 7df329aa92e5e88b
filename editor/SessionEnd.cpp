#include "SessionEnd.h"

BlockReasonStep CSessionEnd::DocumentIs(bool dirty) {
    if (dirty == m_reasonSet) return BlockReasonStep::None;
    m_reasonSet = dirty;
    return dirty ? BlockReasonStep::Set : BlockReasonStep::Clear;
}

EndQueryAnswer CSessionEnd::OnQuery(bool dirty, bool critical) {
    if (!dirty) return {};
    if (!critical) return {false, false};
    const bool write = !m_recoveryWritten;
    m_recoveryWritten = true;
    return {true, write};
}

bool CSessionEnd::OnEnd(bool ending, bool dirty) {
    if (!ending) {
        m_recoveryWritten = false;  // the session goes on: a later end writes afresh
        return false;
    }
    const bool write = dirty && !m_recoveryWritten;
    m_recoveryWritten = m_recoveryWritten || write;
    return write;
}
