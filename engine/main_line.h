// The main LCD line: a row of character cells with the decimal point drawn
// between two of them, never in a cell of its own. UpdateDisplay builds it
// into m_strDisplay and m_nPointPos; the desktop view, the console, the
// spoken text and the state-file load read it through these functions, so
// that they all put the point in the same place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/calculator_state.h"

namespace tabrix {

// Cells of the main line: the longest text it shows (FIX 0 of an 11-digit
// number, or a SCI text with a three-digit exponent) fills them all.
inline constexpr std::size_t kMainLineCells = 12;

// A SCI or ENG number text: a mantissa field of this many characters (sign
// column, digits and point, blank padding), the exponent's sign column and
// its digits.
inline constexpr std::size_t kMantissaField = 9;

// While an exponent is typed the main line shows the sign column and the
// first seven typed digits, then the exponent.
inline constexpr std::size_t kShownEntryCells = 8;

// The cell whose character the point follows, or -1 when none is drawn: no
// point, a position outside the text, or a point that belongs after a typed
// digit the exponent hides (it would land among the exponent cells).
int PointCellOf(const CalculatorState& state);

// The main line as a person reads it: its cells with the point put in where
// the LCD draws it (" 1.500000 01").
std::string MainLineAsRead(const CalculatorState& state);
// The error the main line shows ("ERROR: NaN", "ERROR: Inf", "ERROR: OVR"),
// or empty when it shows a number.
std::string_view ShownError(const CalculatorState& state);
// The same appended to `out` (the tape's lines, without a string of their own).
void AppendMainLineAsRead(std::string& out, const CalculatorState& state);

// The LCD's format place: "SCI.6" (a digit count no key sets shows "?"),
// or in integer mode the sign mode and word size with the carry and
// overflow annunciators: "2s64", "u8 CG".
std::string FormatIndicator(const CalculatorState& state);

// Where number entry puts the point: right after the sign column and the
// typed mantissa digits once the point key has been pressed, none before.
std::int32_t EntryPointPos(const CalculatorState& state);

// A number text of FormatNumber taken apart. SCI and ENG texts have an
// exponent (its sign column ' ' or '-' and its digits); FIX texts, the "0" of
// an unknown format and the texts of NaN and infinities have none.
struct NumberTextParts {
    std::string_view mantissa = {};  // with its point, its sign column and any padding
    bool hasExponent = false;
    char exponentSign = ' ';
    std::string_view exponentDigits = {};
};
NumberTextParts SplitNumberText(std::string_view text);

}  // namespace tabrix
