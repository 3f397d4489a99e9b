// The console's words for the document's commands, shared by the console that
// reads them and the tape that writes them, and the quoted form of a text
// argument ("paste:\"1 234,50 # net\""), which survives blanks, "#" and any
// other character in a line of tokens.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tabrix::tokens {

inline constexpr std::string_view kCopy = "copy";
inline constexpr std::string_view kCut = "cut";
inline constexpr std::string_view kPaste = "paste";            // paste, paste:TEXT
inline constexpr std::string_view kCopyExact = "copy-exact";
inline constexpr std::string_view kPasteNumber = "paste-number";  // paste-number, paste-number:TEXT
inline constexpr std::string_view kPasteData = "paste-data";   // paste-data, paste-data:TEXT
inline constexpr std::string_view kStore = "sto";              // sto:N, the STO menu
inline constexpr std::string_view kRecall = "rcl";             // rcl:N, the RCL menu
inline constexpr std::string_view kUndo = "undo";
inline constexpr std::string_view kRedo = "redo";
inline constexpr std::string_view kReset = "reset";            // Reset State (and New)
inline constexpr std::string_view kLoad = "load";              // load:PATH, Load State
inline constexpr std::string_view kDraw = "draw";              // draw:N, the number the next RAN# draws
inline constexpr std::string_view kState = "state";            // state:HEX, the whole state at once
inline constexpr std::string_view kClipboard = "clip";         // clip:TEXT, TEXT onto the clipboard
inline constexpr std::string_view kEmptyClipboard = "clip-empty";
inline constexpr std::string_view kRun = "run";                // run:NAME
inline constexpr std::string_view kContinue = "cont";
inline constexpr std::string_view kStep = "sst";               // sst, sst:NAME
inline constexpr std::string_view kSolve = "solve";           // solve:NAME
inline constexpr std::string_view kIntegrate = "integrate";   // integrate:NAME

// `text` in double quotes, with \" \\ and the C escapes \n \r \t and \xHH
// for the other control characters; every other byte (blanks, "#", UTF-8)
// as it is. The console reads a quoted part of a word as part of that word.
std::string Quoted(std::string_view text);

// The argument of a token ("TEXT" in "paste:TEXT"): the text of a quoted
// form, or the argument as it stands when it does not begin with a quote.
// Nothing when a quoted form is malformed (no closing quote, a bad escape,
// anything after the closing quote).
std::optional<std::string> Unquoted(std::string_view argument);

}  // namespace tabrix::tokens
