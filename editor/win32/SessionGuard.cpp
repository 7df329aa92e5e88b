#include "SessionGuard.h"

#include <exception>

namespace {

// The copy is the last chance for the work; no failure of it may leave the window procedure.
void KeepQuietly(const std::function<void()>& keep) {
    try {
        keep();
    } catch (const std::exception&) {
    }
}

// Without memory to compare the character, it is taken to have work to lose.
bool DirtyOrUnknown(const std::function<bool()>& dirty) {
    try {
        return dirty();
    } catch (const std::exception&) {
        return true;
    }
}

}  // namespace

void CSessionGuard::DocumentIs(HWND window, bool dirty) {
    switch (m_session.DocumentIs(dirty)) {
        case BlockReasonStep::Set:
            m_block.emplace(window, L"The character has unsaved changes.");
            break;
        case BlockReasonStep::Clear:
            m_block.reset();
            break;
        case BlockReasonStep::None:
            break;
    }
}

bool CSessionGuard::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, const std::function<bool()>& dirty,
                              const std::function<void()>& keep, INT_PTR& result) {
    if (message == WM_QUERYENDSESSION) {
        const bool critical = (static_cast<DWORD>(lParam) & ENDSESSION_CRITICAL) != 0;
        const EndQueryAnswer answer = m_session.OnQuery(DirtyOrUnknown(dirty), critical);
        if (answer.writeRecovery) KeepQuietly(keep);
        result = answer.mayEnd ? TRUE : FALSE;
        return true;
    }
    if (message == WM_ENDSESSION) {
        if (m_session.OnEnd(wParam != FALSE, DirtyOrUnknown(dirty))) KeepQuietly(keep);
        result = 0;
        return true;
    }
    return false;
}
