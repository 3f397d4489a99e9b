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
        CopyExact,    // Edit > Copy Exact
        PasteNumber,  // Edit > Paste Number
        Cut,          // Edit > Cut
        Paste,        // Edit > Paste
        PutText,      // put `text` on the console's clipboard (before a Paste)
        Store,        // STO menu, register `code`
        Recall,       // RCL menu, register `code`
        Undo,         // Edit > Undo: back to the state before the last change
        Redo,         // Edit > Redo
    };
    CliAction(Kind kind, std::uint32_t code = 0, std::string_view text = {}) : kind(kind), code(code), text(text) {}

    Kind kind;
    std::uint32_t code;
    std::string_view text;  // a part of the token: the token must outlive the action

    friend bool operator==(const CliAction&, const CliAction&) = default;
};

// Appends the actions one token stands for (case-insensitive) to `actions`;
// false, appending nothing, when the token is not one the console knows.
// A long program reuses one buffer and allocates nothing per token.
bool ParseToken(std::string_view token, std::vector<CliAction>& actions);

// The same for one token alone: its actions, or nothing.
std::optional<std::vector<CliAction>> ParseToken(std::string_view token);

// The words of one input line, with a comment (a '#' followed by a blank or at
// the end of the line) removed. The words are views into `line`.
std::vector<std::string_view> SplitLine(std::string_view line);

// Calls visit(word) for each word of SplitLine(line), in order, until it
// returns false; returns whether it went through. Builds no list.
template <typename Visit>
bool ForEachWord(std::string_view line, Visit visit);

// The token table for --help.
std::string TokenHelp();

namespace detail {
// The end of the line's words: where a comment begins, or the line's end.
std::size_t WordsEnd(std::string_view line);
inline bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
}  // namespace detail

template <typename Visit>
bool ForEachWord(std::string_view line, Visit visit) {
    line = line.substr(0, detail::WordsEnd(line));
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && detail::IsBlank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !detail::IsBlank(line[i])) ++i;
        if (i > start && !visit(line.substr(start, i - start))) return false;
    }
    return true;
}

}  // namespace tabrix::cli
