// Lines of tokens run on a calculator session, def blocks among them: the
// one loop of the console (standard input, --script) and of the web page's
// scripting hook. Each token becomes its actions (token_reader.h), each
// action goes to the session, and a program run goes on to its end (or to
// the step limit) before the next token. What is reported, and what a
// definition does, is the front end's.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "document/calculator_session.h"
#include "document/program.h"

namespace tabrix {

class TokenRunner {
public:
    class Handler {
    public:
        virtual ~Handler() = default;
        // A word that is no token: the rest of its line is skipped. Returns
        // whether the lines go on.
        virtual bool BadToken(std::string_view word, std::size_t line) = 0;
        // A def block read to its end, or a misplaced def or end.
        virtual void Defined(Definition definition) = 0;
        virtual void Problem(const ProgramProblem& problem) = 0;
        // An action was carried out, a run to its end; false ends the lines.
        virtual bool Performed(const Action& action, const Outcome& outcome) = 0;
        // A token's actions are all carried out.
        virtual void TokenDone(std::string_view) {}
        // Whether TokenDone is wanted for every token (a trace): otherwise
        // tokens that only press keys are pressed together, and Performed
        // is not told of them.
        virtual bool EveryToken() const { return false; }
    };

    // `definitions`: whether the text may hold def blocks (a long tape does
    // not, and is read faster as words alone).
    TokenRunner(CalculatorSession& session, Handler& handler, bool definitions = true);

    // One line, counted from 1. False once the lines have ended (the
    // handler said so), and for every line after.
    bool Line(std::string_view text, std::size_t number);
    // One token as it is, blanks and all (a word of the command line).
    bool Word(std::string_view word);
    // The end of the text: a def still open is a problem.
    void Finish();
    // Whether the last line held a token outside a definition.
    bool LineHadTokens() const { return m_tokens; }
    bool Going() const { return m_going; }

private:
    // The keys of short words read before: a script repeats its words, and
    // a word's keys are the same wherever it stands.
    class KeyWords {
    public:
        // Appends the keys of `word` to `codes` when it only presses keys
        // (ParseKeys); false, appending nothing, otherwise.
        bool Append(std::string_view word, std::vector<std::uint32_t>& codes);

    private:
        struct Slot {
            std::uint64_t word = 0;  // its bytes, 0 for none; words of up to 8 bytes
            std::uint8_t size = 0;
            std::uint8_t count = 0;  // keys, at most 4; a word with more is not kept
            std::uint32_t keys[4] = {};
        };
        std::array<Slot, 256> m_slots{};
    };

    bool Token(std::string_view word, std::size_t line);
    // Presses the keys held back so far.
    void PressHeldKeys();

    CalculatorSession& m_session;
    Handler& m_handler;
    ProgramTextReader m_reader;
    bool m_definitions;
    bool m_going = true;
    bool m_tokens = false;
    bool m_everyToken = false;  // the handler wants to hear of every token
    std::vector<Action> m_actions;  // one token's, reused
    std::vector<std::uint32_t> m_keys;  // keys of tokens not yet pressed
    KeyWords m_keyWords;
};

}  // namespace tabrix
