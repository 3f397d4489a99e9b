#include "engine/number_text.h"

#include <charconv>
#include <clocale>
#include <cstdint>
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

std::string ExactText(double value) {
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

std::optional<double> ReadExactText(std::string_view text) {
    double value = 0;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string FormatFixed(double x, int decimals) { return ToChars(x, std::chars_format::fixed, decimals); }

std::string FormatExponent(double x, int decimals) {
    char buffer[kExponentTextSize];
    return std::string(buffer, FormatExponentTo(buffer, x, decimals));
}

char* FormatExponentTo(char* buffer, double x, int decimals) {
    return std::to_chars(buffer, buffer + kExponentTextSize, x, std::chars_format::scientific, decimals).ptr;
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
    // from_chars reads the digits exactly as strtod does (both round
    // correctly), without the locale and much faster; it takes no '+', and
    // leaves numbers beyond the double range to strtod_l, which gives them
    // their infinities, denormals and zeros.
    std::string_view number = text.substr(start, end - start);
    if (number.front() == '+') number.remove_prefix(1);
    double value = 0;
    const auto [ptr, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc{} && ptr == number.data() + number.size()) return value;
    const std::string terminated(number);
    return strtod_l(terminated.c_str(), nullptr, CLocale());
}

std::optional<double> ParseShortDecimal(std::string_view sign, std::string_view whole, std::string_view fraction) {
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const bool negative = sign == "-";
    if (!negative && sign != " " && !sign.empty()) return std::nullopt;
    if (whole.size() + fraction.size() > 15 || whole.size() + fraction.size() == 0) return std::nullopt;
    std::int64_t digits = 0;
    for (std::string_view part : {whole, fraction}) {
        for (char c : part) {
            if (c < '0' || c > '9') return std::nullopt;
            digits = digits * 10 + (c - '0');
        }
    }
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
