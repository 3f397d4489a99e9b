// tabrix-cli: the calculator driven by tokens on the command line or on
// standard input, for scripts, batch use, tests and a terminal.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tabrix::cli {

// Runs the console front end. `args` are the command-line arguments without the
// program name. Returns the exit status: 0 on success, 2 for a usage error or a
// bad token (one line on `err`, nothing on `out`). `interactive` says standard
// input is a terminal: the start state and a hint are shown before reading.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
           bool interactive = false);

}  // namespace tabrix::cli
