// Reading a number out of text as a person writes it: "Total: $1,234.50",
// "1.234,50", "1 234,50", "−12", "12,34,567.89", "1.5×10^3", "1.5·10⁻³".
// Used by Paste Number; a pure function of the text and the decimal
// separator of the user's locale, so that it is the same everywhere.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/notice.h"
#include "engine/integer_mode.h"
#include "engine/number_text.h"

namespace tabrix {

struct PastedNumber {
    enum class Outcome {
        Read,           // `value` holds the number written as `match`
        NoNumber,       // the text holds no number
        TwoNumbers,     // `match` and `other` are two numbers, not one notation
        NotANotation,   // `match` looks like a number, but its separators fit no notation ("1,2,3")
        OutOfRange,     // `match` is beyond the range of doubles
        TooSmall,       // `match` is so close to zero that it would read as 0
    };
    Outcome outcome = Outcome::NoNumber;
    double value = 0;
    std::string match;  // the number as it stands in the text
    std::string other;  // TwoNumbers: the second one
    // Read: a single "," or "." before exactly three digits could have been
    // either separator; it was read as the locale reads it. This is that
    // character, and whether it was taken as the decimal separator.
    std::optional<char> decidedByLocale;
    bool decidedAsDecimal = false;
    // Read: the text has more digits than a double holds, and `value` is
    // the nearest number to it ("12345678901234567890" is 12345678901234567168).
    bool rounded = false;
    // Read in integer mode as a word, exactly (`value` is its value).
    std::optional<std::uint64_t> bits;
};

// The number the text holds. Blanks, words and symbols around it are ignored.
// Signs: "-", "+" and "−" (U+2212), also before a currency ("-$5", "-USD 5");
// a negative may be written in parentheses ("(1,234.50)", "($1,234.50)") or
// with a trailing minus ("1234-"). Digits may be grouped in threes (or in the
// Indian 2-digit groups) by ",", ".", "'", "’", a blank, a no-break, narrow
// no-break or thin space; the decimal separator is "." or ",", the last one
// when both occur. Exponents: "e3", "E-03", "×10^3", "x 10^3", "·10⁻³".
// `localeDecimal` ('.' or ',') decides a single separator before exactly
// three digits ("1,234").
PastedNumber ReadPastedNumber(std::string_view text, char localeDecimal);

// A word the text holds whole (blanks around it aside): 0x1F, 0o17 or
// 0b1011 in any mode, and in integer mode the base's bare digits ("FF" in
// HEX, "-5" in DEC). Its bits beyond the word are dropped.
std::optional<std::uint64_t> ReadPastedWord(std::string_view text, const IntegerMode& mode);

// How the reading is told to the user: what was pasted and how the text was
// read, with a second sentence when the locale decided a separator; or why
// nothing was pasted.
Notice PastedNumberSentences(const PastedNumber& reading);

// The sentences in English on one line: "Pasted 1234.5 — read “1.234,50” as
// 1234.5", or why nothing was pasted.
std::string DescribePastedNumber(const PastedNumber& reading);

}  // namespace tabrix
