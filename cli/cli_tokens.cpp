#include "cli/cli_tokens.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>

#include "engine/key_codes.h"
#include "engine/key_table.h"

namespace tabrix::cli {

namespace {

// The key of each character of a run of digits and points.
std::uint32_t KeyOfEntryChar(char c) {
    return c == '.' ? keys::kPoint : keys::kDigitKeys[c - '0'];
}

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
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

std::vector<CliAction> Press(std::uint32_t code, bool shifted) {
    std::vector<CliAction> actions;
    if (shifted) actions.push_back({CliAction::Kind::Key, keys::kShift});
    actions.push_back({CliAction::Kind::Key, code});
    return actions;
}

}  // namespace

std::optional<std::vector<CliAction>> ParseToken(std::string_view token) {
    if (token.empty()) return std::nullopt;
    const std::string upper = Upper(token);

    if (std::all_of(token.begin(), token.end(), [](char c) { return c == '.' || (c >= '0' && c <= '9'); })) {
        std::vector<CliAction> actions;
        for (char c : token) actions.push_back({CliAction::Kind::Key, KeyOfEntryChar(c)});
        return actions;
    }
    for (const KeyRow& row : KeyTable()) {
        if (!row.plain.token.empty() && upper == row.plain.token) return Press(row.code, false);
        if (!row.shifted.token.empty() && upper == row.shifted.token) return Press(row.code, true);
    }
    if (upper.size() > 1 && upper.front() == '#') {
        if (auto code = ParseKeyCode(std::string_view(upper).substr(1))) return Press(*code, false);
        return std::nullopt;
    }
    if (StartsWith(upper, "VK:")) {
        if (auto code = ParseVirtualKey(std::string_view(upper).substr(3))) {
            return std::vector<CliAction>{{CliAction::Kind::HardwareKey, *code}};
        }
        return std::nullopt;
    }
    using Kind = CliAction::Kind;
    if (upper == "COPY") return std::vector<CliAction>{{Kind::Copy}};
    if (upper == "CUT") return std::vector<CliAction>{{Kind::Cut}};
    if (upper == "PASTE") return std::vector<CliAction>{{Kind::Paste}};
    if (upper == "UNDO") return std::vector<CliAction>{{Kind::Undo}};
    if (upper == "REDO") return std::vector<CliAction>{{Kind::Redo}};
    if (StartsWith(upper, "PASTE:")) {
        // The text keeps its case.
        return std::vector<CliAction>{{Kind::PutText, 0, std::string(token.substr(6))}, {Kind::Paste}};
    }
    if (StartsWith(upper, "STO:") || StartsWith(upper, "RCL:")) {
        const std::string_view n = std::string_view(upper).substr(4);
        if (n.size() != 1 || n[0] < '0' || n[0] > '9') return std::nullopt;
        const auto reg = static_cast<std::uint32_t>(n[0] - '0');
        return std::vector<CliAction>{{upper[0] == 'S' ? Kind::Store : Kind::Recall, reg}};
    }
    return std::nullopt;
}

std::vector<std::string> SplitLine(std::string_view line) {
    auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '#' && (i + 1 == line.size() || blank(line[i + 1]))) {
            line = line.substr(0, i);
            break;
        }
    }
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && blank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !blank(line[i])) ++i;
        if (i > start) words.emplace_back(line.substr(start, i - start));
    }
    return words;
}

std::string TokenHelp() {
    return R"(Tokens (case-insensitive), each pressing keys of the calculator:
  12.5  007  .        digits and points, one key each
  ENTER + - * /       ENTER and the four operations
  CHS EEX F BS SWAP ? change sign, exponent, shift, backspace, x<>y, About
  EXP ALOG SIN COS TAN INV SQRT
                      e^x, 10^x, sine, cosine, tangent, 1/x, square root
  LN LOG ASIN ACOS ATAN POW SQ PI   F then the key: logarithms, inverse
                      trigonometry, y^x, x^2, pi
  FIX SCI ENG         F then 7, 8, 9: the next digit sets the display format
  STO RCL HYP         F then 0, ., ?: the next digit stores or recalls a
                      register; HYP makes SIN COS TAN hyperbolic
  % RDN RUP DEG RAD GRD FACT RAN >P >R >DEG >RAD CLX CLR
                      the other shifted functions
  #N                  key code N (1..30) through key execution
  vk:N  vk:0xNN       a hardware key release with virtual-key code N
  copy cut paste      the Edit commands, on a clipboard private to the run
  paste:TEXT          put TEXT on that clipboard, then paste
  sto:N rcl:N         the STO and RCL menu commands for register N (0..9)
  undo redo           take back the last change (a key, a command) or redo it
Reading standard input, a '#' followed by a blank starts a comment.
)";
}

}  // namespace tabrix::cli
