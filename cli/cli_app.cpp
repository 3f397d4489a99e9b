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
#include "cli/cli_tokens.h"
#include "cli/line_reader.h"

namespace tabrix::cli {

namespace {

constexpr int kUsageError = 2;
constexpr int kOutputError = 1;

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

// Calls visit(word, line number) for every token of a script, comments left
// out, until it returns false; returns whether it went through.
template <typename Visit>
bool ForEachScriptWord(std::string_view script, Visit visit) {
    int number = 1;
    for (std::size_t start = 0; start < script.size(); ++number) {
        const std::size_t end = std::min(script.find('\n', start), script.size());
        if (!ForEachWord(script.substr(start, end - start), [&](std::string_view word) { return visit(word, number); })) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

}  // namespace

bool RunScript(Session& session, std::string_view script, const std::string& name,
               const std::vector<std::string>& tokens, std::ostream& err) {
    std::vector<CliAction> actions;
    bool usesHistory = false;
    auto check = [&](std::string_view word, int line) {
        actions.clear();
        if (ParseToken(word, actions)) {
            usesHistory = usesHistory || UsesHistory(actions);
            return true;
        }
        err << "tabrix-cli: " << (line > 0 ? name + ":" + std::to_string(line) + ": " : "") << "bad token '" << word
            << "'\n";
        return false;
    };
    if (!ForEachScriptWord(script, check)) return false;
    for (const std::string& token : tokens) {
        if (!check(token, 0)) return false;
    }
    session.KeepHistory(usesHistory);
    auto run = [&](std::string_view word, int) {
        actions.clear();
        ParseToken(word, actions);
        session.Run(actions);
        session.Trace(word);
        return true;
    };
    ForEachScriptWord(script, run);
    for (const std::string& token : tokens) run(token, 0);
    return true;
}

namespace {

// A script and tokens from the command line, checked before any runs, then
// run; the state is printed once.
int RunProgram(Session& session, const Options& options, std::ostream& err) {
    std::string script;
    if (options.script) {
        auto text = ReadScript(*options.script, err);
        if (!text) return kUsageError;
        script = std::move(*text);
    }
    if (!RunScript(session, script, options.script.value_or(""), options.tokens, err)) return kUsageError;
    if (options.save && !session.Save(*options.save)) return kUsageError;
    session.Print();
    return session.FileFailed() ? kUsageError : 0;
}

// Tokens from standard input, line by line, with the state printed after
// each line that held any. A bad token is reported, the rest of its line is
// skipped, and the run goes on; the exit status is then 2. At a terminal,
// "help" and "quit" are understood too.
int RunLines(Session& session, const Options& options, LineReader& lines, std::ostream& out, std::ostream& err,
             Terminal terminal) {
    if (terminal != Terminal::None) {
        err << "Tabrix: type keys and press Return (for example: 12 ENTER 3 +); "
            << (terminal == Terminal::InputOutput ? "help lists them; quit or Ctrl+D ends.\n"
                                                  : "tabrix-cli --help lists them; Ctrl+D quits.\n");
        session.Print();
    }
    int status = 0;
    bool printed = terminal != Terminal::None;
    std::string line;
    std::vector<CliAction> actions;
    while (out && lines.ReadLine(line)) {
        if (terminal == Terminal::InputOutput) {
            const Word word = TerminalWord(line);
            if (word == Word::Quit) break;
            if (word == Word::Help) {
                out << TokenHelp() << kTerminalHelp;
                continue;
            }
        }
        bool any = false;
        ForEachWord(line, [&](std::string_view word) {
            any = true;
            actions.clear();
            if (!ParseToken(word, actions)) {
                err << "tabrix-cli: bad token '" << word << "'\n";
                status = kUsageError;
                return false;  // the rest of the line is skipped
            }
            session.Run(actions);
            session.Trace(word);
            return true;
        });
        if (!any) continue;
        printed = true;
        session.Print();
    }
    if (options.save && !session.Save(*options.save)) return kUsageError;
    // Input without a single token still ends with the final state, once.
    if (!printed) session.Print();
    return session.FileFailed() ? kUsageError : status;
}

int RunSession(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
               Terminal terminal) {
    const ParsedCommandLine parsed = ParseCommandLine(args, out, err);
    if (parsed.exitNow) return *parsed.exitNow;
    const Options& options = parsed.options;

    Session session(options.seed, options.output, options.localeDecimal, out, err);
    if (options.load && !session.Load(*options.load)) return kUsageError;
    if (options.script || !options.tokens.empty()) return RunProgram(session, options, err);
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
