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

void CUndoHistory::Undo() {
    if (m_undo.empty()) return;
    m_redo.push_back(Snapshot());
    Restore(m_undo.back());
    m_undo.pop_back();
    Notify();
}

void CUndoHistory::Redo() {
    if (m_redo.empty()) return;
    m_undo.push_back(Snapshot());
    Restore(m_redo.back());
    m_redo.pop_back();
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
