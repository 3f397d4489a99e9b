#include "engine/number_text.h"

#include <cmath>

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "engine/portable_number_text.h"

// The standard library's floating-point <charconv> where it has it (the
// desktop's: fast, and the text every version so far wrote); the portable
// functions where it has not (the web page's), which give the same bytes.
#if defined(__cpp_lib_to_chars)
#define TABRIX_STANDARD_CHARCONV 1
#else
#define TABRIX_STANDARD_CHARCONV 0
#endif

namespace tabrix {

namespace {


bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

std::string ShortText(double value, int digits) {
    if (value == 0 || !std::isfinite(value)) return ExactText(value);
    // Divided by a whole power of ten, which is exact, rather than
    // multiplied by a fraction, which is not.
    const double places = digits - 1 - std::floor(std::log10(std::fabs(value)));
    if (places <= 0) return ExactText(std::round(value / std::pow(10.0, -places)) * std::pow(10.0, -places));
    const double power = std::pow(10.0, places);
    return ExactText(std::round(value * power) / power);
}

std::string ExactText(double value) {
#if TABRIX_STANDARD_CHARCONV
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
#else
    return portable::ExactText(value);
#endif
}

std::optional<double> ReadExactText(std::string_view text) {
#if TABRIX_STANDARD_CHARCONV
    double value = 0;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || ptr != text.data() + text.size()) return std::nullopt;
    return value;
#else
    return portable::ReadExactText(text);
#endif
}

std::string FormatFixed(double x, int decimals) {
#if TABRIX_STANDARD_CHARCONV
    // Enough for the longest fixed-point text of a double: 309 integer digits,
    // a sign, the point and up to 9 decimals.
    char buffer[400];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals).ptr);
#else
    return portable::FormatFixed(x, decimals);
#endif
}

std::string FormatExponent(double x, int decimals) {
    char buffer[kExponentTextSize];
    return std::string(buffer, FormatExponentTo(buffer, x, decimals));
}

char* FormatExponentTo(char* buffer, double x, int decimals) {
#if TABRIX_STANDARD_CHARCONV
    return std::to_chars(buffer, buffer + kExponentTextSize, x, std::chars_format::scientific, decimals).ptr;
#else
    return portable::FormatExponentTo(buffer, kExponentTextSize, x, decimals);
#endif
}

double ParseLeadingDouble(std::string_view text) {
    // The longest leading decimal number: blanks, an optional sign, digits
    // with an optional point, then an optional exponent. Hex numbers, "inf"
    // and "nan", which strtod would also take, are no number here.
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    const std::size_t start = i;
    auto digits = [&] {
        const std::size_t from = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        return i - from;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t mantissaDigits = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0) return 0;
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (digits() > 0) end = i;
    }
    std::string_view number = text.substr(start, end - start);
    if (number.front() == '+') number.remove_prefix(1);
#if TABRIX_STANDARD_CHARCONV
    // from_chars reads the digits exactly as strtod does (both round
    // correctly), without the locale and much faster; beyond the range of
    // doubles it refuses, and the portable reading gives what strtod gives
    // there: an infinity, a denormal or a zero.
    double value = 0;
    const auto [ptr, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc{} && ptr == number.data() + number.size()) return value;
#endif
    return portable::ReadDecimal(number);
}

std::optional<double> ParseShortDecimal(std::string_view sign, std::string_view whole, std::string_view fraction) {
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const bool negative = sign.size() == 1 && sign[0] == '-';
    if (!negative && !sign.empty() && !(sign.size() == 1 && sign[0] == ' ')) return std::nullopt;
    if (whole.size() + fraction.size() > 15 || whole.size() + fraction.size() == 0) return std::nullopt;
    std::int64_t digits = 0;
    const auto add = [&digits](std::string_view part) {
        for (const char c : part) {
            if (c < '0' || c > '9') return false;
            digits = digits * 10 + (c - '0');
        }
        return true;
    };
    if (!add(whole) || !add(fraction)) return std::nullopt;
    const double value = static_cast<double>(digits) / kPowersOfTen[fraction.size()];
    return negative ? -value : value;
}

long long ParseLeadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    constexpr long long kLimit = std::numeric_limits<long long>::max() / 10 - 1;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value < kLimit) value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

}  // namespace tabrix
