#include "cli/cli_help.h"

#include "engine/key_table.h"

namespace tabrix::cli {

std::string TokenHelp() {
    std::string help = R"(Tokens (case-insensitive), each pressing keys of the calculator:
  12.5  007  .        digits and points, one key each
  -5  1.5e3  2e-3     a number as written: its keys, CHS for a minus, EEX and
                      the exponent's keys (-5 presses 5 CHS; 2e-3: 2 EEX 3 CHS)
The keys' words; a shifted function (right) presses F, then its key:
)";
    // Two columns from the key table: each key's word, and its shifted word.
    const auto column = [](const KeyFunction& function) {
        std::string text = "  " + std::string(function.token);
        text.resize(9, ' ');
        text += function.description;
        return text;
    };
    for (const KeyRow& row : KeyTable()) {
        if (row.plain.token.empty() || row.plain.digit >= 0) {
            if (!row.shifted.token.empty()) help += std::string(38, ' ') + column(row.shifted) + "\n";
            continue;
        }
        std::string line = column(row.plain);
        if (!row.shifted.token.empty()) {
            line.resize(38, ' ');
            line += column(row.shifted);
        }
        help += line + "\n";
    }
    help += R"(  FIX SCI ENG STO RCL take the next digit: FIX 2, STO 3; HYP makes SIN COS TAN
  and their inverses hyperbolic.
  #N                  key code N (1..30) through key execution
  vk:N  vk:0xNN       a hardware key release with virtual-key code N
  copy cut paste      the Edit commands, on a clipboard private to the run
  paste:TEXT          put TEXT on that clipboard, then paste
  copy-exact          X (or the number typed) at full precision, as 0.1 or 1e-300
  paste-number:TEXT   TEXT read as people write numbers (1.234,50  $1,234.5
                      -12  1.5x10^3) into X; a text with no single number is
                      reported on standard error and changes nothing
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
  run:NAME gsb:NAME   run NAME from its start; in a program, call it and go on
                      after the step (at most 32 calls open at once)
  cont                go on after the stop step where a run stopped
  sst  sst:NAME       one step of the stopped run; of NAME begun stopped
Only in a program:
  lbl:L  gto:L        a label of the program, and a jump to it
  rtn                 return, as reaching end does
  x=0? x!=0? x<0? x>0? x<=0? x>=0?   test X: when false, skip the next step
  x=y? x!=y? x<y? x>y? x<=y? x>=y?   test X against Y, the same way
  dsz:N  isz:N        register N minus (plus) 1: when it is 0, skip the next step
  stop                the run stops here (cont goes on)
  pse                 pause: the desktop shows the calculator a moment
A test, run: and gsb: first end a number being typed, as an operation key does.
A TEXT or PATH in double quotes may hold blanks and '#' ("a b"), with \" and
\\ for a quote and a backslash, and \n, \t, \xHH. In a script or on standard
input, a '#' followed by a blank starts a comment.
)";
    return help;
}

}  // namespace tabrix::cli
