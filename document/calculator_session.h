// CalculatorSession: the one calculator session every front end drives. It
// owns the calculator, its document commands, the undo history, RAN#'s
// draws and the tape, and it alone decides the rules that tie them together:
// what one undo step is, how keys group into tape lines, what a paste or a
// failed paste records, when a draw is written down. The console, the
// desktop program and the web page turn their input into Actions, call
// Perform and show the result; none of them records anything itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "document/function_ref.h"
#include "document/document_commands.h"
#include "document/random_draws.h"
#include "document/session_action.h"
#include "document/tape.h"
#include "document/undo_history.h"
#include "engine/calculator_state.h"
#include "platform/random_source.h"

namespace tabrix {

// What the session needs from the program around it; any may be null when
// the front end never asks for what uses it.
struct SessionServices {
    DocumentServices document;        // file dialogs, message box, recent files, clipboard
    IShellRequests* shell = nullptr;  // the About box of the ? key
    IRandomSource* random = nullptr;  // RAN#'s numbers; the session's own, unpredictable, when null
};

class CalculatorSession {
public:
    explicit CalculatorSession(const SessionServices& services = {});
    CalculatorSession(const CalculatorSession&) = delete;
    CalculatorSession& operator=(const CalculatorSession&) = delete;

    // Carries out one action: the only way the calculator changes. Every
    // action that changes the calculator is one step that Undo takes back
    // (Undo and Redo themselves step through them), and the tape writes it;
    // an action that changes nothing leaves the history as it is, and only
    // the commands a person reads on the tape (Copy, say) write a line. The
    // views are asked to redraw at the end.
    Outcome Perform(const Action& action);

    CTabrixDoc& Doc() { return m_doc; }
    const CTabrixDoc& Doc() const { return m_doc; }
    CTape& Tape() { return m_tape; }
    const CTape& Tape() const { return m_tape; }
    DocumentCommands& Commands() { return m_commands; }
    bool CanUndo() const { return m_history.CanUndo(); }
    bool CanRedo() const { return m_history.CanRedo(); }
    std::size_t UndoLevels() const { return m_history.UndoLevels(); }

    // The user's decimal separator ('.' or ','), which decides a lone "," or
    // "." before three digits in Paste Number.
    void SetLocaleDecimal(char decimal) { m_localeDecimal = decimal; }
    // A run known never to undo (the console's scripts) keeps no history and
    // is much faster; a run whose tape nobody reads keeps no tape.
    void KeepHistory(bool keep) { m_keepHistory = keep; }
    void KeepTape(bool keep) { m_keepTape = keep; }

    // --- The session kept between runs ----------------------------------------
    // The calculator exactly as it is shown and the tape, as one text: what
    // the desktop keeps in its data folder and the web page in the browser.
    std::string KeptText() const;
    // Brings such a text back: the calculator as it was, the tape's lines, an
    // empty history. Tape lines that cannot be read are left out, and a state
    // line then ends the tape, so that it still replays to what is shown.
    // Nothing changes when the calculator itself cannot be read.
    struct Restored {
        bool restored = false;
        std::string why;                // why not, when not
        std::size_t skippedLines = 0;   // tape lines that could not be read
    };
    Restored RestoreKept(std::string_view text);
    // The same from its parts: the calculator as it is to be shown, and the
    // tape's saved lines.
    Restored Restore(const CalculatorState& state, std::string_view tapeLines);

private:
    bool Change(FunctionRef<void()> change);
    void Command(FunctionRef<std::optional<TapeStep>()> run);
    void Key(const Action& action, Outcome& outcome);
    void ClearTape();
    // The tape starts again from the state shown: a state line when that is
    // not the calculator's defaults.
    void StartTapeHere();

    std::optional<MersenneRandomSource> m_ownRandom;
    RandomDraws m_draws;
    CTabrixDoc m_doc;
    DocumentCommands m_commands;
    CUndoHistory m_history;
    CTape m_tape;
    char m_localeDecimal = '.';
    bool m_keepHistory = true;
    bool m_keepTape = true;
};

}  // namespace tabrix
