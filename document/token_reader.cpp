#include "document/token_reader.h"

#include "engine/integer_word.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <unordered_map>

#include "document/command_tokens.h"
#include "document/program.h"
#include "document/state_file.h"
#include "engine/function_catalogue.h"
#include "engine/integer_word.h"
#include "engine/key_codes.h"

namespace tabrix {

namespace {

// The key of each character of a run of digits and points.
std::uint32_t KeyOfEntryChar(char c) {
    return c == '.' ? keys::kPoint : keys::kDigitKeys[c - '0'];
}

// Tokens are case-insensitive in ASCII, whatever the user's locale.
std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// A whole-text integer in [min, max], or nothing.
template <typename T>
std::optional<T> ParseWhole(std::string_view text, int base = 10) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// "#N": any integer that a 32-bit key code can hold, negative ones as their
// two's complement, so "#-1" reaches ExecuteKey as 4294967295.
std::optional<std::uint32_t> ParseKeyCode(std::string_view digits) {
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    const auto value = ParseWhole<long long>(digits);
    if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
        *value > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*value);
}

// "vk:N": decimal, or hexadecimal after 0x.
std::optional<std::uint32_t> ParseVirtualKey(std::string_view text) {
    if (StartsWith(text, "0X")) return ParseWhole<std::uint32_t>(text.substr(2), 16);
    return ParseWhole<std::uint32_t>(text);
}

using Kind = Action::Kind;

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A number as people write it in a terminal ("12.5", "-5", "1.5e3",
// "2e-3"): the keys a person would press for it. The mantissa's digits and
// point, CHS for a minus (before EEX, where it still changes the mantissa),
// then EEX, the exponent's digits and CHS for its minus. What the keys cannot
// hold (more than two exponent digits) behaves as the keys do.
bool ParseNumberToken(std::string_view token, std::vector<std::uint32_t>& codes) {
    std::string_view mantissa = token;
    std::string_view exponent;
    const std::size_t e = token.find_first_of("eE");
    if (e != std::string_view::npos) {
        mantissa = token.substr(0, e);
        exponent = token.substr(e + 1);
    }
    const bool negative = !mantissa.empty() && mantissa.front() == '-';
    if (!mantissa.empty() && (mantissa.front() == '-' || mantissa.front() == '+')) mantissa.remove_prefix(1);
    const std::size_t point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? "" : mantissa.substr(point + 1);
    if (!AllDigits(whole) || !AllDigits(fraction) || whole.size() + fraction.size() == 0) return false;
    const bool negativeExponent = !exponent.empty() && exponent.front() == '-';
    if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')) exponent.remove_prefix(1);
    if (e != std::string_view::npos && (exponent.empty() || !AllDigits(exponent))) return false;

    for (char c : mantissa) codes.push_back(KeyOfEntryChar(c));
    if (negative) codes.push_back(keys::kChs);
    if (e == std::string_view::npos) return true;
    codes.push_back(keys::kEex);
    for (char c : exponent) codes.push_back(KeyOfEntryChar(c));
    if (negativeExponent) codes.push_back(keys::kChs);
    return true;
}

// The menu commands and prefixed tokens ("paste:TEXT", "sto:N", "vk:N").
// A menu command by its word alone ("copy"), or with a text after a colon
// ("paste:TEXT", quoted or as it stands, keeping its case): whether it was
// read, or nothing for a token that names no menu command.
std::optional<bool> ParseMenuCommand(std::string_view token, const std::string& upper, std::vector<Action>& actions) {
    static const std::pair<std::string_view, Kind> kCommands[] = {
        {tokens::kCopy, Kind::Copy},   {tokens::kCut, Kind::Cut},     {tokens::kPaste, Kind::Paste},
        {tokens::kUndo, Kind::Undo},   {tokens::kRedo, Kind::Redo},   {tokens::kCopyExact, Kind::CopyExact},
        {tokens::kReset, Kind::Reset}, {tokens::kLoad, Kind::Load},   {tokens::kPasteNumber, Kind::PasteNumber},
        {tokens::kPasteData, Kind::PasteData},
    };
    for (const auto& [word, kind] : kCommands) {
        const std::string name = Upper(word);
        if (upper == name && kind != Kind::Load) {
            actions.push_back(Action::Command(kind));
            return true;
        }
        if (upper.size() <= name.size() || !StartsWith(upper, name) || upper[name.size()] != ':') continue;
        const std::optional<std::string> text = tokens::Unquoted(token.substr(name.size() + 1));
        if (!text) return false;
        if (kind == Kind::Load) {
            if (text->empty()) return false;
            actions.push_back(Action::WithText(Kind::Load, *text));
            return true;
        }
        if (kind != Kind::Paste && kind != Kind::PasteNumber && kind != Kind::PasteData) return false;  // the others take no text
        actions.push_back(Action::WithText(Kind::PutText, *text));
        actions.push_back(Action::Command(kind));
        return true;
    }
    return std::nullopt;
}

bool ParseCommand(std::string_view token, const std::string& upper, std::vector<Action>& actions) {
    if (StartsWith(upper, "VK:")) {
        const auto code = ParseVirtualKey(std::string_view(upper).substr(3));
        if (code) actions.push_back(Action::KeyRelease(*code));
        return code.has_value();
    }
    if (const std::optional<bool> read = ParseMenuCommand(token, upper, actions)) return *read;
    if (StartsWith(upper, Upper(tokens::kDraw) + ":")) {
        const auto number = ParseWhole<std::uint32_t>(std::string_view(upper).substr(tokens::kDraw.size() + 1));
        if (number) actions.push_back(Action::Draw(*number));
        return number.has_value();
    }
    if (StartsWith(upper, Upper(tokens::kState) + ":")) {
        const std::string_view snapshot = token.substr(tokens::kState.size() + 1);
        if (!ReadSnapshotText(snapshot)) return false;
        actions.push_back(Action::WithText(Kind::SetState, std::string(snapshot)));
        return true;
    }
    if (upper == Upper(tokens::kEmptyClipboard)) {
        actions.push_back(Action::Command(Kind::EmptyClipboard));
        return true;
    }
    if (StartsWith(upper, Upper(tokens::kClipboard) + ":")) {
        const std::optional<std::string> text = tokens::Unquoted(token.substr(tokens::kClipboard.size() + 1));
        if (!text) return false;
        actions.push_back(Action::WithText(Kind::PutText, *text));
        return true;
    }
    if (StartsWith(upper, "STO:") || StartsWith(upper, "RCL:")) {
        const std::string_view n = std::string_view(upper).substr(4);
        if (n.size() != 1 || n[0] < '0' || n[0] > '9') return false;
        actions.push_back(Action::Register(upper[0] == 'S' ? Kind::Store : Kind::Recall, n[0] - '0'));
        return true;
    }
    return false;
}

// A function of the catalogue no key gives; run:, gsb:, sst: and cont as the
// session's commands. The programs' other words are no token here (a
// program's compiler reads them).
bool ParseFunction(std::string_view token, std::vector<Action>& actions) {
    const std::size_t colon = token.find(':');
    const bool withArgument = colon != std::string_view::npos && colon > 0;
    const std::string_view word = withArgument ? token.substr(0, colon) : token;
    const std::string_view argument = withArgument ? token.substr(colon + 1) : std::string_view();
    const catalogue::Function* function = catalogue::Find(word, withArgument);
    if (function == nullptr || !function->AtTopLevel()) return false;
    switch (function->word) {
        case ProgramWord::Call:
        case ProgramWord::Step: {
            const Kind kind = function->word == ProgramWord::Call ? Kind::Run : Kind::Step;
            if (!withArgument) {
                actions.push_back(Action::Command(kind));
                return true;
            }
            // The name keeps its case, as it is shown.
            if (!IsProgramName(argument)) return false;
            actions.push_back(Action::WithText(kind, std::string(argument)));
            return true;
        }
        case ProgramWord::Continue: actions.push_back(Action::Command(Kind::Continue)); return true;
        case ProgramWord::Solve:
        case ProgramWord::Integrate:
            if (!withArgument || !IsProgramName(argument)) return false;
            actions.push_back(
                Action::WithText(function->word == ProgramWord::Solve ? Kind::Solve : Kind::Integrate, std::string(argument)));
            return true;
        default: break;
    }
    if (function->argument == ArgumentKind::Register || function->argument == ArgumentKind::WordSize ||
        function->argument == ArgumentKind::Count) {
        const std::optional<int> n = catalogue::NumberArgument(function->argument, argument);
        if (!n) return false;
        actions.push_back(Action::Function(function->id, static_cast<std::uint32_t>(*n)));
        return true;
    }
    if (catalogue::KeyOf(function->id)) return false;  // its keys: ParseKeys
    actions.push_back(Action::Function(function->id));
    return true;
}

}  // namespace

bool ParseKeys(std::string_view token, std::vector<std::uint32_t>& codes) {
    if (token.empty()) return false;
    const char first = token.front();
    const bool numeric = first == '.' || (first >= '0' && first <= '9');
    // A run of digits and points presses one key per character ("12.5", "0.1.2").
    if (numeric &&
        std::all_of(token.begin(), token.end(), [](char c) { return c == '.' || (c >= '0' && c <= '9'); })) {
        for (char c : token) codes.push_back(KeyOfEntryChar(c));
        return true;
    }
    if ((numeric || ((first == '-' || first == '+') && token.size() > 1)) && ParseNumberToken(token, codes)) return true;
    // "#N": a key code as it is.
    if (token.size() > 1 && token.front() == '#') {
        const auto code = ParseKeyCode(token.substr(1));
        if (code) codes.push_back(*code);
        return code.has_value();
    }
    // A function a key gives: that key, after F for a shifted one.
    const catalogue::Function* function = catalogue::Find(token, false);
    if (function == nullptr || !function->Calculates()) return false;
    const auto key = catalogue::KeyOf(function->id);
    if (!key) return false;
    if (key->shifted) codes.push_back(keys::kShift);
    codes.push_back(key->code);
    return true;
}

bool ParseToken(std::string_view token, std::vector<Action>& actions) {
    if (const std::optional<word::Literal> literal = word::ParseLiteral(token)) {
        actions.push_back(Action::Literal(literal->bits, std::string(token)));
        return true;
    }
    static thread_local std::vector<std::uint32_t> codes;
    codes.clear();
    if (ParseKeys(token, codes)) {
        for (const std::uint32_t code : codes) actions.push_back(Action::Key(code));
        return true;
    }
    if (token.empty()) return false;
    if (ParseFunction(token, actions)) return true;
    return ParseCommand(token, Upper(token), actions);
}

std::string BadTokenText(std::string_view token) {
    if (IsProgramOnlyToken(token)) {
        return "'" + std::string(token) + "' stands only in a program (def:NAME ... end)";
    }
    return "bad token '" + std::string(token) + "'";
}

std::optional<std::vector<Action>> ParseToken(std::string_view token) {
    std::vector<Action> actions;
    if (!ParseToken(token, actions)) return std::nullopt;
    return actions;
}

namespace detail {

std::size_t WordEnd(std::string_view line, std::size_t start) {
    bool quoted = false;
    for (std::size_t i = start; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '\\') {
                ++i;  // the escaped character, a quote too
            } else if (c == '"') {
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (IsBlank(c) || IsCommentStart(line, i)) {
            return i;
        }
    }
    return line.size();
}

}  // namespace detail

std::vector<std::string_view> SplitLine(std::string_view line) {
    std::vector<std::string_view> words;
    ForEachWord(line, [&](std::string_view word) {
        words.push_back(word);
        return true;
    });
    return words;
}

}  // namespace tabrix
