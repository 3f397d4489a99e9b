// The console's tokens: each names keys to press (or a command) on the calculator.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tabrix::cli {

struct CliAction {
    enum class Kind {
        Key,          // press key `code` (CTabrixDoc::PressKey)
        HardwareKey,  // OnHardwareKeyUp(code)
        Copy,         // Edit > Copy
        Cut,          // Edit > Cut
        Paste,        // Edit > Paste
        PutText,      // put `text` on the console's clipboard (before a Paste)
        Store,        // STO menu, register `code`
        Recall,       // RCL menu, register `code`
        Undo,         // Edit > Undo: back to the state before the last change
        Redo,         // Edit > Redo
    };
    CliAction(Kind kind, std::uint32_t code = 0, std::string text = {})
        : kind(kind), code(code), text(std::move(text)) {}

    Kind kind;
    std::uint32_t code;
    std::string text;

    friend bool operator==(const CliAction&, const CliAction&) = default;
};

// The actions one token stands for (case-insensitive), or nothing when the
// token is not one the console knows.
std::optional<std::vector<CliAction>> ParseToken(std::string_view token);

// The words of one input line, with a comment (a '#' followed by a blank or at
// the end of the line) removed.
std::vector<std::string> SplitLine(std::string_view line);

// The token table for --help.
std::string TokenHelp();

}  // namespace tabrix::cli
