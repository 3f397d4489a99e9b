// Tokens, the words a script, a tape, a program or the console is written
// in: each names keys to press, or a command, on the calculator. Read here
// into the calculator session's actions for every front end.
#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document/session_action.h"

namespace tabrix {

// Appends the actions one token stands for (case-insensitive) to `actions`;
// false, appending nothing, when the token is not a known one.
// A long program reuses one buffer and allocates nothing per token.
bool ParseToken(std::string_view token, std::vector<Action>& actions);

// The keys a token presses, when all it does is press keys: a number, a
// function a key gives ("ASIN": F, then its key), "#N". Appended to `codes`;
// false, appending nothing, for any other token. ParseToken reads keys this
// way; a front end with many tokens at once presses them in one go.
bool ParseKeys(std::string_view token, std::vector<std::uint32_t>& codes);

// The same for one token alone: its actions, or nothing.
std::optional<std::vector<Action>> ParseToken(std::string_view token);

// Why a token outside any definition is refused, in English: a program's
// own word (lbl:, gto:, the tests ...) or an unknown one.
std::string BadTokenText(std::string_view token);

// The words of one input line, with a comment (a '#' followed by a blank or at
// the end of the line) removed. A double-quoted part of a word ("paste:\"a #b\"")
// keeps its blanks and "#"s, with \" and \\ inside it. The words are views
// into `line`.
std::vector<std::string_view> SplitLine(std::string_view line);

// Calls visit(word) for each word of SplitLine(line), in order, until it
// returns false; returns whether it went through. Builds no list.
template <typename Visit>
bool ForEachWord(std::string_view line, Visit visit);

namespace detail {
inline bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
// A '#' followed by a blank, or ending the line, starts a comment ("#26" is a token).
inline bool IsCommentStart(std::string_view line, std::size_t i) {
    return line[i] == '#' && (i + 1 == line.size() || IsBlank(line[i + 1]));
}
// The end of the word that begins at `start`: the next blank or comment
// outside double quotes.
std::size_t WordEnd(std::string_view line, std::size_t start);
}  // namespace detail

template <typename Visit>
bool ForEachWord(std::string_view line, Visit visit) {
    // A line without quotes or "#" is words between blanks (a long script's
    // lines are): found without looking for either at every character.
    if (std::memchr(line.data(), '"', line.size()) == nullptr && std::memchr(line.data(), '#', line.size()) == nullptr) {
        const char* at = line.data();
        const char* const end = at + line.size();
        while (at < end) {
            while (at < end && detail::IsBlank(*at)) ++at;
            const char* const start = at;
            while (at < end && !detail::IsBlank(*at)) ++at;
            if (at > start && !visit(std::string_view(start, static_cast<std::size_t>(at - start)))) return false;
        }
        return true;
    }
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && detail::IsBlank(line[i])) ++i;
        if (i < line.size() && detail::IsCommentStart(line, i)) break;
        const std::size_t start = i;
        i = detail::WordEnd(line, i);
        if (i > start && !visit(line.substr(start, i - start))) return false;
    }
    return true;
}

}  // namespace tabrix
