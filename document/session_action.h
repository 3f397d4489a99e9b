// What a person or a script can do to the calculator, as one value: a key,
// a keyboard key, a menu command, a console token's command, a draw. The
// console, the desktop program and the web page turn their input into these
// and hand them to CalculatorSession::Perform; what it did comes back as an
// Outcome.
#pragma once

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
        Store,        // STO menu, register `code`
        Recall,       // RCL menu, register `code`
        Undo,         // Edit > Undo
        Redo,         // Edit > Redo
        Reset,        // File > Reset State
        New,          // New (Ctrl+N)
        Load,         // load the state file `text`; with no text, Load State asks for one
        Save,         // save the state file `text`; with no text, Save State asks for one
        ClearTape,    // View > Clear Tape
        Draw,         // the next RAN# draws `code`
        SetState,     // the whole state of the snapshot text `text` (a tape's state line)
    };

    Kind kind;
    std::uint32_t code = 0;
    std::string text = {};
    double value = 0;

    static Action Key(std::uint32_t code) { return {Kind::Key, code}; }
    static Action KeyRelease(std::uint32_t virtualKey) { return {Kind::KeyRelease, virtualKey}; }
    static Action Command(Kind kind) { return {kind}; }
    static Action Register(Kind kind, int n) { return {kind, static_cast<std::uint32_t>(n)}; }
    static Action WithText(Kind kind, std::string text) { return {kind, 0, std::move(text)}; }
    static Action PasteValue(double value) { return {Kind::PasteValue, 0, {}, value}; }
    static Action Draw(std::uint32_t number) { return {Kind::Draw, number}; }

    friend bool operator==(const Action&, const Action&) = default;
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
};

}  // namespace tabrix
