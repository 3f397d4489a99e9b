#include "cli/cli_app.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <istream>
#include <optional>
#include <ostream>

#include "cli/cli_options.h"
#include "cli/cli_session.h"
#include "cli/cli_help.h"
#include "cli/line_reader.h"
#include "cli/script_check.h"
#include "document/program.h"
#include "document/token_reader.h"
#include "document/token_runner.h"

namespace tabrix::cli {

namespace {

constexpr int kUsageError = 2;
constexpr int kOutputError = 1;
constexpr int kProgramStopped = 3;
constexpr int kErrorShown = 4;
constexpr int kRefused = 5;

// The exit status of a run that read all it was given: a failed load, a
// run cut short, a token refused, an error shown, in that order.
int RunStatus(const Session& session, int readStatus) {
    if (readStatus != 0 || session.FileFailed()) return kUsageError;
    if (session.Halted()) return kProgramStopped;
    if (session.Refused()) return kRefused;
    return session.ShowedError() ? kErrorShown : 0;
}

// The last line of a script that holds something, as it stands.
std::string_view LastLine(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.remove_suffix(1);
    const std::size_t start = text.find_last_of('\n');
    return start == std::string_view::npos ? text : text.substr(start + 1);
}

// What a person at the terminal may type besides tokens.
constexpr const char* kTerminalHelp =
    "At the prompt: tokens, then Return; Up and Down bring back earlier lines.\n"
    "  help               this text\n"
    "  quit  q  Ctrl+D    end tabrix-cli\n";

// The words a person at the terminal types to end the session or get help.
enum class Word { None, Help, Quit };

Word TerminalWord(std::string_view line) {
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) return Word::None;
    line = line.substr(first, line.find_last_not_of(" \t") - first + 1);
    if (line == "help" || line == "HELP") return Word::Help;
    if (line == "quit" || line == "QUIT" || line == "q" || line == "Q") return Word::Quit;
    return Word::None;
}

// The whole text of a script file; nothing (with the reason on `err`) when
// it cannot be read.
std::optional<std::string> ReadScript(const std::string& path, std::ostream& err) {
    std::ifstream file(path, std::ios::binary);
    std::string text;
    if (file) text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (!file && !file.eof()) {
        err << "tabrix-cli: cannot read script " << path << ": " << std::strerror(errno) << "\n";
        return std::nullopt;
    }
    return text;
}

}  // namespace

namespace {

// What every run of lines tells: the actions' outcomes and, with a trace, each token.
class ConsoleLines : public TokenRunner::Handler {
public:
    explicit ConsoleLines(Session& session) : m_session(session) {}
    bool Performed(const Action& action, const Outcome& outcome) override { return m_session.Told(action, outcome); }
    void TokenDone(std::string_view word) override { m_session.Trace(word); }
    bool EveryToken() const override { return m_session.Tracing(); }

protected:
    Session& m_session;
};

// A script checked before it runs: each def block is the program checked
// for it, defined where the script reaches its end.
class ScriptLines final : public ConsoleLines {
public:
    ScriptLines(Session& session, const CheckedRun& checked) : ConsoleLines(session), m_checked(checked) {}
    bool BadToken(std::string_view, std::size_t) override { return false; }
    void Defined(Definition) override { m_session.Calculator().DefineProgram(m_checked.scriptPrograms[m_next++]); }
    void Problem(const ProgramProblem&) override {}

private:
    const CheckedRun& m_checked;
    std::size_t m_next = 0;
};

}  // namespace

bool RunScript(Session& session, const std::vector<NamedText>& programFiles, const NamedText& script,
               const std::vector<std::string>& tokens, std::ostream& err) {
    CheckedRun checked;
    if (!CheckRun(programFiles, script, tokens, err, checked)) return false;
    for (const auto& program : checked.programs) session.Calculator().DefineProgram(program);
    session.KeepHistory(checked.usesHistory);
    ScriptLines handler(session, checked);
    // A script without definitions (a long tape) is only words.
    TokenRunner runner(session.Calculator(), handler, !checked.scriptPrograms.empty());
    ForEachLine(script.text, [&](std::string_view text, std::size_t number) { return runner.Line(text, number); });
    for (const std::string& token : tokens) {
        if (!runner.Word(token)) break;
    }
    return true;
}

bool RunScript(Session& session, std::string_view script, const std::string& name,
               const std::vector<std::string>& tokens, std::ostream& err) {
    return RunScript(session, {}, NamedText{name, script}, tokens, err);
}

namespace {

// The --program files as read.
struct ProgramFiles {
    std::vector<std::string> texts;
    std::vector<NamedText> named;
    bool Read(const std::vector<std::string>& paths, std::ostream& err) {
        for (const std::string& path : paths) {
            auto text = ReadScript(path, err);
            if (!text) return false;
            texts.push_back(std::move(*text));
        }
        for (std::size_t i = 0; i < texts.size(); ++i) named.push_back({paths[i], texts[i]});
        return true;
    }
};

// A script and tokens from the command line, checked before any runs, then
// run; the state is printed once.
int RunProgram(Session& session, const Options& options, std::ostream& err) {
    std::string script;
    if (options.script) {
        auto text = ReadScript(*options.script, err);
        if (!text) return kUsageError;
        script = std::move(*text);
    }
    ProgramFiles files;
    if (!files.Read(options.programs, err)) return kUsageError;
    if (!RunScript(session, files.named, NamedText{options.script.value_or(""), script}, options.tokens, err)) {
        return kUsageError;
    }
    if (options.save && !session.Save(*options.save)) return kUsageError;
    session.Print(options.tokens.empty() ? LastLine(script) : std::string_view(options.tokens.back()));
    return RunStatus(session, 0);
}

// Standard input's lines: a bad token is reported and the rest of its line
// skipped; a def block defines its program when its end is read, replacing
// one of its name (a program read here may call one defined later: a run
// checks that all it calls is there before it begins).
class InputLines final : public ConsoleLines {
public:
    InputLines(Session& session, std::ostream& err) : ConsoleLines(session), m_err(err) {}
    bool BadToken(std::string_view word, std::size_t) override {
        m_err << "tabrix-cli: " << BadTokenText(word) << "\n";
        m_status = kUsageError;
        return true;  // the next line runs
    }
    void Defined(Definition definition) override {
        std::vector<ProgramProblem> problems;
        auto program = CompileProgram(definition, [](std::string_view) { return true; }, problems);
        for (const ProgramProblem& p : problems) Problem(p);
        if (program) m_session.Calculator().DefineProgram(std::move(program));
    }
    void Problem(const ProgramProblem& problem) override {
        m_err << "tabrix-cli: <stdin>:" << problem.line << ": " << NoticeText({problem.reason}) << "\n";
        m_status = kUsageError;
    }
    int Status() const { return m_status; }

private:
    std::ostream& m_err;
    int m_status = 0;
};

// Tokens from standard input, line by line, with the state printed after
// each line that held any. A program run that ends before its end ends the
// input too (exit status 3). At a terminal, "help" and "quit" are
// understood too.
int RunLines(Session& session, const Options& options, LineReader& lines, std::ostream& out, std::ostream& err,
             Terminal terminal) {
    if (terminal != Terminal::None) {
        err << "Tabrix: type keys and press Return (for example: 12 ENTER 3 +); "
            << (terminal == Terminal::InputOutput ? "help lists them; quit or Ctrl+D ends.\n"
                                                  : "tabrix-cli --help lists them; Ctrl+D quits.\n");
        session.Print({});
    }
    bool printed = terminal != Terminal::None;
    InputLines handler(session, err);
    TokenRunner runner(session.Calculator(), handler);
    std::string line;
    std::size_t number = 0;
    while (runner.Going() && out && lines.ReadLine(line)) {
        if (terminal == Terminal::InputOutput) {
            const Word word = TerminalWord(line);
            if (word == Word::Quit) break;
            if (word == Word::Help) {
                out << TokenHelp() << kTerminalHelp;
                continue;
            }
        }
        runner.Line(line, ++number);
        if (!runner.LineHadTokens()) continue;
        printed = true;
        session.Print(line);
    }
    runner.Finish();
    if (!runner.Going()) {
        if (!printed) session.Print(line);
        return kProgramStopped;
    }
    if (options.save && !session.Save(*options.save)) return kUsageError;
    // Input without a single token still ends with the final state, once.
    if (!printed) session.Print(line);
    return RunStatus(session, handler.Status());
}

int RunSession(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
               Terminal terminal) {
    const ParsedCommandLine parsed = ParseCommandLine(args, out, err);
    if (parsed.exitNow) return *parsed.exitNow;
    const Options& options = parsed.options;

    Session session(options.seed, options.output, options.localeDecimal, options.maxSteps, out, err);
    session.ReportErrors(options.reportErrors);
    if (options.load && !session.Load(*options.load)) return kUsageError;
    if (options.script || !options.tokens.empty()) return RunProgram(session, options, err);
    // Standard input: the programs first, checked as a whole.
    ProgramFiles files;
    CheckedRun checked;
    if (!files.Read(options.programs, err) || !CheckRun(files.named, NamedText{}, {}, err, checked)) return kUsageError;
    for (const auto& program : checked.programs) session.Calculator().DefineProgram(program);
    const auto lines = terminal == Terminal::InputOutput ? TerminalLines(out) : StreamLines(in);
    return RunLines(session, options, *lines, out, err, terminal);
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
           Terminal terminal) {
    errno = 0;
    const int status = RunSession(args, in, out, err, terminal);
    // Output that could not be written (a full disk, say) is a failure,
    // whatever else went well. (A closed pipe ends the program with SIGPIPE
    // before this, as for other filters.)
    if (!out.flush()) {
        const int why = errno;
        err << "tabrix-cli: cannot write the output" << (why != 0 ? std::string(": ") + std::strerror(why) : "")
            << "\n";
        return kOutputError;
    }
    return status;
}

}  // namespace tabrix::cli
