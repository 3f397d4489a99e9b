// The number being typed: held as text in the entry members until it is
// committed to X. Every operation copes with entry members that keys could
// never produce (a state file can hold anything): no read outside a string.
#include <cmath>

#include "engine/calculator_state.h"
#include "engine/integer_word.h"
#include "engine/main_line.h"
#include "engine/number_text.h"

namespace tabrix {

namespace {

constexpr std::size_t kMaxMantissaDigits = 10;  // mantissa and fraction together

std::string LastChars(const std::string& text, std::size_t count) {
    return text.size() <= count ? text : text.substr(text.size() - count);
}

void ToggleSign(std::string& sign) { sign = sign == " " ? "-" : " "; }

}  // namespace

void CTabrixDoc::EntryPointMoved() {
    // While the main line waits (a program runs), the point stays with the
    // picture it belongs to; the refresh puts it where the entry has it.
    if (!m_deferDisplay) m_nPointPos = EntryPointPos(*this);
}

void CTabrixDoc::StartEntry() {
    if (m_bLift) LiftStack();
    ResetEntry();
    m_bEntering = true;
    m_bShift = m_bSpare = false;
    EntryPointMoved();
}

void CTabrixDoc::AppendDigit(int nDigit) {
    if (m_integer.On()) return AppendWordDigit(nDigit);
    if (nDigit < 0 || nDigit > 9) return Refuse();
    const char digit = static_cast<char>('0' + nDigit);
    if (!m_bEntering) StartEntry();
    if (m_bDecimal && !m_bExponent) {
        if (m_strMantissa.size() + m_strFraction.size() < kMaxMantissaDigits) m_strFraction += digit;
    } else if (m_bExponent) {
        // The exponent keeps its last two digits: new digits push in from the right.
        m_strExponent = LastChars(m_strExponent + digit, 2);
    } else if (m_strMantissa.size() < kMaxMantissaDigits) {
        m_strMantissa += digit;
    }
}

void CTabrixDoc::AppendWordDigit(int nDigit) {
    const int base = m_integer.base;
    if (nDigit < 0 || nDigit >= base) return Refuse();
    const std::string typed = (m_bEntering && m_strMantissa != "0" ? m_strMantissa : std::string()) +
                              "0123456789ABCDEF"[nDigit];
    // The digits must fit the word: its bits, or in DEC its largest value.
    const std::optional<std::uint64_t> value = word::ParseDigits(typed, base);
    const WordFormat format = m_integer.Format();
    const WideInt limit = base == 10 ? format.Max() : static_cast<WideInt>(format.Mask());
    if (!value || static_cast<WideInt>(*value) > limit) return Refuse();
    if (!m_bEntering) StartEntry();
    m_strMantissa = typed;
}

void CTabrixDoc::EntryPoint() {
    if (m_integer.On()) return Refuse();  // words have no fraction
    if (!m_bEntering) {
        // Starts an entry "0." -- unless a pending prefix takes the 0 as its digit.
        OnDigit(0);
    } else if (m_bExponent || m_bDecimal) {
        return;
    }
    m_bDecimal = true;
    EntryPointMoved();
}

void CTabrixDoc::EntryExponent() {
    if (m_integer.On()) return Refuse();
    m_strExponent = "00";
    m_bExponent = true;
}

void CTabrixDoc::EntryChangeSign() {
    ToggleSign(m_bExponent ? m_strExpSign : m_strMantSign);
}

void CTabrixDoc::EntryBackspace() {
    if (m_bDecimal && !m_bExponent) {
        if (m_strFraction.empty()) {
            m_bDecimal = false;
            EntryPointMoved();
        } else {
            m_strFraction.pop_back();
        }
    } else if (m_bExponent) {
        if (m_strExponent == "00") {
            m_bExponent = false;
            m_strExpSign = " ";
            m_strExponent.clear();
        } else {
            // Digits move right and a zero comes in from the left: 72 -> 07 -> 00.
            m_strExponent = "0" + m_strExponent.substr(0, 1);
        }
    } else {
        if (!m_strMantissa.empty()) m_strMantissa.pop_back();
        if (m_strMantissa.empty()) ClearX();
    }
}

double CTabrixDoc::GetEntryValue() const {
    // 10^e times m, not the whole text converted at once: the last bit of the
    // result follows this order (12.5 EEX 3 CHS gives 12.5 x 0.001).
    double m = 0;
    if (const auto shortValue = ParseShortDecimal(m_strMantSign, m_strMantissa, m_strFraction)) {
        m = *shortValue;
    } else {
        m = ParseLeadingDouble(m_strMantSign + m_strMantissa + "." + m_strFraction);
    }
    // No exponent digits: 0, whatever its sign.
    const double e = m_strExponent.empty() ? 0 : ParseLeadingDouble(m_strExpSign + m_strExponent);
    // 10^0 is exactly 1 and 1 x m is m, to the bit: no need to call pow.
    return e == 0 ? m : std::pow(10.0, e) * m;
}

void CTabrixDoc::CommitEntry() {
    if (!m_bEntering) return;
    m_bEntering = false;
    if (m_integer.On()) return SetWord(kSlotX, GetEntryWord());
    m_dX = GetEntryValue();
}

std::string CTabrixDoc::GetEntryText() const {
    if (m_integer.On()) return IntegerLine(m_strMantissa.empty() ? "0" : m_strMantissa);
    std::string text = m_strMantSign + m_strMantissa;
    if (m_bDecimal) text += m_strFraction;
    if (m_bExponent) {
        text += "          ";
        text.resize(kShownEntryCells);
        // Keys always leave one sign character and two exponent digits; a
        // loaded state may not, so show no more than that.
        text += m_strExpSign.empty() ? std::string(" ") : m_strExpSign.substr(0, 1);
        text += LastChars(m_strExponent, 2);
    }
    // The LCD has twelve cells; longer text (only from a damaged state) is cut.
    if (text.size() > kMainLineCells) text.resize(kMainLineCells);
    return text;
}

}  // namespace tabrix
