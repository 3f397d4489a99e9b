// tabrix-cli: the calculator driven by tokens on the command line or on
// standard input, for scripts, batch use, tests and a terminal, with the
// programs of --program files and def blocks.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace tabrix::cli {

// How standard input and output are connected.
enum class Terminal {
    None,         // a pipe or a file: tokens are read line by line, nothing more
    InputOnly,    // a person types, the output goes elsewhere: a hint and the start state first
    InputOutput,  // a person at a terminal: also a prompt, line editing, history, help and quit
};

// Runs the console front end. `args` are the command-line arguments without the
// program name. Returns the exit status: 0 on success, 1 when the output could
// not be written, 2 for a usage error or a bad token (one line on `err`), 3
// when a program run ended before its end (the step limit, too many calls).
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
           Terminal terminal = Terminal::None);

class Session;

// Runs a script's tokens, then `tokens`, on `session`, as --script does: a
// long program parsed again token by token into one small buffer, so that it
// needs no memory of its own. Every token is checked first; a bad one is
// reported on `err` (with `name` and its line) and nothing runs: false.
bool RunScript(Session& session, std::string_view script, const std::string& name,
               const std::vector<std::string>& tokens, std::ostream& err);
// The same after the programs of `programFiles` (defined first, as
// --program reads them). A program run that ends before its end stops the
// rest; the session's Halted() says so.
struct NamedText;
bool RunScript(Session& session, const std::vector<NamedText>& programFiles, const NamedText& script,
               const std::vector<std::string>& tokens, std::ostream& err);

}  // namespace tabrix::cli
