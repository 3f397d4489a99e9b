#include "engine/portable_number_text.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <system_error>

// Shortest round-trip digits (Dragonbox), correctly rounded text with a
// precision ({fmt}), and correctly rounded reading (fast_float).
#include <dragonbox/dragonbox.h>
#include <fast_float/fast_float.h>
#include <fmt/compile.h>
#include <fmt/format.h>

namespace tabrix::portable {

namespace {

// The text of a number that is not finite, as printf writes it.
const char* NotFiniteText(double x) {
    if (std::isnan(x)) return std::signbit(x) ? "-nan" : "nan";
    return x < 0 ? "-inf" : "inf";
}

}  // namespace

std::string ExactText(double value) {
    if (!std::isfinite(value)) return NotFiniteText(value);
    if (value == 0) return std::signbit(value) ? "-0" : "0";
    // The shortest digits that read back to `value`, then the shorter of
    // the fixed and the scientific text (fixed on a tie), as to_chars does.
    const auto decimal = jkj::dragonbox::to_decimal(value);
    const std::string digits = std::to_string(decimal.significand);
    const int count = static_cast<int>(digits.size());
    const int exponent = decimal.exponent;  // value = digits x 10^exponent
    const std::string sign = decimal.is_negative ? "-" : "";

    std::string fixed = sign;
    if (exponent >= 0) {
        // A whole number as printf's %.0f writes it: every digit of its exact
        // value, which may differ from the shortest digits and zeros.
        fixed += fmt::format(FMT_COMPILE("{:.0f}"), std::fabs(value));
    } else if (count + exponent > 0) {
        fixed += digits.substr(0, static_cast<std::size_t>(count + exponent)) + "." +
                 digits.substr(static_cast<std::size_t>(count + exponent));
    } else {
        fixed += "0." + std::string(static_cast<std::size_t>(-(count + exponent)), '0') + digits;
    }
    const int power = exponent + count - 1;
    std::string scientific = sign + digits.substr(0, 1);
    if (count > 1) scientific += "." + digits.substr(1);
    scientific += fmt::format(FMT_COMPILE("e{}{:02}"), power < 0 ? '-' : '+', power < 0 ? -power : power);
    return scientific.size() < fixed.size() ? scientific : fixed;
}

std::optional<double> ReadExactText(std::string_view text) {
    double value = 0;
    const char* last = text.data() + text.size();
    const fast_float::from_chars_result result = fast_float::from_chars(text.data(), last, value);
    if (text.empty() || result.ec != std::errc{} || result.ptr != last) return std::nullopt;
    // Beyond the range of doubles (an infinity, or a zero its digits are
    // not) is no number, as from_chars has it; "inf" and "nan" are.
    const std::string_view digits = text.front() == '-' ? text.substr(1) : text;
    const bool spelled = !digits.empty() && ((digits.front() | 0x20) == 'i' || (digits.front() | 0x20) == 'n');
    if (std::isinf(value) && !spelled) return std::nullopt;
    if (value == 0) {
        for (const char c : digits) {
            if ((c | 0x20) == 'e') break;
            if (c >= '1' && c <= '9') return std::nullopt;
        }
    }
    return value;
}

std::string FormatFixed(double x, int decimals) {
    if (!std::isfinite(x)) return NotFiniteText(x);
    return fmt::format(FMT_COMPILE("{:.{}f}"), x, decimals);
}

char* FormatExponentTo(char* buffer, std::size_t size, double x, int decimals) {
    if (!std::isfinite(x)) {
        const std::string_view text = NotFiniteText(x);
        return std::copy(text.begin(), text.end(), buffer);
    }
    return fmt::format_to_n(buffer, size, FMT_COMPILE("{:.{}e}"), x, decimals).out;
}

double ReadDecimal(std::string_view number) {
    // Correctly rounded; beyond the range of doubles an infinity, below it a
    // denormal or a zero, as strtod gives.
    double value = 0;
    fast_float::from_chars(number.data(), number.data() + number.size(), value);
    return value;
}

}  // namespace tabrix::portable
