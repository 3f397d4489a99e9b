// The console's help: every token it reads, for --help and the terminal's
// "help".
#pragma once

#include <string>

namespace tabrix::cli {

// The token table: the number forms, each key's word with its shifted
// word (from the key table), and the commands.
std::string TokenHelp();

}  // namespace tabrix::cli
