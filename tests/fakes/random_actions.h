// Random sequences of everything a person or a script can do to the
// calculator, for the property tests of the calculator session: keys,
// keyboard keys, every menu command, pastes of odd texts, Paste Number of
// grouped and refused texts, draws, bursts of undo and redo, resets, loads
// of a good and a bad file, Clear Tape; and, given programs, runs of them,
// continuations, single steps, solves and integrals.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "document/command_tokens.h"
#include "document/session_action.h"
#include "engine/function_catalogue.h"
#include "engine/key_codes.h"
#include "engine/number_text.h"

namespace tabrix::testing {

struct ActionMix {
    std::string goodFile;  // a state file that loads
    std::string badFile;   // one that does not
    bool clearTape = true;  // the console has no Clear Tape
    bool setState = true;   // nor does the desktop set a state by hand
    // Programs the session knows: Run, Continue and Step of them come in too.
    std::vector<std::string> programs = {};
};

class RandomActions {
public:
    RandomActions(std::uint64_t seed, ActionMix mix) : m_random(seed), m_mix(std::move(mix)) {}

    // A sequence of 1 to `longest` actions.
    std::vector<Action> Sequence(int longest) {
        std::vector<Action> actions;
        const int length = Pick(1, longest);
        while (static_cast<int>(actions.size()) < length) Add(actions);
        return actions;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    template <typename T, std::size_t N>
    const T& OneOf(const T (&items)[N]) {
        return items[static_cast<std::size_t>(Pick(0, static_cast<int>(N) - 1))];
    }

    void Add(std::vector<Action>& actions) {
        using Kind = Action::Kind;
        // Without programs the sequences stay those they always were.
        if (!m_mix.programs.empty() && Pick(0, 9) == 0) {
            const std::string& name = m_mix.programs[static_cast<std::size_t>(
                Pick(0, static_cast<int>(m_mix.programs.size()) - 1))];
            const int roll = Pick(0, 11);
            if (roll >= 10) {
                // A solve or an integration of it, from what the stack holds.
                actions.push_back(Action::WithText(roll == 10 ? Kind::Solve : Kind::Integrate, name));
            } else if (roll < 5) {
                actions.push_back(Action::Run(name));
                // Now and then it is gone on with at once, if it stopped.
                if (Pick(0, 2) == 0) actions.push_back(Action::Command(Pick(0, 1) == 0 ? Kind::Continue : Kind::Step));
            } else if (roll < 7) {
                actions.push_back(Action::Command(Kind::Continue));
            } else if (roll < 9) {
                actions.push_back(Action::Command(Kind::Step));
            } else {
                actions.push_back(Action::WithText(Kind::Step, name));
            }
            return;
        }
        static const char* const kPasteTexts[] = {
            "", "  12abc", "1e999", "-", "nan", "inf", "0x1p3", "1,234.5", "-12.5e-3", "\t\n", "\xE2\x82\xAC",
            "1e-400", "12345678901234567890", "+.5e-3", "say \"hi\" # not a comment", "9.999999999e99", "1e100"};
        static const char* const kNumberTexts[] = {
            "Total: $1,234.50", "1.234,50 \xE2\x82\xAC", "1 234,50", "12,34,567.89", "1.5\xC3\x97" "10^3",
            "1,2,3", "no number", "3 apples and 4 pears", "1e999", "1,234", "\xE2\x88\x92" "12", "42 %", "1e-400",
            "0.000001", "-$1,234.50", "(1,234.50)", "1234-"};
        static const char* const kDataTexts[] = {
            "1\t2\n3\t4\n", "x,y\n1.5,2\n1e9,-3\n", "1,234;5\n7;8,5\n", "1000000.1\n1000000.3\n\nno\n",
            "1e999\t1\n2\t2\t2\n", "no numbers here"};
        static const std::uint32_t kVirtualKeys[] = {vk::kDigit0 + 1, vk::kDigit0 + 7, vk::kNumpad0 + 3,
                                                     vk::kReturn,     vk::kAdd,        vk::kSubtract,
                                                     vk::kLetterF,    vk::kLetterE,    vk::kOemPeriod,
                                                     vk::kBack,       vk::kSpace,      vk::kDelete,
                                                     vk::kEscape,     0x41,            vk::kMultiply};
        const int roll = Pick(0, 99);
        if (roll < 40) {  // keys, digits most of all, now and then beside the keys
            const int which = Pick(0, 9);
            std::uint32_t code = which < 4 ? keys::kDigitKeys[static_cast<std::size_t>(Pick(0, 9))]
                                           : static_cast<std::uint32_t>(Pick(1, 30));
            if (Pick(0, 40) == 0) code = static_cast<std::uint32_t>(OneOf({0, 26, 31}));
            if (Pick(0, 12) == 0) {
                // A catalogue function as the finder performs it, with a register for one that takes one.
                actions.push_back(RandomFunction());
            } else {
                actions.push_back(Action::Key(code));
            }
        } else if (roll < 50) {
            actions.push_back(Action::Key(keys::kShift));
            if (Pick(0, 3) != 0) actions.push_back(Action::Key(static_cast<std::uint32_t>(Pick(1, 30))));
        } else if (roll < 58) {
            actions.push_back(Action::KeyRelease(OneOf(kVirtualKeys)));
        } else if (roll < 64) {
            const int burst = Pick(1, 5);
            for (int i = 0; i < burst; ++i) actions.push_back(Action::Command(Pick(0, 2) == 0 ? Kind::Redo : Kind::Undo));
        } else if (roll < 68) {
            actions.push_back(Action::WithText(Kind::PutText, OneOf(kPasteTexts)));
            actions.push_back(Action::Command(Kind::Paste));
        } else if (roll < 72) {
            const bool data = Pick(0, 2) == 0;
            actions.push_back(Action::WithText(Kind::PutText, data ? OneOf(kDataTexts) : OneOf(kNumberTexts)));
            actions.push_back(Action::Command(data ? Kind::PasteData : Kind::PasteNumber));
        } else if (roll < 75) {
            actions.push_back(Action::Command(OneOf({Kind::Copy, Kind::CopyExact, Kind::Cut, Kind::Paste})));
        } else if (roll < 80) {
            actions.push_back(Action::Register(Pick(0, 1) == 0 ? Kind::Store : Kind::Recall, Pick(0, 9)));
        } else if (roll < 83) {
            static const double kValues[] = {0.0, -0.0, 1.5, -2.25e-300, 1e300, 4.9e-324,
                                             std::numeric_limits<double>::infinity(), std::nan(""), 1e100, 0.1};
            actions.push_back(Action::PasteValue(OneOf(kValues)));
        } else if (roll < 86) {
            actions.push_back(Action::Draw(static_cast<std::uint32_t>(m_random())));
            if (Pick(0, 1) == 0) {
                actions.push_back(Action::Key(keys::kShift));
                actions.push_back(Action::Key(keys::kEnter));  // RAN#
            }
        } else if (roll < 89) {
            actions.push_back(Action::Command(Pick(0, 1) == 0 ? Kind::Reset : Kind::New));
        } else if (roll < 93) {
            actions.push_back(Action::WithText(Kind::Load, Pick(0, 1) == 0 ? m_mix.goodFile : m_mix.badFile));
        } else if (roll < 97) {
            if (m_mix.clearTape) actions.push_back(Action::Command(Kind::ClearTape));
        } else {
            // Keys that run RAN# on the draws of the random source itself.
            actions.push_back(Action::Key(keys::kShift));
            actions.push_back(Action::Key(keys::kEnter));
        }
    }

    Action RandomFunction() {
        std::vector<const catalogue::Function*> functions;
        for (const catalogue::Function& f : catalogue::All()) {
            // Those a key gives are its key presses, which the sequences have.
            // The hex digits are keys in HEX, which the sequences press there.
            if (f.Calculates() && !catalogue::KeyOf(f.id) && f.digit < 0) functions.push_back(&f);
        }
        const catalogue::Function& f = *functions[static_cast<std::size_t>(Pick(0, static_cast<int>(functions.size()) - 1))];
        switch (f.argument) {
            case ArgumentKind::Register: return Action::Function(f.id, static_cast<std::uint32_t>(Pick(0, 9)));
            case ArgumentKind::WordSize: return Action::Function(f.id, static_cast<std::uint32_t>(OneOf({1, 7, 8, 32, 63, 64})));
            case ArgumentKind::Count: return Action::Function(f.id, static_cast<std::uint32_t>(Pick(0, 64)));
            default: return Action::Function(f.id);
        }
    }

    template <typename T>
    T OneOf(std::initializer_list<T> items) {
        return *(items.begin() + Pick(0, static_cast<int>(items.size()) - 1));
    }

    std::mt19937_64 m_random;
    ActionMix m_mix;
};

// One action as the console's token, where it has one: what a person would
// type to do the same (a paste's text goes with its paste).
inline std::string ConsoleToken(const Action& action, const Action* next = nullptr) {
    using Kind = Action::Kind;
    switch (action.kind) {
        case Kind::Key: return "#" + std::to_string(action.code);
        case Kind::KeyRelease: return "vk:" + std::to_string(action.code);
        case Kind::Copy: return "copy";
        case Kind::CopyExact: return "copy-exact";
        case Kind::Cut: return "cut";
        case Kind::Paste: return "paste";
        case Kind::PasteNumber: return "paste-number";
        case Kind::PasteData: return "paste-data";
        case Kind::PasteValue: return "paste:" + tokens::Quoted(ExactText(action.value));
        case Kind::PutText:
            if (next != nullptr && next->kind == Kind::PasteNumber) return "paste-number:" + tokens::Quoted(action.text);
            if (next != nullptr && next->kind == Kind::PasteData) return "paste-data:" + tokens::Quoted(action.text);
            return "paste:" + tokens::Quoted(action.text);
        case Kind::Store: return "sto:" + std::to_string(action.code);
        case Kind::Recall: return "rcl:" + std::to_string(action.code);
        case Kind::Undo: return "undo";
        case Kind::Redo: return "redo";
        case Kind::Reset:
        case Kind::New: return "reset";
        case Kind::Load: return "load:" + tokens::Quoted(action.text);
        case Kind::Draw: return "draw:" + std::to_string(action.code);
        case Kind::SetState: return "state:" + action.text;
        case Kind::EmptyClipboard: return "clip-empty";
        case Kind::Run: return "run:" + action.text;
        case Kind::Continue: return "cont";
        case Kind::Step: return action.text.empty() ? "sst" : "sst:" + action.text;
        case Kind::Solve: return "solve:" + action.text;
        case Kind::Integrate: return "integrate:" + action.text;
        case Kind::Literal: return action.text;
        case Kind::Function: {
            const catalogue::Function& f = catalogue::At(static_cast<FunctionId>(action.code));
            return catalogue::TokenWith(f, action.argument);
        }
        case Kind::Save:
        case Kind::LoadBytes:
        case Kind::ClearTape:
        case Kind::Resume:
        case Kind::Interrupt: break;
    }
    return {};
}

// The actions as one line of console tokens (a paste's text and its paste
// are one token).
inline std::vector<std::string> ConsoleTokens(const std::vector<Action>& actions) {
    std::vector<std::string> tokens;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const Action* next = i + 1 < actions.size() ? &actions[i + 1] : nullptr;
        tokens.push_back(ConsoleToken(actions[i], next));
        if (actions[i].kind == Action::Kind::PutText && next != nullptr &&
            (next->kind == Action::Kind::Paste || next->kind == Action::Kind::PasteNumber ||
             next->kind == Action::Kind::PasteData)) {
            ++i;
        }
    }
    return tokens;
}

// For a failing sequence: what it was.
inline std::string Describe(const std::vector<Action>& actions) {
    std::string text;
    for (const std::string& token : ConsoleTokens(actions)) text += (token.empty() ? "<clear-tape>" : token) + " ";
    return text;
}

}  // namespace tabrix::testing
