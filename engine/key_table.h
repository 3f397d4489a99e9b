// The keypad as data: for every key code, what the key does without and with
// the F shift. ExecuteKey runs a row; the console takes its words from the
// rows and the tape its names, so a key's whole behaviour reads on one line.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tabrix {

class CTabrixDoc;

// What a function does with a number being typed before it acts.
enum class EntryRule : std::uint8_t {
    Keeps,    // typing can go on afterwards (or the function decides, as ← does)
    Commits,  // the typed number becomes X first
};

// What a function leaves the stack-lift flag at.
enum class LiftRule : std::uint8_t { Untouched, Enables, Disables };

// One function of a key. Besides its names and rules, at most one of digit,
// prefix, unary, binary and act says what it does; a function with none of
// them does nothing but the common ending of every key.
struct KeyFunction {
    std::string_view label = {};  // as printed on or above the key ("SIN⁻¹"); empty for no function
    std::string_view token = {};  // the console's word for it ("ASIN")
    // What it does in words ("arc sine"), in English: the desktop program
    // translates it (context "KeyHelp"), the console shows it in its help.
    // Empty for the digits, which say it themselves.
    std::string_view description = {};
    EntryRule entry = EntryRule::Keeps;
    LiftRule lift = LiftRule::Untouched;
    int digit = -1;                                          // a digit key: OnDigit(digit)
    std::string_view prefix = {};                            // a prefix key: sets this word
    double (*unary)(const CTabrixDoc&, double x) = nullptr;  // X = unary(X)
    double (*binary)(double y, double x) = nullptr;          // X = binary(Y, X), then the stack drops
    void (*act)(CTabrixDoc&) = nullptr;                      // anything else

    bool IsPrefix() const { return !prefix.empty(); }
};

struct KeyRow {
    std::uint32_t code;
    KeyFunction plain;    // without the shift
    KeyFunction shifted;  // after F
};

// The function of key `code` without or with the shift. Codes without a key
// (0, 26 under ENTER, anything beyond 30) have a function that does nothing.
const KeyFunction& KeyFunctionOf(std::uint32_t code, bool shifted);

// The rows of the keys 1 to 30, in code order (26 among them, without functions).
std::span<const KeyRow> KeyTable();

}  // namespace tabrix
