// The console's command line: options, then tokens.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "document/program.h"

namespace tabrix::cli {

struct Options {
    // What is printed: the LCD as text, JSON, only the value Copy Exact would
    // copy, the run's tape, or a trace of JSON lines, one per token.
    enum class Output { Lcd, Json, Value, Tape, Trace };
    Output output = Output::Lcd;
    // The decimal separator of the --locale (default "C"): decides a lone ","
    // or "." before three digits in paste-number texts.
    char localeDecimal = '.';
    std::optional<std::uint64_t> seed;
    std::optional<std::string> load;
    std::optional<std::string> save;
    std::optional<std::string> script;
    // Files of program definitions, read before the script and the tokens.
    std::vector<std::string> programs;
    // The most steps one program run may carry out.
    std::uint64_t maxSteps = kDefaultStepLimit;
    // Whether a calculator showing an error ("ERROR: NaN") is told and ends
    // with its own exit status; --ignore-errors leaves it silent.
    bool reportErrors = true;
    std::vector<std::string> tokens;
};

// What the command line asks for: options to run with, or an exit status at
// once (0 after --help or --version has printed, 2 after a usage error has
// been reported on `err` in one line).
struct ParsedCommandLine {
    Options options;
    std::optional<int> exitNow;
};

// Options may stand anywhere among the tokens; "--" ends them.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tabrix::cli
