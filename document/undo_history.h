// Undo and redo for the calculator: snapshots of the whole state record,
// taken around every change that the user makes.
#pragma once

#include <cstddef>

#include "document/function_ref.h"
#include "document/state_stack.h"
#include "engine/calculator_state.h"

namespace tabrix {

class CUndoHistory final {
public:
    static constexpr std::size_t kDefaultLevels = 1000;

    explicit CUndoHistory(CTabrixDoc& doc, std::size_t levels = kDefaultLevels);

    // Runs `change` as one step that Undo takes back. A change that leaves
    // the state as it was (a tap on no key with nothing pending) is not
    // remembered; returns whether it changed anything. A new change after an
    // undo drops what could have been redone. A change made while another is
    // being recorded counts as part of it. A change that throws is not
    // remembered, and the history goes on recording afterwards.
    bool Record(FunctionRef<void()> change);
    // The same, as the end of the last step instead of a step of its own:
    // the key that completes a pending shift or prefix. Undo takes the two
    // back at once. A step without one before it is one of its own.
    bool RecordJoined(FunctionRef<void()> change);

    // The same for a change that spans several calls (a program run that lets
    // the window have its turn): everything between Begin and End is one step.
    // End returns whether it changed anything.
    void BeginChange();
    bool EndChange();
    bool Changing() const { return m_recording; }

    bool CanUndo() const { return !m_undo.Empty(); }
    bool CanRedo() const { return !m_redo.Empty(); }
    // Back to the state before the last change, or forward again, exactly as
    // it was (the main line's text and point included); the views are
    // redrawn. Nothing happens when there is nothing to undo or redo.
    void Undo();
    void Redo();
    std::size_t UndoLevels() const { return m_undo.Size(); }
    // Forgets every step: nothing to undo or redo.
    void Clear();

private:
    // Copies the state into `slot`, without the key being held: that is the
    // pointer's business, not part of a change.
    void TakeSnapshot(CalculatorState& slot) const;
    // Restores the newest state of `from` and keeps the current one on `to`.
    void Step(StateStack& from, StateStack& to);
    void Restore(const CalculatorState& state);

    CTabrixDoc& m_doc;
    StateStack m_undo;
    StateStack m_redo;
    bool m_recording = false;
};

}  // namespace tabrix
