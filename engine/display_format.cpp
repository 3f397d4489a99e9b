// Number text in FIX, SCI and ENG, and the refresh of the main LCD line that
// also keeps X inside the calculator's range.
#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

#include "engine/calculator_state.h"
#include "engine/main_line.h"
#include "engine/math_constants.h"
#include "engine/mode_words.h"
#include "engine/number_text.h"

namespace tabrix {

namespace {

constexpr std::size_t kMaxFixText = 12;
constexpr int kMaxSciDecimals = 6;

// A NaN or an infinity (possible in Y, Z, T and the registers) gets a short
// text instead of being cut apart like a number's.
std::string NonFiniteText(double x) {
    if (std::isnan(x)) return " NaN";
    return x < 0 ? "-Inf" : " Inf";
}

std::string WithSignColumn(std::string text) {
    if (text.empty() || text.front() != '-') text.insert(text.begin(), ' ');
    return text;
}

}  // namespace

int CTabrixDoc::DisplayDigits() const { return std::clamp(m_nDigits, 0, 9); }

std::string CTabrixDoc::FormatNumber(double x) const {
    const bool sci = m_strFormat == words::kSci;
    const bool fix = m_strFormat == words::kFix;
    const bool eng = m_strFormat == words::kEng;
    if (!sci && !fix && !eng) return "0";
    if (!std::isfinite(x)) return NonFiniteText(x);
    if (sci) return FormatSci(x);
    if (eng) return FormatEng(x);
    // Twelve whole digits and a sign column are more than the line holds, so
    // that a number this large is shown in SCI, whatever its decimals.
    if (std::fabs(x) >= 1e11) return FormatSci(x);
    const std::string text = WithSignColumn(FormatFixed(x, DisplayDigits()));
    return text.size() > kMaxFixText ? FormatSci(x) : text;
}

std::string CTabrixDoc::FormatSci(double x) const {
    if (!std::isfinite(x)) return NonFiniteText(x);
    const int digits = DisplayDigits();
    // The conversion writes sign, one digit, point and decimals, then "e", the
    // exponent's sign and two or three digits.
    // The conversion with a sign column in front: the blank, or its own "-".
    char conversion[kExponentTextSize + 1] = {' '};
    const char* end = FormatExponentTo(conversion + 1, x, std::min(digits, kMaxSciDecimals));
    const char* begin = conversion[1] == '-' ? conversion + 1 : conversion;
    const std::string_view s(begin, static_cast<std::size_t>(end - begin));
    const std::size_t e = s.find('e');

    // The mantissa field: SCI 7 to 9 show six decimals, and SCI 0, whose
    // conversion has no point, gets one.
    char text[kMantissaField + 4];
    std::size_t length = digits != 0 ? std::min<std::size_t>(digits + 3, e) : 2;
    s.copy(text, length);
    if (digits == 0) text[length++] = '.';
    while (length < kMantissaField) text[length++] = ' ';

    // The exponent's sign column and digits: two as a rule; a third one is
    // kept, not cut off, so that 1e200 never reads as 1.
    text[length++] = s[e + 1] == '-' ? '-' : ' ';
    length += s.copy(text + length, sizeof text - length, e + 2);
    return std::string(text, length);
}

std::string CTabrixDoc::FormatEng(double x) const {
    const std::string s = FormatSci(x);
    const NumberTextParts parts = SplitNumberText(s);
    if (!parts.hasExponent) return s;  // NaN and infinities
    std::string field(parts.mantissa);
    const char sign = parts.exponentSign;

    int exponent = static_cast<int>(ParseLeadingInteger(parts.exponentDigits));
    if (sign == '-') exponent = -exponent;
    if (exponent % 3 == 0) return s;

    // Lower the exponent to the multiple of three below it (one or two steps)
    // and move the point right as many places. Where the field has no digit
    // to move past (ENG 0 and 1), a 0 fills the place.
    std::size_t point = field.find('.');
    if (point == std::string::npos) return s;
    for (int step = 0; step < 2 && exponent % 3 != 0; ++step) {
        --exponent;
        if (point + 1 >= field.size()) break;
        field[point] = field[point + 1] == ' ' ? '0' : field[point + 1];
        field[++point] = '.';
    }

    std::string newDigits = std::to_string(std::abs(exponent));
    if (newDigits.size() < 2) newDigits.insert(newDigits.begin(), '0');
    return field + sign + newDigits;
}

double CTabrixDoc::RoundToDisplay(double x) const {
    const bool known = m_strFormat == words::kFix || m_strFormat == words::kSci || m_strFormat == words::kEng;
    if (!std::isfinite(x) || !known) return x;
    const std::string shown = FormatNumber(x);
    const NumberTextParts parts = SplitNumberText(shown);
    // The digits as shown (the padding of ENG's field taken out), and the
    // power of ten the exponent cells give.
    std::string number;
    for (char c : parts.mantissa) {
        if (c != ' ') number += c;
    }
    if (parts.hasExponent) {
        number += 'e';
        if (parts.exponentSign == '-') number += '-';
        number += parts.exponentDigits;
    }
    return ParseLeadingDouble(number);
}

const char* CTabrixDoc::KeepXInRange() {
    const char* error = nullptr;
    auto replace = [&](double replacement, const char* text) {
        m_dX = replacement;
        m_bLift = false;
        m_bEntering = false;
        error = text;
    };
    if (std::isnan(m_dX)) replace(0, kNaNErrorText);
    if (!std::isfinite(m_dX)) replace(0, kInfErrorText);
    if (error != nullptr && m_caughtRangeError == nullptr) m_caughtRangeError = error;
    if (std::fabs(m_dX) > kOverflowLimit) replace(m_dX > 0 ? kOverflowClamp : -kOverflowClamp, "ERROR: OVR");
    if (m_dX != 0 && std::fabs(m_dX) < kUnderflowLimit) {
        m_dX = 0;
        m_bEntering = false;
    }
    return error;
}

void CTabrixDoc::ShowText(const char* error) {
    if (m_bEntering) {
        m_strDisplay = GetEntryText();
        m_nPointPos = EntryPointPos(*this);
    } else if (error != nullptr) {
        m_strDisplay = error;
        m_nPointPos = 0;
    } else if (m_integer.On()) {
        m_strDisplay = IntegerLine(word::Text(m_integer.words[kSlotX], m_integer.Format(), m_integer.base));
        m_nPointPos = 0;
    } else {
        // The number's text, with its point taken out of the cells.
        m_strDisplay = FormatNumber(m_dX);
        const std::size_t point = m_strDisplay.find('.');
        m_nPointPos = point == std::string::npos ? 0 : static_cast<std::int32_t>(point) + 1;
        if (point != std::string::npos) m_strDisplay.erase(point, 1);
    }
}

void CTabrixDoc::UpdateDisplay() {
    if (m_integer.On()) [[unlikely]] return UpdateWordDisplay();
    const char* error = m_bEntering ? nullptr : KeepXInRange();
    if (m_showFailure && error == nullptr) error = FailureText();
    m_showFailure = false;
    ShowOrDefer(error);
}

// Integer mode's refresh, apart from the float modes' (a key's hot path):
// words have no NaN, infinity or overflow to catch; what float code wrote
// becomes a word.
[[gnu::noinline]] void CTabrixDoc::UpdateWordDisplay() {
    SyncWords();
    ShowOrDefer(std::exchange(m_showFailure, false) ? FailureText() : nullptr);
}

const char* CTabrixDoc::FailureText() const {
    return m_failure == StatisticsError::DivisionByZero ? kDivisionErrorText : kStatisticsErrorText;
}

void CTabrixDoc::ShowOrDefer(const char* error) {
    if (m_deferDisplay) {
        // What the refresh does to X is done; its text waits until it is looked at.
        m_pendingError = error;
        m_displayPending = true;
        return;
    }
    ShowText(error);
}

void CTabrixDoc::DeferDisplay(bool defer) {
    if (!defer) FlushDisplay();
    m_deferDisplay = defer;
}

void CTabrixDoc::FlushDisplay() {
    if (!m_displayPending) return;
    m_displayPending = false;
    ShowText(m_pendingError);
}

}  // namespace tabrix
