#include "document/number_reading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "document/utf8.h"
#include "engine/number_text.h"

namespace tabrix {

namespace {

bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }
bool IsSign(char32_t c) { return c == '+' || c == '-' || c == U'\u2212'; }
// Blanks that may group digits or surround an exponent's "×".
bool IsBlank(char32_t c) { return c == ' ' || c == U'\u00A0' || c == U'\u2009' || c == U'\u202F'; }
bool IsSeparator(char32_t c) { return c == ',' || c == '.' || c == '\'' || c == U'\u2019' || IsBlank(c); }
// A currency sign ($, €, £, ¥, ₹ ...): the Unicode characters of the
// currency-symbol category.
bool IsCurrencySign(char32_t c) {
    return c == '$' || (c >= U'\u00A2' && c <= U'\u00A5') || (c >= U'\u20A0' && c <= U'\u20C0') ||
           c == U'\u0E3F' || c == U'\u058F' || c == U'\u060B' || c == U'\u09F2' || c == U'\u09F3' ||
           c == U'\u0AF1' || c == U'\u0BF9' || c == U'\u17DB' || c == U'\uFDFC' || c == U'\uFE69' ||
           c == U'\uFF04' || c == U'\uFFE0' || c == U'\uFFE1' || c == U'\uFFE5' || c == U'\uFFE6';
}
bool IsUpper(char32_t c) { return c >= 'A' && c <= 'Z'; }
bool IsLetter(char32_t c) { return IsUpper(c) || (c >= 'a' && c <= 'z'); }
bool IsTimes(char32_t c) { return c == U'\u00D7' || c == 'x' || c == 'X' || c == U'\u00B7' || c == U'\u22C5' || c == '*'; }

// 0..9 for a superscript digit, -1 otherwise.
int SuperscriptDigit(char32_t c) {
    switch (c) {
        case U'\u2070': return 0;
        case U'\u00B9': return 1;
        case U'\u00B2': return 2;
        case U'\u00B3': return 3;
        default: return c >= U'\u2074' && c <= U'\u2079' ? static_cast<int>(c - U'\u2074') + 4 : -1;
    }
}

// A number as it stands: its sign, its digit groups with the separators
// between them, and its exponent ("-3", or empty), as indices into the text.
struct Written {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool negative = false;
    std::optional<std::size_t> opened;  // a "(" in front, waiting for its ")"
    std::vector<std::string> groups;
    std::vector<char32_t> separators;
    std::string exponent;
};

class Scanner {
public:
    explicit Scanner(const std::vector<Utf8Char>& text) : m_text(text) {}

    // The index of the first digit at or after `from`, or the text's size.
    std::size_t NextDigit(std::size_t from) const {
        while (from < m_text.size() && !IsDigit(m_text[from].c)) ++from;
        return from;
    }

    // The number whose first digit is at `digit`, with a point or a sign
    // right in front of it taken in.
    Written ReadNumber(std::size_t digit) const {
        Written number;
        std::size_t i = digit;
        if (i > 0 && At(i - 1) == '.' && (i < 2 || !IsDigit(At(i - 2)))) {
            number.groups.emplace_back();  // ".5": an empty whole part
            number.separators.push_back('.');
            --i;
        }
        if (i > 0 && IsSign(At(i - 1))) {
            number.negative = At(--i) != '+';
        } else if (const std::size_t k = CurrencyBefore(i); k < i && k > 0 && IsSign(At(k - 1)) && At(k - 1) != '+') {
            // A sign before a currency belongs to the number: "-$5", "−£12.50", "-USD 5".
            number.negative = true;
            i = k - 1;
        } else if (k > 0 && At(k - 1) == '(') {
            // An accounting negative, "(1,234.50)" or "($1,234.50)", once its ")" is found.
            number.opened = k - 1;
        }
        number.begin = i;
        i = digit;
        number.groups.push_back(Digits(i));
        while (i + 1 < m_text.size() && IsSeparator(At(i)) && IsDigit(At(i + 1))) {
            // A blank groups digits only before exactly three: "3 4" is two numbers.
            if (IsBlank(At(i)) && DigitsFrom(i + 1) != 3) break;
            number.separators.push_back(At(i++));
            number.groups.push_back(Digits(i));
        }
        number.end = i;
        if (auto exponentEnd = ReadExponent(i, number.exponent)) number.end = *exponentEnd;
        if (number.opened) {
            const std::size_t close = CurrencyAfter(number.end);
            if (At(close) == ')') {
                number.negative = true;
                number.begin = *number.opened;
                number.end = close + 1;
            }
        } else if (!number.negative && (At(number.end) == '-' || At(number.end) == U'\u2212') &&
                   !IsDigit(At(number.end + 1)) && At(number.end + 1) != '.') {
            // A trailing minus, as ledgers write it: "1234-", "1.234,50-".
            number.negative = true;
            ++number.end;
        }
        return number;
    }

    std::string Text(std::size_t begin, std::size_t end, std::string_view bytes) const {
        if (begin >= end) return {};
        return std::string(bytes.substr(m_text[begin].begin, m_text[end - 1].end - m_text[begin].begin));
    }

private:
    char32_t At(std::size_t i) const { return i < m_text.size() ? m_text[i].c : U'\0'; }

    // Where a currency that ends right before `i` begins (a sign such as "$",
    // or a three-letter code such as "USD" with blanks after it), or `i`
    // when none stands there.
    std::size_t CurrencyBefore(std::size_t i) const {
        std::size_t k = i;
        while (k > 0 && IsBlank(At(k - 1))) --k;
        if (k > 0 && IsCurrencySign(At(k - 1))) return k - 1;
        if (k >= 3 && IsUpper(At(k - 1)) && IsUpper(At(k - 2)) && IsUpper(At(k - 3)) && (k == 3 || !IsLetter(At(k - 4)))) {
            return k - 3;
        }
        return i;
    }

    // Past a currency that follows `i` ("1.234,50 €", "1,234.50 USD"), or `i`.
    std::size_t CurrencyAfter(std::size_t i) const {
        std::size_t k = i;
        while (IsBlank(At(k))) ++k;
        if (IsCurrencySign(At(k))) return k + 1;
        if (IsUpper(At(k)) && IsUpper(At(k + 1)) && IsUpper(At(k + 2)) && !IsLetter(At(k + 3))) return k + 3;
        return i;
    }

    std::size_t DigitsFrom(std::size_t i) const {
        const std::size_t first = i;
        while (IsDigit(At(i))) ++i;
        return i - first;
    }

    std::string Digits(std::size_t& i) const {
        std::string digits;
        while (IsDigit(At(i))) digits += static_cast<char>(At(i++));
        return digits;
    }

    // "e3", "E-03", "×10^3", "x 10^-3", "·10⁻³": the exponent's digits with
    // its sign into `exponent`, and where it ends; nothing when none follows.
    std::optional<std::size_t> ReadExponent(std::size_t i, std::string& exponent) const {
        if (At(i) == 'e' || At(i) == 'E') {
            std::size_t k = i + 1;
            if (auto end = SignAndDigits(k, exponent)) return end;
        }
        std::size_t k = i;
        while (IsBlank(At(k))) ++k;
        if (!IsTimes(At(k++))) return std::nullopt;
        while (IsBlank(At(k))) ++k;
        if (At(k) != '1' || At(k + 1) != '0') return std::nullopt;
        k += 2;
        if (At(k) == '^') {
            ++k;
            return SignAndDigits(k, exponent);
        }
        std::string raised = At(k) == U'\u207B' ? "-" : "";
        if (At(k) == U'\u207B' || At(k) == U'\u207A') ++k;
        const std::size_t first = k;
        while (SuperscriptDigit(At(k)) >= 0) raised += static_cast<char>('0' + SuperscriptDigit(At(k++)));
        if (k == first) return std::nullopt;
        exponent = raised;
        return k;
    }

    std::optional<std::size_t> SignAndDigits(std::size_t k, std::string& exponent) const {
        std::string digits = IsSign(At(k)) && At(k) != '+' ? "-" : "";
        if (IsSign(At(k))) ++k;
        const std::size_t first = k;
        while (IsDigit(At(k))) digits += static_cast<char>(At(k++));
        if (k == first) return std::nullopt;
        exponent = digits;
        return k;
    }

    const std::vector<Utf8Char>& m_text;
};

// Digit groups in threes after a first group of one to three digits, or in
// the Indian way: a first group of one or two, then twos, then a last three.
bool IsGrouped(const std::vector<std::string>& groups) {
    if (groups.size() < 2) return true;
    const std::size_t first = groups.front().size();
    const bool westernTail = std::all_of(groups.begin() + 1, groups.end(), [](const auto& g) { return g.size() == 3; });
    if (first >= 1 && first <= 3 && westernTail) return true;
    const bool indianMiddle =
        std::all_of(groups.begin() + 1, groups.end() - 1, [](const auto& g) { return g.size() == 2; });
    return first >= 1 && first <= 2 && indianMiddle && groups.back().size() == 3;
}

// Which separator is the decimal one: its index, -1 for none, or nothing
// when the separators fit no notation.
std::optional<int> DecimalSeparator(const Written& n, char localeDecimal, PastedNumber& reading) {
    const auto& s = n.separators;
    const auto isPointOrComma = [](char32_t c) { return c == '.' || c == ','; };
    const auto last = std::find_if(s.rbegin(), s.rend(), isPointOrComma);
    if (last == s.rend()) return -1;
    const int index = static_cast<int>(s.rend() - last) - 1;
    const char32_t mark = s[static_cast<std::size_t>(index)];
    const auto count = std::count(s.begin(), s.end(), mark);
    const bool both = std::find_if(s.begin(), s.end(), [&](char32_t c) { return isPointOrComma(c) && c != mark; }) != s.end();
    const bool lastSeparator = index + 1 == static_cast<int>(s.size());
    if (both) return count == 1 && lastSeparator ? std::optional<int>(index) : std::nullopt;
    if (count > 1 || !lastSeparator) return -1;  // "1,234,567": grouping
    // One "," or ".": before exactly three digits it could be either, unless
    // nothing or a lone 0 stands before it.
    const std::string& before = n.groups[static_cast<std::size_t>(index)];
    const bool couldGroup = n.groups.back().size() == 3 && !before.empty() && before != "0";
    if (!couldGroup) return index;
    reading.decidedByLocale = static_cast<char>(mark);
    reading.decidedAsDecimal = static_cast<char>(mark) == localeDecimal;
    return reading.decidedAsDecimal ? std::optional<int>(index) : -1;
}

// The number in C notation ("-1234.5e3"), or nothing when it fits no notation.
std::optional<std::string> Canonical(const Written& n, char localeDecimal, PastedNumber& reading) {
    const std::optional<int> decimal = DecimalSeparator(n, localeDecimal, reading);
    if (!decimal) return std::nullopt;
    const std::size_t wholeGroups = *decimal < 0 ? n.groups.size() : static_cast<std::size_t>(*decimal) + 1;
    const std::vector<std::string> whole(n.groups.begin(), n.groups.begin() + static_cast<std::ptrdiff_t>(wholeGroups));
    // Every grouping separator the same character, and the groups as one notation has them.
    const auto grouping = n.separators.begin();
    const auto groupingEnd = grouping + static_cast<std::ptrdiff_t>(wholeGroups - 1);
    if (std::adjacent_find(grouping, groupingEnd, std::not_equal_to<>()) != groupingEnd) return std::nullopt;
    if (!IsGrouped(whole)) return std::nullopt;
    std::string text = n.negative ? "-" : "";
    for (const std::string& group : whole) text += group;
    if (text.empty() || text == "-") text += '0';
    if (*decimal >= 0) text += "." + n.groups.back();
    if (!n.exponent.empty()) text += "e" + n.exponent;
    return text;
}

// A number in C notation as its significant digits and the power of ten of
// the first of them: "-1234.5e3" is {"-", "12345", 6}.
struct Decimal {
    bool negative = false;
    std::string digits;
    long long power = 0;
    friend bool operator==(const Decimal&, const Decimal&) = default;
};

Decimal DecimalOf(std::string_view text) {
    Decimal d;
    d.negative = !text.empty() && text.front() == '-';
    const std::size_t e = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, e);
    long long power = e == std::string_view::npos ? 0 : ParseLeadingInteger(text.substr(e + 1));
    bool point = false;
    for (const char c : mantissa) {
        if (c == '.') {
            point = true;
        } else if (c >= '0' && c <= '9') {
            if (d.digits.empty() && c == '0') {
                if (point) --power;  // a leading zero after the point
                continue;
            }
            d.digits += c;
            if (!point) ++power;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    d.power = d.digits.empty() ? 0 : power;
    return d;
}

// Whether two texts in C notation write the same number, digit for digit.
bool SameDecimal(std::string_view a, std::string_view b) { return DecimalOf(a) == DecimalOf(b); }

bool HasNonZeroDigit(const std::string& text) {
    const auto exponent = text.find('e');
    return text.substr(0, exponent).find_first_of("123456789") != std::string::npos;
}

}  // namespace

PastedNumber ReadPastedNumber(std::string_view text, char localeDecimal) {
    PastedNumber reading;
    const std::vector<Utf8Char> points = DecodeUtf8(text);
    const Scanner scanner(points);
    const std::size_t first = scanner.NextDigit(0);
    if (first == points.size()) return reading;  // NoNumber
    const Written number = scanner.ReadNumber(first);
    reading.match = scanner.Text(number.begin, number.end, text);
    if (const std::size_t second = scanner.NextDigit(number.end); second < points.size()) {
        const Written other = scanner.ReadNumber(second);
        reading.outcome = PastedNumber::Outcome::TwoNumbers;
        reading.other = scanner.Text(other.begin, other.end, text);
        return reading;
    }
    const std::optional<std::string> canonical = Canonical(number, localeDecimal, reading);
    if (!canonical) {
        reading.outcome = PastedNumber::Outcome::NotANotation;
        return reading;
    }
    reading.value = ParseLeadingDouble(*canonical);
    if (std::isinf(reading.value)) {
        reading.outcome = PastedNumber::Outcome::OutOfRange;
    } else if (reading.value == 0 && HasNonZeroDigit(*canonical)) {
        reading.outcome = PastedNumber::Outcome::TooSmall;
    } else {
        reading.outcome = PastedNumber::Outcome::Read;
        reading.rounded = !SameDecimal(*canonical, ExactText(reading.value));
    }
    return reading;
}

// The translators' context of the sentences below.
constexpr const char* kContext = "PastedNumber";

Notice PastedNumberSentences(const PastedNumber& reading) {
    using Outcome = PastedNumber::Outcome;
    switch (reading.outcome) {
        case Outcome::Read: {
            Notice sentences = {{kContext, QT_TRANSLATE_NOOP("PastedNumber", "Pasted %1 \u2014 read \u201C%2\u201D as %1"),
                                                     {ExactText(reading.value), reading.match}}};
            if (reading.rounded) {
                sentences.push_back({kContext,
                                     QT_TRANSLATE_NOOP("PastedNumber",
                                                       "(rounded to the nearest number the calculator holds)"),
                                     {}});
            }
            if (reading.decidedByLocale) {
                sentences.push_back(
                    {kContext, reading.decidedAsDecimal
                         ? QT_TRANSLATE_NOOP("PastedNumber", "(\u201C%1\u201D is the decimal separator in your locale)")
                         : QT_TRANSLATE_NOOP("PastedNumber", "(\u201C%1\u201D groups digits in your locale)"),
                     {std::string(1, *reading.decidedByLocale)}});
            }
            return sentences;
        }
        case Outcome::NoNumber:
            return {{kContext, QT_TRANSLATE_NOOP("PastedNumber", "Nothing pasted: the clipboard text holds no number"), {}}};
        case Outcome::TwoNumbers:
            return {{kContext, QT_TRANSLATE_NOOP("PastedNumber", "Nothing pasted: \u201C%1\u201D and \u201C%2\u201D are two numbers"),
                     {reading.match, reading.other}}};
        case Outcome::NotANotation:
            return {{kContext, QT_TRANSLATE_NOOP("PastedNumber", "Nothing pasted: \u201C%1\u201D is not a way of writing a number"),
                     {reading.match}}};
        case Outcome::OutOfRange:
            return {{kContext, QT_TRANSLATE_NOOP("PastedNumber", "Nothing pasted: \u201C%1\u201D is beyond the range of numbers"),
                     {reading.match}}};
        case Outcome::TooSmall:
            return {{kContext,
                     QT_TRANSLATE_NOOP("PastedNumber", "Nothing pasted: \u201C%1\u201D is too small: it would be 0"),
                     {reading.match}}};
    }
    return {};
}

std::string DescribePastedNumber(const PastedNumber& reading) { return NoticeText(PastedNumberSentences(reading)); }

std::optional<std::uint64_t> ReadPastedWord(std::string_view text, const IntegerMode& mode) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\n' || text.front() == '\r')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\n' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    const WordFormat format = mode.Format();
    if (const std::optional<word::Literal> literal = word::ParseLiteral(text)) return literal->bits & format.Mask();
    if (!mode.On()) return std::nullopt;
    const bool negative = mode.base == 10 && !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    const std::optional<std::uint64_t> digits = word::ParseDigits(text, mode.base);
    if (!digits) return std::nullopt;
    if (mode.base != 10) return *digits & format.Mask();
    // A decimal beyond the word is left to the number reading, which saturates it.
    const WideInt value = negative ? -static_cast<WideInt>(*digits) : static_cast<WideInt>(*digits);
    if (!format.Fits(value)) return std::nullopt;
    return word::Wrap(value, format).word;
}

}  // namespace tabrix
