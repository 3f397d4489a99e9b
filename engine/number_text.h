// Conversions between doubles and text that never depend on the C library's
// locale: the desktop program sets the locale from the environment, and the
// calculator must still write and read "1.5", never "1,5".
#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace tabrix {

// The bits of a double and back (std::bit_cast, which not every standard
// library has yet).
inline std::uint64_t BitsOf(double x) {
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}
inline double FromBits(std::uint64_t bits) {
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}
// Equal to the bit: a NaN equals its own copy, -0 differs from +0.
inline bool SameBits(double a, double b) { return BitsOf(a) == BitsOf(b); }

// The shortest text that reads back to the same double, in C notation
// ("3.141592653589793", "0.1", "1e-300", "-0", "inf", "nan"): what Copy
// Exact puts on the clipboard and what the console and the tape write.
std::string ExactText(double value);
// x to `digits` significant digits, in ExactText's notation ("2.2e-08",
// "1.9", "20.7"): an estimate or a plot's scale as a person reads it.
std::string ShortText(double value, int digits);
// A whole text as ExactText writes it back to its double; nothing for any
// other text.
std::optional<double> ReadExactText(std::string_view text);

// x with `decimals` digits after the point, as printf's "%.Nf" writes it in the
// C locale ("-0.00" for a negative value that rounds to zero, "nan", "inf").
// decimals must be 0..9.
std::string FormatFixed(double x, int decimals);

// x in exponent notation with `decimals` digits after the point, as printf's
// "%.Ne" writes it in the C locale ("1.234560e+02", "1e+100" for 0 digits).
// decimals must be 0..9.
std::string FormatExponent(double x, int decimals);

// The same written into `buffer` (room for kExponentTextSize characters),
// without allocating; returns the end of the text.
inline constexpr std::size_t kExponentTextSize = 32;
char* FormatExponentTo(char* buffer, double x, int decimals);

// The decimal number at the start of `text`, read as strtod reads it in the C
// locale: leading white space skipped, an optional sign, digits with an
// optional point and exponent; the rest ignored. 0 when the text starts with
// no decimal number (hex, "inf" and "nan" included); an infinity when it is
// too large.
double ParseLeadingDouble(std::string_view text);

// sign, whole digits, ".", fraction digits as ParseLeadingDouble reads them,
// when the sign is " ", "" or "-" and there are 15 digits at most: then the
// digits as a whole number and the power of ten are exact doubles, and the
// one division rounds as correctly as reading the text. Nothing otherwise.
std::optional<double> ParseShortDecimal(std::string_view sign, std::string_view whole, std::string_view fraction);

// The integer at the start of `text` in base 10, as atoi reads it: leading
// white space skipped, optional sign, digits; 0 when there are none. Saturates
// instead of overflowing.
long long ParseLeadingInteger(std::string_view text);

}  // namespace tabrix
