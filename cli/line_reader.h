// Where the console's lines come from: a stream (a pipe, a file), or a person
// at a terminal, who gets a prompt, line editing and a history of the lines
// typed in this session.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>

namespace tabrix::cli {

class LineReader {
public:
    virtual ~LineReader() = default;
    // The next line, without its newline; false at the end of the input
    // (Ctrl+D at a terminal).
    virtual bool ReadLine(std::string& line) = 0;
};

// Lines of a stream, exactly as they come.
std::unique_ptr<LineReader> StreamLines(std::istream& in);

// Lines typed at the terminal, after the prompt "tabrix> ". `out` is flushed
// before each prompt, so that the state printed last stands above it.
std::unique_ptr<LineReader> TerminalLines(std::ostream& out);

}  // namespace tabrix::cli
