// What a person or a script can do to the calculator, as one value: a key,
// a keyboard key, a menu command, a console token's command, a draw. The
// console, the desktop program and the web page turn their input into these
// and hand them to CalculatorSession::Perform; what it did comes back as an
// Outcome.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <utility>

#include "document/notice.h"
#include "engine/function_catalogue.h"

namespace tabrix {

// The kinds of action, one list: the enum and the names the web page's
// face.json gives them are made from it.
#define TABRIX_ACTION_KINDS(X)                                                                         \
    X(Key)            /* keypad key `code` pressed and released (0: a tap beside the keys) */           \
    X(KeyRelease)     /* a keyboard key released, by its virtual-key code `code` */                     \
    X(Copy)           /* Edit > Copy */                                                                 \
    X(CopyExact)      /* Edit > Copy Exact */                                                           \
    X(Cut)            /* Edit > Cut */                                                                  \
    X(Paste)          /* Edit > Paste */                                                                \
    X(PasteNumber)    /* Edit > Paste Number */                                                         \
    X(PasteValue)     /* `value` into X as a paste of its exact text puts it there (a tape line's) */   \
    X(PasteData)      /* Edit > Paste Data: Σ+ of every point the clipboard text holds */               \
    X(PutText)        /* `text` onto the clipboard (the console's paste:TEXT, before its paste) */      \
    X(EmptyClipboard) /* no text on the clipboard (a replayed run that found none) */                   \
    X(Store)          /* STO menu, register `code` */                                                   \
    X(Recall)         /* RCL menu, register `code` */                                                   \
    X(Undo)           /* Edit > Undo */                                                                 \
    X(Redo)           /* Edit > Redo */                                                                 \
    X(Reset)          /* File > Reset State */                                                          \
    X(New)            /* New (Ctrl+N) */                                                                \
    X(Load)           /* load the state file `text`; with no text, Load State asks for one */           \
    X(LoadBytes)      /* Load State of a file's bytes `text` (no path: the web page), called `name` */  \
    X(Save)           /* save the state file `text`; with no text, Save State asks for one */           \
    X(ClearTape)      /* View > Clear Tape */                                                           \
    X(Draw)           /* the next RAN# draws `code` */                                                  \
    X(SetState)       /* the whole state of the snapshot text `text` (a tape's state line) */           \
    X(Run)            /* run program `text` from its start */                                           \
    X(Continue)       /* go on with the run a stop step stopped */                                      \
    X(Step)           /* one step of the stopped run; with `text`, begin program `text` stopped first */ \
    X(Resume)         /* go on with a run that paused or gave the front end its turn */                 \
    X(Interrupt)      /* end the run in progress where it stands (Escape while a program runs) */       \
    X(Function)       /* catalogue function `code` (a FunctionId) with `argument`, as a key would */    \
    X(Solve)          /* a root of program `text`, from the guesses in Y and X */                       \
    X(Integrate)      /* the integral of program `text` from Y to X */                                  \
    X(Literal)        /* the integer `value` (its bits in `code` and `argument`) typed as `text` (0x1F) */

struct Action {
    enum class Kind : std::uint8_t {
#define TABRIX_ACTION_KIND(name) name,
        TABRIX_ACTION_KINDS(TABRIX_ACTION_KIND)
#undef TABRIX_ACTION_KIND
    };

    Kind kind;
    std::uint32_t code = 0;
    std::string text = {};
    double value = 0;
    std::string name = {};
    std::uint32_t argument = 0;  // a Function's argument (the register of sto+:N)

    static Action Key(std::uint32_t code) { return {Kind::Key, code}; }
    static Action KeyRelease(std::uint32_t virtualKey) { return {Kind::KeyRelease, virtualKey}; }
    static Action Command(Kind kind) { return {kind}; }
    static Action Register(Kind kind, int n) { return {kind, static_cast<std::uint32_t>(n)}; }
    static Action WithText(Kind kind, std::string text) { return {kind, 0, std::move(text)}; }
    static Action PasteValue(double value) { return {Kind::PasteValue, 0, {}, value}; }
    static Action Draw(std::uint32_t number) { return {Kind::Draw, number}; }
    static Action Run(std::string name) { return {Kind::Run, 0, std::move(name)}; }
    // A number literal: its 64 bits kept exactly, the low half in `code`, the high in `argument`.
    static Action Literal(std::uint64_t bits, std::string text) {
        return {Kind::Literal, static_cast<std::uint32_t>(bits), std::move(text), 0, {},
                static_cast<std::uint32_t>(bits >> 32)};
    }
    std::uint64_t LiteralBits() const { return (std::uint64_t{argument} << 32) | code; }
    static Action Function(FunctionId id, std::uint32_t argument = 0) {
        return {Kind::Function, static_cast<std::uint32_t>(id), {}, 0, {}, argument};
    }

    friend bool operator==(const Action&, const Action&) = default;
};

// The kinds' names, in the enum's order ("Key", "KeyRelease", ...).
inline constexpr const char* kActionKindNames[] = {
#define TABRIX_ACTION_KIND(name) #name,
    TABRIX_ACTION_KINDS(TABRIX_ACTION_KIND)
#undef TABRIX_ACTION_KIND
};

#define TABRIX_ACTION_KIND(name) +1
inline constexpr std::size_t kActionKindCount = 0 TABRIX_ACTION_KINDS(TABRIX_ACTION_KIND);
#undef TABRIX_ACTION_KIND
static_assert(std::size(kActionKindNames) == kActionKindCount, "every kind of action has its name");

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
        Failed,       // a function found no answer (a statistics function without its points,
                      // a solve without a root)
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
    // A short message to show for a moment (what Paste Number read, how a
    // run ended), as sentences the front end translates.
    Notice notice;
    // The notice stays until the next one (a program running): a run's
    // outcomes after it bring none until the run ends, stops or pauses.
    bool noticeLasts = false;
    // What the program run this action began or went on with did.
    RunReport run;
    // A solve found no root, or an integration no value: the notice says why.
    bool noAnswer = false;
};

}  // namespace tabrix
