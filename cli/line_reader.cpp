#include "cli/line_reader.h"

#include <cstdio>
#include <cstdlib>
#include <istream>
#include <ostream>

// libedit (BSD licence) gives the line editing and the history.
#include <editline/readline.h>

namespace tabrix::cli {

namespace {

class StreamLineReader final : public LineReader {
public:
    explicit StreamLineReader(std::istream& in) : m_in(in) {}
    bool ReadLine(std::string& line) override { return static_cast<bool>(std::getline(m_in, line)); }

private:
    std::istream& m_in;
};

class TerminalLineReader final : public LineReader {
public:
    explicit TerminalLineReader(std::ostream& out) : m_out(out) { using_history(); }
    ~TerminalLineReader() override { clear_history(); }

    bool ReadLine(std::string& line) override {
        m_out.flush();
        char* typed = readline("tabrix> ");
        if (typed == nullptr) {
            std::fputs("\n", stdout);  // Ctrl+D: the shell's prompt starts on a line of its own
            std::fflush(stdout);
            return false;
        }
        line = typed;
        std::free(typed);
        if (line.find_first_not_of(" \t") != std::string::npos) add_history(line.c_str());
        return true;
    }

private:
    std::ostream& m_out;
};

}  // namespace

std::unique_ptr<LineReader> StreamLines(std::istream& in) { return std::make_unique<StreamLineReader>(in); }

std::unique_ptr<LineReader> TerminalLines(std::ostream& out) { return std::make_unique<TerminalLineReader>(out); }

}  // namespace tabrix::cli
