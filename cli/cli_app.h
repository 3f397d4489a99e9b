// tabrix-cli: the calculator driven by tokens on the command line or on
// standard input, for scripts, batch use, tests and a terminal.
#pragma once

#include <iosfwd>
#include <string>
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
// not be written, 2 for a usage error or a bad token (one line on `err`).
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
           Terminal terminal = Terminal::None);

}  // namespace tabrix::cli
