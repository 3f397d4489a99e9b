// Programs: named sequences of tokens that the calculator session runs, with
// labels, jumps, tests, loop counters and subroutines.
//
//   def:tri            defines program TRI (names are read without case)
//     STO 1  0 STO 2   any token a script may hold is a step
//     lbl:loop         a label, local to its program
//     RCL 2 RCL 1 + STO 2
//     dsz:1            register 1 minus 1; when it reaches 0, skip a step
//     gto:loop
//     RCL 2
//   end
//
// A text (a --program file, a script, a tape, the desktop's programs.txt)
// holds def blocks and, where its reader allows, tokens outside them. This
// file reads such texts, checks them (every refusal with its line and its
// reason), and turns a definition into steps the session runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "document/notice.h"
#include "document/session_action.h"
#include "engine/function_catalogue.h"

namespace tabrix {

inline constexpr std::size_t kLongestProgramName = 32;
// Calls open at once, the run itself counting as the first.
inline constexpr std::size_t kDeepestCall = 32;
// The steps a run given as tokens may carry out by default (the console's
// --max-steps, the web page's scripting hook).
inline constexpr std::uint64_t kDefaultStepLimit = 100'000'000;

// A problem found in a text, on its `line` (counted from 1).
struct ProgramProblem {
    std::size_t line = 0;
    Sentence reason;
};

// A def block as it was read: the name as written, and the body (the text
// between the name and the "end", comments and line breaks kept).
struct Definition {
    std::string name;
    std::string body;
    std::size_t line = 0;      // the def's line in the text
    std::size_t bodyLine = 0;  // the line the body's first line stands on
};

// Reads a text line by line: the tokens outside definitions go to
// onToken(word, line), which returns false to skip the rest of the line;
// each completed definition goes to onDefinition, and a misplaced def or
// end, or a bad name, to onProblem. Tokens themselves are not checked here.
class ProgramTextReader {
public:
    using OnToken = std::function<bool(std::string_view word, std::size_t line)>;
    using OnDefinition = std::function<void(Definition definition)>;
    using OnProblem = std::function<void(ProgramProblem problem)>;

    ProgramTextReader(OnToken onToken, OnDefinition onDefinition, OnProblem onProblem);
    void ReadLine(std::string_view text, std::size_t line);
    // The end of the text: a def still open is a problem.
    void Finish();
    bool InDefinition() const { return m_open.has_value(); }

private:
    OnToken m_onToken;
    OnDefinition m_onDefinition;
    OnProblem m_onProblem;
    std::optional<Definition> m_open;
};

// Reads a whole text. With `tokensAllowed` false (a file of programs),
// a token outside a definition is a problem.
struct ReadProgramText {
    std::vector<Definition> definitions;
    std::vector<ProgramProblem> problems;
};
ReadProgramText ReadDefinitions(std::string_view text, bool tokensAllowed);

// A body as it is kept: the blank lines around it and the indentation all
// its lines share taken away. Returns how many lines went from its start.
std::size_t TidyBody(std::string& body);
// A body as a file shows it under its def: each line indented by two blanks,
// each ending with a line break.
std::string IndentedBody(std::string_view body);

// Whether a line may begin or end a definition ("def:" or "end" stands in
// it, in any case): a line that may not is tokens alone.
bool MayHoldDefinition(std::string_view line);

// Whether `name` may name a program: a letter, then letters, digits or _,
// at most kLongestProgramName in all.
bool IsProgramName(std::string_view name);
// The name as programs are looked up by: upper case.
std::string ProgramKey(std::string_view name);

// One step of a program, ready to run.
struct ProgramStep {
    enum class Kind : std::uint8_t {
        Keys,      // keys[first .. first+count) pressed in turn
        Function,  // catalogue function `first` (a FunctionId) with argument `count`
        Actions,   // actions[first .. first+count) carried out in turn
        Label,     // lbl:L, nothing to do
        Goto,      // gto:L, to step `first`
        Call,      // gsb:NAME or run:NAME, calls[first]
        Return,    // rtn
        TestX,     // x=0? ..., `compare` against 0
        TestXY,    // x=y? ..., `compare` X against Y
        Decrement, // dsz:N, register `first`
        Increment, // isz:N, register `first`
        Stop,      // stop
        Pause,     // pse
        Solve,     // solve:NAME, a root of calls[first]
        Integrate, // integrate:NAME, ∫ of calls[first]
    };
    using Compare = tabrix::Compare;
    Kind kind = Kind::Keys;
    Compare compare = Compare::Equal;
    std::uint32_t first = 0;
    std::uint32_t count = 0;
    std::uint32_t line = 0;       // its line in the body, counted from 1
    std::uint32_t tokenStart = 0; // its token in the body
    std::uint32_t tokenLength = 0;
};

struct Program {
    std::string name;  // as written
    std::string key;   // as looked up
    std::string body;  // as written
    std::vector<ProgramStep> steps;
    std::vector<std::uint32_t> keys;
    std::vector<Action> actions;
    std::vector<std::string> calls;  // the keys of the programs called, solved or integrated
    // A solve or an integration given outside any program, run as a program
    // of that one step: where it finds no answer it says why, and ends no run.
    bool standsAlone = false;

    std::string_view Token(const ProgramStep& step) const {
        return std::string_view(body).substr(step.tokenStart, step.tokenLength);
    }
    // The definition on one line, tokens parted by one blank, as a tape
    // writes it: "def:tri STO 1 0 STO 2 ... end".
    std::string OneLine() const;
};

// Turns a definition into steps. Problems (an unknown token, a gto to a
// label the program lacks, a call of a program `known` does not know, a
// token no program may hold) are added to `problems` with the line they
// stand on in the whole text; nothing is returned when there is any.
std::shared_ptr<const Program> CompileProgram(const Definition& definition,
                                              const std::function<bool(std::string_view key)>& known,
                                              std::vector<ProgramProblem>& problems);

// Whether a token outside any program is one a program alone may hold
// (lbl:, gto:, rtn, the tests, dsz:, isz:, stop, pse); then `problem` says so.
bool IsProgramOnlyToken(std::string_view token);

// Every program the session knows, by name, in the order they were defined.
class ProgramLibrary {
public:
    // Defines `program`, replacing one of the same name where it stood.
    void Define(std::shared_ptr<const Program> program);
    const std::shared_ptr<const Program>* Find(std::string_view name) const;
    bool Remove(std::string_view name);
    const std::vector<std::shared_ptr<const Program>>& All() const { return m_programs; }

private:
    std::vector<std::shared_ptr<const Program>> m_programs;
    std::unordered_map<std::string, std::size_t> m_index;
};

// The one checker of a file of programs (programs.txt, an imported file,
// a --program file, the web page's programs): its def blocks read, a name
// defined twice refused with its line, each program compiled against the
// others and `alsoKnown`. The file's own problems (its form, a name twice)
// and each program's come apart: a front end that keeps programs as written
// keeps one with problems all the same, and refuses a file with problems of
// its own.
struct CheckedFile {
    std::vector<Definition> definitions;
    std::vector<std::shared_ptr<const Program>> programs;       // one per definition, null for one with problems
    std::vector<std::vector<ProgramProblem>> programProblems;   // one list per definition
    std::vector<ProgramProblem> fileProblems;
    // Every problem, by line.
    std::vector<ProgramProblem> Problems() const;
};
CheckedFile CheckProgramFile(std::string_view text, const std::function<bool(std::string_view key)>& alsoKnown = {});

// A problem's line and reason in English ("12: no label “loop” in tri").
std::string ProblemText(const ProgramProblem& problem);
// The same as a marked sentence ("line 12: no label “loop” in tri").
std::string ProblemSentence(const ProgramProblem& problem);

}  // namespace tabrix
