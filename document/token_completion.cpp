#include "document/token_completion.h"

#include <algorithm>

#include "document/function_help.h"
#include "engine/function_catalogue.h"

namespace tabrix {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool BeginsWith(std::string_view text, std::string_view start) {
    return text.size() >= start.size() &&
           std::equal(start.begin(), start.end(), text.begin(), [](char a, char b) { return Lower(a) == Lower(b); });
}

bool IsNumberStart(std::string_view word) {
    const std::size_t first = word.front() == '-' ? 1 : 0;
    return first < word.size() && ((word[first] >= '0' && word[first] <= '9') || word[first] == '.');
}

}  // namespace

std::vector<TokenCompletion> CompleteToken(std::string_view word, std::size_t most) {
    if (word.empty() || IsNumberStart(word) || word.find(':') != std::string_view::npos) return {};
    std::vector<const catalogue::Function*> found;
    for (const catalogue::Function& f : catalogue::All()) {
        if (f.Exists() && f.InProgram() && f.digit < 0 && f.id != FunctionId::Point && BeginsWith(f.token, word)) {
            found.push_back(&f);
        }
    }
    if (found.size() == 1 && found.front()->token.size() == word.size() && found.front()->argument == ArgumentKind::None) {
        return {};  // typed whole already
    }
    std::stable_sort(found.begin(), found.end(), [](const catalogue::Function* a, const catalogue::Function* b) {
        return a->token.size() < b->token.size();
    });
    if (found.size() > most) found.resize(most);
    std::vector<TokenCompletion> completions;
    completions.reserve(found.size());
    for (const catalogue::Function* f : found) {
        std::string text(f->token);
        if (f->argument != ArgumentKind::None) text += ':';
        completions.push_back({std::move(text), catalogue::TokenPattern(*f), FunctionHelp(*f)});
    }
    return completions;
}

}  // namespace tabrix
