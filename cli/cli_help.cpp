#include "cli/cli_help.h"

#include <algorithm>

#include "engine/function_catalogue.h"
#include "engine/key_table.h"

namespace tabrix::cli {

namespace {

// "  WORD     what it does", the word in a column of `width`.
std::string Column(std::string_view words, std::string_view description, std::size_t width) {
    std::string text = "  " + std::string(words);
    // Words too long for the column stand on a line of their own.
    if (text.size() >= width) text += "\n";
    text.resize(text.back() == '\n' ? text.size() + width : width, ' ');
    return text + std::string(description);
}

// Two columns from the key table: each key's word, and its shifted word.
std::string KeyWords() {
    std::string help = "The keys' words; a shifted function (right) presses F, then its key:\n";
    const auto column = [](const catalogue::Function& f) { return Column(f.token, f.description, 9); };
    for (const KeyRow& row : KeyTable()) {
        const catalogue::Function& plain = row.Plain();
        const catalogue::Function& shifted = row.Shifted();
        std::string line = plain.token.empty() || plain.digit >= 0 ? std::string() : column(plain);
        if (!shifted.token.empty()) {
            line.resize(38, ' ');
            line += column(shifted);
        }
        if (!line.empty()) help += line + "\n";
    }
    return help;
}

// The catalogue's rows of `families` that no key gives, one line each; rows
// that say the same in words share a line ("x=0? x!=0? ...").
std::string FunctionWords(bool programs) {
    std::string help;
    std::string words;
    std::string_view description;
    const auto flush = [&] {
        if (!words.empty()) help += Column(words, description, 22) + "\n";
        words.clear();
    };
    for (const catalogue::Function& f : catalogue::All()) {
        const bool shown = programs ? f.family == Family::Programs
                                    : f.Calculates() && f.digit < 0 && !catalogue::KeyOf(f.id);
        if (!shown) continue;
        if (f.description != description) flush();
        description = f.description;
        words += (words.empty() ? "" : " ") + catalogue::TokenPattern(f);
    }
    flush();
    return help;
}

}  // namespace

std::string TokenHelp() {
    std::string help = R"(Tokens (case-insensitive), each pressing keys of the calculator:
  12.5  007  .        digits and points, one key each
  -5  1.5e3  2e-3     a number as written: its keys, CHS for a minus, EEX and
                      the exponent's keys (-5 presses 5 CHS; 2e-3: 2 EEX 3 CHS)
)";
    help += KeyWords();
    help += R"(  FIX SCI ENG STO RCL take the next digit: FIX 2, STO 3; HYP makes SIN COS TAN
  and their inverses hyperbolic.
Functions beyond the keys (tabrix-cli --functions lists them all):
)";
    help += FunctionWords(false);
    help += R"(  #N                  key code N (1..30) through key execution
  vk:N  vk:0xNN       a hardware key release with virtual-key code N
  copy cut paste      the Edit commands, on a clipboard private to the run
  paste:TEXT          put TEXT on that clipboard, then paste
  copy-exact          X (or the number typed) at full precision, as 0.1 or 1e-300
  paste-number:TEXT   TEXT read as people write numbers (1.234,50  $1,234.5
                      -12  1.5x10^3) into X; a text with no single number is
                      reported on standard error and changes nothing
  paste-data:TEXT     Sigma+ of every point TEXT holds: a number (x) or two
                      (x and y, split by a tab, ; or ,) on each line
  sto:N rcl:N         the STO and RCL menu commands for register N (0..9)
  undo redo           take back the last change (a key, a command) or redo it
  reset               Reset State: the calculator's defaults
  load:PATH           Load State from the state file PATH
  draw:N              the next RAN# draws N (0..4294967295): a tape replays exactly
  state:HEX           the whole state at once, as a tape writes it where it
                      starts from a calculator not at its defaults
  clip:TEXT           put TEXT on the clipboard (a tape writes it before a run
                      that read the clipboard; clip-empty: no text on it)
Programs (--program FILE, or def blocks in a script or on standard input):
  def:NAME ... end    define program NAME (a letter, then letters, digits or _,
                      32 at most); it does not run where it stands
)";
    help += FunctionWords(true);
    help += R"(At most 32 calls are open at once. lbl:, gto:, rtn, the tests, dsz:, isz:,
stop and pse stand only in a program; cont and sst only outside one.
A test, run: and gsb: first end a number being typed, as an operation key does.
A TEXT or PATH in double quotes may hold blanks and '#' ("a b"), with \" and
\\ for a quote and a backslash, and \n, \t, \xHH. In a script or on standard
input, a '#' followed by a blank starts a comment.
)";
    return help;
}

}  // namespace tabrix::cli
