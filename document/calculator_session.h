// CalculatorSession: the one calculator session every front end drives. It
// owns the calculator, its document commands, the undo history, RAN#'s
// draws, the tape and the programs, and it alone decides the rules that tie
// them together: what one undo step is, how keys group into tape lines, what
// a paste or a failed paste records, when a draw is written down, what a
// program run records. The console, the
// desktop program and the web page turn their input into Actions, call
// Perform and show the result; none of them records anything itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "document/function_ref.h"
#include "document/document_commands.h"
#include "document/program.h"
#include "document/program_recorder.h"
#include "document/program_runner.h"
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
    //
    // A program run is one action too: one undo step and one tape line, with
    // the draws it made and, the first time the tape meets it, the program's
    // definition. While a run has the front end's turn (RunReport::Running or
    // Paused) only Resume and Interrupt are carried out (Escape interrupts);
    // the rest is refused.
    Outcome Perform(const Action& action);
    // Keypad keys pressed one after another, as Perform of each Key would
    // press them, for a front end with many at once (a console's line):
    // once they are all pressed, Undo can take back only the last
    // CUndoHistory::kDefaultLevels of them, so the keys before those keep no
    // undo step (Undo reaches no further back than their end), and without
    // a tape their main line is made once, at their end.
    void PressKeys(std::span<const std::uint32_t> codes);
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

    // --- Programs ---------------------------------------------------------------
    const ProgramLibrary& Programs() const { return m_programs; }
    // Defines a program, replacing one of its name; removes one. Refused
    // (false) while a run is going on. A program kept with a problem (the
    // desktop's and the page's programs keep what was typed) is known by
    // its name and that problem: running it says why it does not run.
    bool DefineProgram(std::shared_ptr<const Program> program);
    bool DefineBroken(std::string_view name, ProgramProblem problem);
    bool RemoveProgram(std::string_view name);
    // A program that calls a program the library lacks, directly or through
    // others: that program's name (it cannot run); nothing when all are there.
    std::optional<std::string> MissingCallee(const Program& program) const;
    // A run is going on (it has the front end's turn, or is paused).
    bool Running() const { return m_running; }
    // Where the stopped or running run stands; a null program when there is none.
    ProgramRunner::Position RunPosition() const { return m_runner.Where(); }
    // The console's bound on the steps of each run (0: none), the desktop's
    // slice of time between two turns of its window (0: a run goes on until
    // it ends), and whether pse pauses (the desktop) or does nothing.
    void SetStepLimit(std::uint64_t steps) { m_budget.maxSteps = steps; }
    void SetTimeSlice(std::chrono::nanoseconds slice) { m_budget.slice = slice; }
    void HonourPauses(bool honour) { m_runner.HonourPauses(honour); }
    // Called after each step of a run with its program and step (from 0).
    void SetStepObserver(ProgramRunner::Observe observe) { m_runner.SetObserver(std::move(observe)); }
    // Called after each evaluation of f in a solve or an integration, with x and f(x).
    void SetEvaluationObserver(ProgramRunner::ObserveEvaluation observe) {
        m_runner.SetEvaluationObserver(std::move(observe));
    }

    // Record Program: from StartRecording on, every action carried out is also
    // written down; StopRecording gives the body of program `name` it wrote.
    void StartRecording(std::string name);
    std::string StopRecording();
    bool Recording() const { return m_recorder.On(); }
    const std::string& RecordingName() const { return m_recorder.Name(); }

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
    // `joins`: as the end of the last step (see m_stepPending).
    bool Change(FunctionRef<void()> change, bool joins = false);
    // A shift or a prefix waits for its key.
    bool Pending() const { return m_doc.m_bShift || !m_doc.m_strPrefix.empty(); }
    void Command(FunctionRef<std::optional<TapeStep>()> run);
    // A keypad key or a keyboard key's release; whether it joined the step
    // before (m_stepPending).
    bool Key(const Action& action, Outcome& outcome);
    // A catalogue function, as a key with it would be pressed: the keys that
    // give it, or the function itself where no key does.
    void PerformFunction(const Action& action, Outcome& outcome);
    // The notice of a function that found no answer, when it found none.
    void TellFailure(const catalogue::Function& function, Outcome& outcome) const;
    // What a menu command does to the calculator, and the line the tape
    // writes for it (none when it did nothing worth one).
    std::optional<TapeStep> Apply(const Action& action, Outcome& outcome);
    std::optional<TapeStep> ApplyPaste(const Action& action, Outcome& outcome);  // Paste, Paste Number, a value
    std::optional<TapeStep> ApplyLoad(const Action& action, Outcome& outcome);   // Load State, bytes, a state line
    // Undo or Redo, one tape line; whether there was one to take.
    bool UndoOrRedo(bool undo);
    // A menu command as a program's step: no undo step, no tape line.
    void ApplyInRun(const Action& action);
    // `joined`: the action was part of the step before it (m_stepPending).
    void Record(const Action& action, const std::optional<TapeStep>& step, bool shiftedBefore, bool changed,
                bool joined = false);
    // Record Program of a function no key gives.
    void RecordFunction(const catalogue::Function& function, std::uint32_t argument, bool changed);
    void ClearTape();
    // The tape starts again from the state shown: a state line when that is
    // not the calculator's defaults.
    void StartTapeHere();

    // Program runs: begin, go on, and settle how a part of a run ended.
    void Run(const Action& action, Outcome& outcome);
    // solve:NAME and integrate:NAME outside any program: a run of one step.
    void RunNumeric(const Action& action, Outcome& outcome);
    void ContinueOrStep(const Action& action, Outcome& outcome);
    bool SaveState(const std::string& path);
    // The program `name`, when it may start: defined, without problems,
    // calling only programs that are; else null, and `outcome` says why.
    std::shared_ptr<const Program> Startable(const std::string& name, Outcome& outcome);
    void BeginPart(std::string tokens, std::string label, std::shared_ptr<const Program> started, bool endsEntry);
    void GoOn(Outcome& outcome);
    void Settle(ProgramRunner::End end, Outcome& outcome);
    void EndPart(Outcome& outcome, bool replayable);
    // What the run's outcome says: running (once), stopped, or why it ended.
    void TellRun(Outcome& outcome);
    // Definitions of the programs a run may call that the tape has not
    // written as they are now, written ahead of the run's line.
    void WriteDefinitions();
    void Refuse(Outcome& outcome, const char* text, std::vector<std::string> values = {});

    std::optional<MersenneRandomSource> m_ownRandom;
    RandomDraws m_draws;
    CTabrixDoc m_doc;
    DocumentCommands m_commands;
    CUndoHistory m_history;
    CTape m_tape;
    ProgramLibrary m_programs;
    ProgramRunner m_runner;
    ProgramRunner::Budget m_budget;
    ProgramRecorder m_recorder;
    // The part of a run under way: the tape's words for it, the draws it
    // made, the clipboard text it read before writing any.
    struct Part {
        std::string tokens;
        std::string label;
        std::string program;                                   // the program the run began with
        std::shared_ptr<const Program> started;                // begun by name, when it was
        std::vector<std::shared_ptr<const Program>> callers;   // the run's programs whose calls a replay follows
        std::vector<std::uint32_t> draws;
        bool clipboardSeen = false;               // it read the clipboard before writing it
        std::optional<std::string> clipboardText; // what it found there
        bool clipboardWritten = false;
        bool told = false;                        // "Running NAME" has been said
        // A solve or an integration given outside any program: its own line.
        std::optional<TapeStep> alone;
        bool solves = false;
    } m_part;
    bool m_running = false;
    // Programs kept with a problem, by their keys: the name and the first problem.
    struct Broken {
        std::string name;
        ProgramProblem problem;
    };
    std::unordered_map<std::string, Broken> m_broken;
    // The definition the tape last wrote for each program, by its key.
    std::unordered_map<std::string, std::shared_ptr<const Program>> m_tapeDefinitions;
    char m_localeDecimal = '.';
    bool m_keepHistory = true;
    bool m_keepTape = true;
    // The last undo step was keys that left a shift or a prefix waiting (F,
    // STO, F FIX): the key that completes it is part of that step, so that
    // one Undo takes back F CLX or STO 3 whole.
    bool m_stepPending = false;
};

}  // namespace tabrix
