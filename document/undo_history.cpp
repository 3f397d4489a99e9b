#include "document/undo_history.h"

namespace tabrix {

CUndoHistory::CUndoHistory(CTabrixDoc& doc, std::size_t levels) : m_doc(doc), m_levels(levels == 0 ? 1 : levels) {}

CalculatorState CUndoHistory::Snapshot() const {
    // The key being held is the pointer's business, not part of a change.
    CalculatorState state = m_doc.State();
    state.m_nKey = 0;
    return state;
}

void CUndoHistory::Record(const std::function<void()>& change) {
    if (m_recording) {
        change();
        return;
    }
    CalculatorState before = Snapshot();
    m_recording = true;
    change();
    m_recording = false;
    if (Snapshot() == before) return;
    m_undo.push_back(std::move(before));
    if (m_undo.size() > m_levels) m_undo.pop_front();
    m_redo.clear();
    Notify();
}

void CUndoHistory::Undo() { Step(m_undo, m_redo); }

void CUndoHistory::Redo() { Step(m_redo, m_undo); }

void CUndoHistory::Step(std::deque<CalculatorState>& from, std::deque<CalculatorState>& to) {
    if (from.empty()) return;
    to.push_back(Snapshot());
    Restore(from.back());
    from.pop_back();
    Notify();
}

void CUndoHistory::Restore(const CalculatorState& state) {
    m_doc.SetState(state);
    m_doc.UpdateDisplay();
    m_doc.UpdateAllViews();
}

void CUndoHistory::Notify() {
    if (m_changed) m_changed();
}

}  // namespace tabrix
