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
    const std::vector<std::string> args(argv + 1, argv + argc);
    return tabrix::cli::RunCli(args, std::cin, std::cout, std::cerr, isatty(STDIN_FILENO) != 0);
}
