#pragma once
// What the editor does as the session (log-off, shutdown, restart) ends, apart from the
// window: the system is told in advance why the end would lose work (a block reason held for
// as long as the character has unsaved changes), the end is answered at once without a
// question (the system gives a few seconds and then covers any window), and where the session
// ends anyway (the user chose to end it, or a critical end that asks no one) the character
// is kept as a recovery copy.

enum class BlockReasonStep { None, Set, Clear };

struct EndQueryAnswer {
    bool mayEnd = true;          // TRUE for WM_QUERYENDSESSION
    bool writeRecovery = false;  // write the recovery copy now
};

class CSessionEnd {
public:
    // After every change of the document: whether the block reason is to be set or cleared.
    BlockReasonStep DocumentIs(bool dirty);
    // WM_QUERYENDSESSION. Unsaved changes refuse an ordinary end (the system then lists the
    // block reason and lets the user end the session anyway); a critical end cannot be
    // refused, so the copy is written at once, in case WM_ENDSESSION comes too late.
    EndQueryAnswer OnQuery(bool dirty, bool critical);
    // WM_ENDSESSION: true when the recovery copy is to be written now (once per end).
    bool OnEnd(bool ending, bool dirty);
    bool ReasonSet() const { return m_reasonSet; }

private:
    bool m_reasonSet = false;
    bool m_recoveryWritten = false;
};
