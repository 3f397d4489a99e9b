// What a person or a script can do to the calculator, as one value: a key,
// a keyboard key, a menu command, a console token's command, a draw. The
// console, the desktop program and the web page turn their input into these
// and hand them to CalculatorSession::Perform; what it did comes back as an
// Outcome.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "document/notice.h"

namespace tabrix {

struct Action {
    enum class Kind : std::uint8_t {
        Key,          // keypad key `code` pressed and released (0: a tap beside the keys)
        KeyRelease,   // a keyboard key released, by its virtual-key code `code`
        Copy,         // Edit > Copy
        CopyExact,    // Edit > Copy Exact
        Cut,          // Edit > Cut
        Paste,        // Edit > Paste
        PasteNumber,  // Edit > Paste Number
        PasteValue,   // `value` into X as a paste of its exact text puts it there (a tape line's value)
        PutText,      // `text` onto the clipboard (the console's paste:TEXT, before its paste)
        EmptyClipboard,  // no text on the clipboard (a replayed run that found none)
        Store,        // STO menu, register `code`
        Recall,       // RCL menu, register `code`
        Undo,         // Edit > Undo
        Redo,         // Edit > Redo
        Reset,        // File > Reset State
        New,          // New (Ctrl+N)
        Load,         // load the state file `text`; with no text, Load State asks for one
        LoadBytes,    // Load State of a file's bytes `text` (where there is no path: the web page), called `name`
        Save,         // save the state file `text`; with no text, Save State asks for one
        ClearTape,    // View > Clear Tape
        Draw,         // the next RAN# draws `code`
        SetState,     // the whole state of the snapshot text `text` (a tape's state line)
        Run,          // run program `text` from its start
        Continue,     // go on with the run a stop step stopped
        Step,         // carry out one step of the stopped run; with `text`, begin program `text` stopped first
        Resume,       // go on with a run that paused or gave the front end its turn (Outcome::run says which)
        Interrupt,    // end the run in progress where it stands (Escape while a program runs)
    };

    Kind kind;
    std::uint32_t code = 0;
    std::string text = {};
    double value = 0;
    std::string name = {};

    static Action Key(std::uint32_t code) { return {Kind::Key, code}; }
    static Action KeyRelease(std::uint32_t virtualKey) { return {Kind::KeyRelease, virtualKey}; }
    static Action Command(Kind kind) { return {kind}; }
    static Action Register(Kind kind, int n) { return {kind, static_cast<std::uint32_t>(n)}; }
    static Action WithText(Kind kind, std::string text) { return {kind, 0, std::move(text)}; }
    static Action PasteValue(double value) { return {Kind::PasteValue, 0, {}, value}; }
    static Action Draw(std::uint32_t number) { return {Kind::Draw, number}; }
    static Action Run(std::string name) { return {Kind::Run, 0, std::move(name)}; }

    friend bool operator==(const Action&, const Action&) = default;
};

// How a program run went, when the action ran one.
struct RunReport {
    enum class State : std::uint8_t {
        None,         // the action ran no program
        Finished,     // the run came to its end
        Stopped,      // a stop step stopped it: Continue goes on after it
        Paused,       // a pse step: show the calculator for a moment, then Resume
        Running,      // its time was up: let the front end have its turn, then Resume
        Interrupted,  // Interrupt ended it where it stood
        StepLimit,    // it reached the step limit, and ended there
        TooDeep,      // a call found kDeepestCall calls open, and it ended there
        Missing,      // a call named a program that is not defined, and it ended there
    };
    State state = State::None;
    std::string program;        // the program it stands in, as its name is written
    std::size_t step = 0;       // the step it stands at, counted from 1 (a stop: the stop step)
    std::string token;          // that step's token
    std::uint64_t steps = 0;    // the steps carried out in this run so far

    // Whether the run is over for good (nothing to continue).
    bool Ended() const {
        return state != State::None && state != State::Stopped && state != State::Paused && state != State::Running;
    }
};

struct Outcome {
    // The calculator, its tape or what can be undone changed: what a front
    // end keeps (the last session, the page's storage) is out of date.
    bool changed = false;
    // A file could not be read or written; "File Error" has been shown.
    bool failed = false;
    // The command found nothing to do what it was asked (Paste Number read
    // no number); the notice says why.
    bool refused = false;
    // A short message to show for a moment (what Paste Number read).
    Notice notice;
    // What the program run this action began or went on with did.
    RunReport run;
};

}  // namespace tabrix
