// Text of doubles and back without <charconv>'s floating-point functions,
// for a standard library that lacks them (the web page's): the same bytes as
// std::to_chars and std::from_chars give, from the header-only libraries
// Dragonbox, {fmt} and fast_float. Where the standard library has them,
// number_text.h uses the standard library's, and the tests hold these to it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tabrix::portable {

// As std::to_chars(value): the shortest text that reads back to `value`.
std::string ExactText(double value);
// As std::from_chars on the whole text; nothing for a text that is not one
// number, or one beyond the range of doubles.
std::optional<double> ReadExactText(std::string_view text);
// As std::to_chars with chars_format::fixed / scientific and a precision.
std::string FormatFixed(double x, int decimals);
char* FormatExponentTo(char* buffer, std::size_t size, double x, int decimals);
// A decimal number (digits, point, exponent, an optional '-'), as strtod
// reads it in the C locale, beyond the range of doubles too.
double ReadDecimal(std::string_view number);

}  // namespace tabrix::portable
