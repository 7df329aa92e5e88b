#pragma once
// Undo and redo over a document (a character, or the animation being edited). The history
// keeps a copy of the document as last recorded; each change is recorded as the difference
// from it. Changes recorded one after another under the same merge key (typing into one
// field) make one step. The oldest steps are dropped when the steps together hold more than
// the byte budget; the newest step is always kept.
#include <cstddef>
#include <deque>
#include <string>
#include <vector>

template <class Document, class Diff>
class CUndoHistory {
public:
    static constexpr size_t kDefaultBudget = size_t{64} << 20;

    explicit CUndoHistory(size_t byteBudget = kDefaultBudget) : m_budget(byteBudget) {}

    // Forgets every step; the document as it is now is the start.
    void Reset(const Document& document) {
        m_current = document;
        m_undo.clear();
        m_redo.clear();
        m_bytes = 0;
        m_lastKey.clear();
    }

    // Records how the document differs from the last record; false when it does not.
    bool Record(const Document& document, const std::string& mergeKey = std::string()) {
        const bool merging = !mergeKey.empty() && mergeKey == m_lastKey && !m_undo.empty();
        if (merging) {
            // Back to before the previous step of the same kind, so that both become one.
            m_undo.back().Undo(m_current);
            m_bytes -= m_undo.back().Bytes();
            m_undo.pop_back();
        }
        Diff step = Diff::Between(m_current, document);
        if (step.IsEmpty()) {
            // The key stays only while the step it names is the last one: a later change of
            // that kind must never merge into an older step of another kind.
            if (merging) m_lastKey.clear();
            return false;
        }
        m_lastKey = mergeKey;
        step.Redo(m_current);
        m_bytes += step.Bytes();
        m_undo.push_back(std::move(step));
        m_redo.clear();
        while (m_bytes > m_budget && m_undo.size() > 1) {
            m_bytes -= m_undo.front().Bytes();
            m_undo.pop_front();
        }
        return true;
    }

    // Takes the document one step back (after recording what was not yet); false when there is no step.
    bool Undo(Document& document) {
        Record(document);
        if (m_undo.empty()) return false;
        Diff step = std::move(m_undo.back());
        m_undo.pop_back();
        m_bytes -= step.Bytes();
        m_lastKey.clear();
        step.Undo(document);
        step.Undo(m_current);
        m_redo.push_back(std::move(step));
        return true;
    }

    bool Redo(Document& document) {
        Record(document);
        if (m_redo.empty()) return false;
        Diff step = std::move(m_redo.back());
        m_redo.pop_back();
        step.Redo(document);
        step.Redo(m_current);
        m_bytes += step.Bytes();
        m_undo.push_back(std::move(step));
        m_lastKey.clear();
        return true;
    }

    size_t UndoSteps() const { return m_undo.size(); }
    size_t RedoSteps() const { return m_redo.size(); }
    // Memory held by the undo steps (redo steps are at most what undo dropped).
    size_t Bytes() const { return m_bytes; }

private:
    size_t m_budget;
    Document m_current;
    std::deque<Diff> m_undo;
    std::vector<Diff> m_redo;
    size_t m_bytes = 0;
    std::string m_lastKey;
};
