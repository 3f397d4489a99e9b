#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

#include "cli/cli_app.h"

int main(int argc, char** argv) {
    // Take the user's locale, as the desktop program does: number text must
    // come out the same whatever it is.
    std::setlocale(LC_ALL, "");
    // The console uses only C++ streams: they need not keep step with C's
    // stdio, and reading a long program is much faster without it.
    std::ios_base::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    using tabrix::cli::Terminal;
    const Terminal terminal = isatty(STDIN_FILENO) == 0   ? Terminal::None
                              : isatty(STDOUT_FILENO) == 0 ? Terminal::InputOnly
                                                           : Terminal::InputOutput;
    return tabrix::cli::RunCli(args, std::cin, std::cout, std::cerr, terminal);
}
