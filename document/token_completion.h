// Completions of the word being typed in a program's steps, for the
// desktop's and the page's program editors: the tokens a program may hold
// that begin with it, case aside.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tabrix {

struct TokenCompletion {
    std::string text;     // what takes the word's place: "tanh", or "sto+:" for a token with an argument
    std::string pattern;  // the token as the help writes it: "sto+:N"
    std::string help;     // what it does, marked: "STO+ (add x to a register)"
};

// The completions of `word` (what stands before the cursor since the last
// space), shortest first, at most `most`. None for an empty word, for a
// number being written, or when the word is already the one token it
// begins.
std::vector<TokenCompletion> CompleteToken(std::string_view word, std::size_t most = 12);

}  // namespace tabrix
