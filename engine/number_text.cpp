#include "engine/number_text.h"

#include <charconv>
#include <clocale>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace tabrix {

namespace {

std::string ToChars(double x, std::chars_format format, int decimals) {
    // Enough for the longest fixed-point text of a double: 309 integer digits,
    // a sign, the point and up to 9 decimals.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, format, decimals);
    return std::string(buffer, result.ptr);
}

// The C locale as an object, made once: strtod_l reads with it whatever
// locale the process has set.
locale_t CLocale() {
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c_locale;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

std::string FormatFixed(double x, int decimals) { return ToChars(x, std::chars_format::fixed, decimals); }

std::string FormatExponent(double x, int decimals) {
    return ToChars(x, std::chars_format::scientific, decimals);
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
    // strtod_l needs a terminated string, and reads this one whole.
    const std::string number(text.substr(start, end - start));
    return strtod_l(number.c_str(), nullptr, CLocale());
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
