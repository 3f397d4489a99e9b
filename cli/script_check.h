// The console checks everything it is given before anything runs: the
// programs of the --program files, the definitions and tokens of a script,
// the tokens of the command line. A refusal is one line on standard error,
// "FILE:LINE: reason", and nothing runs.
#pragma once

#include <algorithm>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "document/program.h"

namespace tabrix::cli {

// A text and the name its problems are reported with.
struct NamedText {
    std::string name;
    std::string_view text;
};

struct CheckedRun {
    // The programs of the --program files, defined before anything runs.
    std::vector<std::shared_ptr<const Program>> programs;
    // The script's definitions, in the order their ends stand in it: each is
    // defined when the script reaches it, replacing one of its name.
    std::vector<std::shared_ptr<const Program>> scriptPrograms;
    // Whether anything undoes: a run that never does keeps no history.
    bool usesHistory = false;
};

// Calls onLine(text, number) for each line of `text`, counted from 1, while
// it returns true.
template <typename OnLine>
void ForEachLine(std::string_view text, OnLine onLine) {
    std::size_t number = 1;
    for (std::size_t start = 0; start < text.size(); ++number) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        if (!onLine(text.substr(start, end - start), number)) return;
        start = end + 1;
    }
}

// Checks the whole run; false, with every problem reported, when it cannot run.
bool CheckRun(const std::vector<NamedText>& programFiles, const NamedText& script,
              const std::vector<std::string>& tokens, std::ostream& err, CheckedRun& checked);


}  // namespace tabrix::cli
