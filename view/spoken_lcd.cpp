#include "view/spoken_lcd.h"

#include "engine/main_line.h"
#include "view/key_labels.h"

namespace tabrix {

namespace {

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// "1.500000" -> "1.5", "2." -> "2"; text without a point stays as it is.
std::string WithoutTrailingZeros(std::string number) {
    if (number.find('.') == std::string::npos) return number;
    while (!number.empty() && number.back() == '0') number.pop_back();
    if (!number.empty() && number.back() == '.') number.pop_back();
    return number;
}

// An exponent as said: "03" -> "3", "-06" -> "-6", "00" -> "0".
std::string ExponentWords(char sign, std::string_view digits) {
    const auto first = digits.find_first_not_of('0');
    return (sign == '-' ? "-" : "") + std::string(first == std::string_view::npos ? "0" : digits.substr(first));
}

// The number being typed, every digit of it (also those the LCD hides).
std::string TypedNumber(const CalculatorState& s, const SpokenWords& words) {
    std::string number = (s.m_strMantSign == "-" ? "-" : "") + s.m_strMantissa;
    if (s.m_bDecimal) number += "." + s.m_strFraction;
    if (s.m_bExponent) {
        number += " " + words.timesTenToThe + " " + ExponentWords(s.m_strExpSign == "-" ? '-' : ' ', s.m_strExponent);
    }
    return number;
}

// The main line as the LCD shows it: a SCI or ENG number is said with its
// power of ten unless that is 0, padding zeros are dropped, and an error text
// is read as it stands.
std::string ShownNumber(const std::string& text, const SpokenWords& words) {
    const NumberTextParts parts = SplitNumberText(text);
    const std::string mantissa = WithoutTrailingZeros(Trim(parts.mantissa));
    if (!parts.hasExponent) return mantissa;
    const std::string power = ExponentWords(parts.exponentSign, parts.exponentDigits);
    return power == "0" ? mantissa : mantissa + " " + words.timesTenToThe + " " + power;
}

}  // namespace

std::string SpokenLcd(const CTabrixDoc& doc, const SpokenWords& words) {
    const std::string number = doc.m_bEntering ? TypedNumber(doc, words) : ShownNumber(MainLineAsRead(doc), words);
    std::string spoken = "X " + number + ", " + doc.m_strFormat + " " + std::to_string(doc.m_nDigits) + ", " +
                         doc.m_strAngle;
    if (doc.m_bShift) spoken += ", " + words.shift;
    if (!doc.m_strPrefix.empty()) spoken += ", " + doc.m_strPrefix;
    return spoken;
}

std::string SpokenStack(const CTabrixDoc& doc, const SpokenWords& words) {
    return "Y " + ShownNumber(doc.FormatNumber(doc.m_dY), words) + ", Z " + ShownNumber(doc.FormatNumber(doc.m_dZ), words) +
           ", T " + ShownNumber(doc.FormatNumber(doc.m_dT), words);
}

namespace {

// "÷ divide"; a label alone where the function has no words of its own.
std::string Described(const catalogue::Function& function, const SpokenWords& words) {
    std::string text(function.label);
    if (!function.description.empty() && function.description != function.label) {
        text += " " + words.describe(function.description);
    }
    return text;
}

}  // namespace

std::string KeyAccessibleName(int code, const SpokenWords& words) {
    if (code < 1 || FaceLabel(code).empty()) return {};
    std::string name = Described(KeyFunctionOf(static_cast<std::uint32_t>(code), false), words);
    const catalogue::Function& shifted = KeyFunctionOf(static_cast<std::uint32_t>(code), true);
    if (!shifted.label.empty()) name += ", " + words.shifted + " " + Described(shifted, words);
    return name;
}

}  // namespace tabrix
