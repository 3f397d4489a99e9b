// The console run in-process, for its tests: the exit status and what it
// wrote on standard output and standard error; and files for it to read.
#pragma once

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/cli_app.h"
#include "fakes/tri_program.h"

namespace tabrix::testing {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun RunWith(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = cli::RunCli(args, in, out, err);
    return {status, out.str(), err.str()};
}

// A file in the test's temporary folder, removed at the end of the test.
struct TextFile {
    TextFile(const std::string& name, const std::string& text) : path(::testing::TempDir() + name) {
        std::ofstream(path) << text;
    }
    ~TextFile() { std::remove(path.c_str()); }
    std::string path;
};

}  // namespace tabrix::testing
