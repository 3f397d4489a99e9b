#include "document/undo_history.h"

namespace tabrix {

CUndoHistory::CUndoHistory(CTabrixDoc& doc, std::size_t levels) : m_doc(doc), m_undo(levels), m_redo(levels) {}

void CUndoHistory::TakeSnapshot(CalculatorState& slot) const {
    slot = m_doc.State();
    slot.m_nKey = 0;
}

bool CUndoHistory::Record(FunctionRef<void()> change) {
    if (m_recording) {
        change();
        return true;
    }
    BeginChange();
    // Whatever `change` does, even throw, the history records again afterwards;
    // a change that threw is not a step.
    struct Recording {
        CUndoHistory& history;
        bool done = false;
        explicit Recording(CUndoHistory& h) : history(h) {}
        ~Recording() {
            if (done) return;
            history.m_recording = false;
            history.m_undo.Pop();
        }
    } recording(*this);
    change();
    recording.done = true;
    return EndChange();
}

bool CUndoHistory::RecordJoined(FunctionRef<void()> change) {
    if (m_recording || m_undo.Empty()) return Record(change);
    CalculatorState before;
    TakeSnapshot(before);
    change();
    before.m_nKey = m_doc.m_nKey;  // compared without the held key
    if (before == m_doc.State()) return false;
    // The step before now ends here; what could have been redone is gone.
    m_redo.Clear();
    return true;
}

void CUndoHistory::BeginChange() {
    TakeSnapshot(m_undo.PushSlot());
    m_recording = true;
}

bool CUndoHistory::EndChange() {
    m_recording = false;
    CalculatorState& before = m_undo.Top();
    before.m_nKey = m_doc.m_nKey;  // compared without the held key
    const bool changed = !(before == m_doc.State());
    before.m_nKey = 0;
    if (!changed) {
        m_undo.Pop();
        return false;
    }
    m_undo.DropBeyondCapacity();
    m_redo.Clear();
    return true;
}

void CUndoHistory::Undo() { Step(m_undo, m_redo); }

void CUndoHistory::Redo() { Step(m_redo, m_undo); }

void CUndoHistory::Clear() {
    m_undo.Clear();
    m_redo.Clear();
}

void CUndoHistory::Step(StateStack& from, StateStack& to) {
    if (from.Empty()) return;
    TakeSnapshot(to.PushSlot());
    to.DropBeyondCapacity();
    Restore(from.Top());
    from.Pop();
}

void CUndoHistory::Restore(const CalculatorState& state) {
    // The state comes back whole, the main line as it was shown included (an
    // error text, or a line a direct clear left): nothing is recomputed.
    m_doc.SetState(state);
    m_doc.UpdateAllViews();
}

}  // namespace tabrix
