#include "document/function_search.h"

#include <algorithm>

#include "document/function_help.h"
#include "document/notice.h"
#include "document/program.h"
#include "engine/key_table.h"

namespace tabrix {

namespace {

// Letters compared without case: ASCII, and the Latin-1 letters of the
// languages Tabrix speaks (À to Þ, as UTF-8 after 0xC3).
std::string Folded(std::string_view text) {
    std::string folded(text);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        char& c = folded[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        } else if (static_cast<unsigned char>(c) == 0xC3 && i + 1 < folded.size()) {
            auto next = static_cast<unsigned char>(folded[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97) folded[i + 1] = static_cast<char>(next + 0x20);
            ++i;
        }
    }
    return folded;
}

bool StartsWith(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }

// Whether a word of `text` begins with `query`.
bool WordStartsWith(std::string_view text, std::string_view query) {
    for (std::size_t at = 0; at < text.size();) {
        if (StartsWith(text.substr(at), query)) return true;
        const std::size_t blank = text.find_first_of(" ,;:()", at);
        if (blank == std::string_view::npos) break;
        at = blank + 1;
    }
    return false;
}

// How well `query` (folded) matches: 0 the token itself, then the token's
// start, the label's, a word of a description, the token or label anywhere,
// a description anywhere, the family; nothing for no match.
std::optional<int> Score(std::string_view query, const catalogue::Function& f, const std::string& description,
                         const std::string& family) {
    const std::string token = Folded(f.token);
    const std::string label = Folded(f.label);
    const std::string english = Folded(f.description);
    const std::string translated = Folded(description);
    if (token == query) return 0;
    if (StartsWith(token, query)) return 1;
    if (StartsWith(label, query)) return 2;
    if (WordStartsWith(english, query) || WordStartsWith(translated, query)) return 3;
    if (token.find(query) != std::string::npos || label.find(query) != std::string::npos) return 4;
    if (english.find(query) != std::string::npos || translated.find(query) != std::string::npos) return 5;
    const std::string englishFamily = Folded(catalogue::FamilyName(f.family));
    if (StartsWith(englishFamily, query) || StartsWith(Folded(family), query)) return 6;
    return std::nullopt;
}

}  // namespace

bool FunctionSearch::Offered(const catalogue::Function& function) {
    if (function.family == Family::NumberEntry) return function.id == FunctionId::Chs;
    if (function.word == ProgramWord::Solve || function.word == ProgramWord::Integrate) return true;
    return function.Calculates() && function.family != Family::Keypad;
}

void FunctionSearch::SetTranslation(FunctionId id, std::string description, std::string family) {
    const auto index = static_cast<std::size_t>(id);
    if (index < m_translations.size()) m_translations[index] = {std::move(description), std::move(family)};
}

std::vector<FunctionId> FunctionSearch::Find(std::string_view query, const std::vector<FunctionId>& recent) const {
    // "sto+:3" is looked for as "sto+", its register aside.
    const std::size_t colon = query.find(':');
    const std::string folded = Folded(query.substr(0, colon == std::string_view::npos ? query.size() : colon));
    struct Match {
        int score;
        std::size_t recency;
        std::size_t order;
        FunctionId id;
    };
    std::vector<Match> matches;
    for (const catalogue::Function& f : catalogue::All()) {
        if (!Offered(f)) continue;
        const Words& words = m_translations[static_cast<std::size_t>(f.id)];
        const std::optional<int> score = folded.empty() ? 0 : Score(folded, f, words.description, words.family);
        if (!score) continue;
        const auto used = std::find(recent.begin(), recent.end(), f.id);
        matches.push_back({*score, static_cast<std::size_t>(used - recent.begin()), matches.size(), f.id});
    }
    std::stable_sort(matches.begin(), matches.end(), [](const Match& a, const Match& b) {
        return a.score != b.score ? a.score < b.score : a.recency < b.recency;
    });
    std::vector<FunctionId> found;
    found.reserve(matches.size());
    for (const Match& match : matches) found.push_back(match.id);
    return found;
}

std::optional<Action> FunctionSearch::Exact(std::string_view query) {
    const std::size_t colon = query.find(':');
    const bool withArgument = colon != std::string_view::npos && colon > 0;
    const catalogue::Function* f = catalogue::Find(withArgument ? query.substr(0, colon) : query, withArgument);
    if (f == nullptr || !Offered(*f)) return std::nullopt;
    if (f->argument == ArgumentKind::None) return Action::Function(f->id);
    if (f->argument == ArgumentKind::ProgramName) {
        const std::string_view name = query.substr(colon + 1);
        if (!withArgument || !IsProgramName(name)) return std::nullopt;
        return Action::WithText(f->word == ProgramWord::Solve ? Action::Kind::Solve : Action::Kind::Integrate,
                                std::string(name));
    }
    const std::optional<int> n = catalogue::NumberArgument(f->argument, query.substr(colon + 1));
    if (!withArgument || !n) return std::nullopt;
    return Action::Function(f->id, static_cast<std::uint32_t>(*n));
}

std::vector<FunctionId> FunctionSearch::RecentOf(const std::vector<std::string>& tokens) {
    std::vector<FunctionId> recent;
    for (const std::string& token : tokens) {
        const catalogue::Function* f = catalogue::Find(token, false);
        if (f == nullptr) f = catalogue::Find(token, true);  // "sto+", kept without its register
        if (f != nullptr && Offered(*f) && std::find(recent.begin(), recent.end(), f->id) == recent.end()) {
            recent.push_back(f->id);
        }
    }
    return recent;
}

std::vector<std::string> FunctionSearch::TokensOf(const std::vector<FunctionId>& recent) {
    std::vector<std::string> tokens;
    for (const FunctionId id : recent) tokens.emplace_back(catalogue::At(id).token);
    return tokens;
}

std::string FunctionSearch::Row(FunctionId id) {
    const catalogue::Function& f = catalogue::At(id);
    const std::optional<catalogue::FaceKey> key = catalogue::KeyOf(id);
    if (!key) return Marked("Finder", QT_TRANSLATE_NOOP("Finder", "%1   %2"), {FunctionHelp(f), catalogue::TokenPattern(f)});
    const std::string label(KeyFunctionOf(key->code, false).label);
    return Marked("Finder", QT_TRANSLATE_NOOP("Finder", "%1   %2 \u2014 key %3"),
                  {FunctionHelp(f), catalogue::TokenPattern(f), key->shifted ? "F " + label : label});
}

std::string FunctionSearch::Hint(std::size_t matches) {
    return matches == 0 ? Marked("Finder", QT_TRANSLATE_NOOP("Finder", "No function matches.")) : std::string();
}

FunctionSearch::Choice FunctionSearch::Choose(std::string_view typed, FunctionId chosen) {
    if (std::optional<Action> exact = Exact(typed)) return {std::move(exact), {}, {}};
    if (chosen == FunctionId::None) return {};
    const catalogue::Function& f = catalogue::At(chosen);
    if (f.argument == ArgumentKind::ProgramName) {
        // The program's name comes next: "solve:" and the name.
        return {std::nullopt, std::string(f.token) + ':',
                Marked("Finder", QT_TRANSLATE_NOOP("Finder", "%1 takes a program: type its name, then Return."),
                       {std::string(f.label)})};
    }
    if (f.argument == ArgumentKind::WordSize || f.argument == ArgumentKind::Count) {
        return {std::nullopt, std::string(f.token) + ':',
                Marked("Finder", QT_TRANSLATE_NOOP("Finder", "%1 takes a number of bits: type it, 0 to 64, then Return."),
                       {std::string(f.label)})};
    }
    if (f.argument != ArgumentKind::Register) return {Action::Function(chosen), {}, {}};
    // The register comes next: "sto+:" and a digit.
    return {std::nullopt, std::string(f.token) + ':',
            Marked("Finder", QT_TRANSLATE_NOOP("Finder", "%1 takes a register: type its digit, 0 to 9, then Return."),
                   {std::string(f.label)})};
}

FunctionId FunctionSearch::FunctionOf(const Action& action) {
    switch (action.kind) {
        case Action::Kind::Function: return static_cast<FunctionId>(action.code);
        case Action::Kind::Solve: return FunctionId::Solve;
        case Action::Kind::Integrate: return FunctionId::Integrate;
        default: return FunctionId::None;
    }
}

std::vector<FunctionId> FunctionSearch::Used(std::vector<FunctionId> recent, FunctionId used, std::size_t keep) {
    if (used == FunctionId::None) return recent;
    std::erase(recent, used);
    recent.insert(recent.begin(), used);
    if (recent.size() > keep) recent.resize(keep);
    return recent;
}

}  // namespace tabrix
