#include "view/spoken_lcd.h"

#include "view/key_labels.h"

namespace tabrix {

namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "1.500000" -> "1.5", "2." -> "2"; text without a point stays as it is.
std::string WithoutTrailingZeros(std::string number) {
    if (number.find('.') == std::string::npos) return number;
    while (!number.empty() && number.back() == '0') number.pop_back();
    if (!number.empty() && number.back() == '.') number.pop_back();
    return number;
}

// An exponent as said: "03" -> "3", "-06" -> "-6", "00" -> "0".
std::string ExponentWords(char sign, const std::string& digits) {
    const auto first = digits.find_first_not_of('0');
    return (sign == '-' ? "-" : "") + (first == std::string::npos ? std::string("0") : digits.substr(first));
}

// The number being typed, every digit of it (also those the LCD hides).
std::string TypedNumber(const CalculatorState& s) {
    std::string number = (s.m_strMantSign == "-" ? "-" : "") + s.m_strMantissa;
    if (s.m_bDecimal) number += "." + s.m_strFraction;
    if (s.m_bExponent) {
        number += " times ten to the " + ExponentWords(s.m_strExpSign == "-" ? '-' : ' ', s.m_strExponent);
    }
    return number;
}

// X as the LCD shows it: a SCI or ENG text (mantissa field, exponent sign
// column, digits) is said with its power of ten unless that is 0; padding
// zeros are dropped.
std::string ShownNumber(const std::string& text) {
    constexpr std::size_t kField = 9;
    const bool exponent = text.size() > kField + 2 && (text[kField] == ' ' || text[kField] == '-') &&
                          text.find_first_not_of("0123456789", kField + 1) == std::string::npos;
    if (!exponent) return WithoutTrailingZeros(Trim(text));
    const std::string mantissa = WithoutTrailingZeros(Trim(text.substr(0, kField)));
    const std::string power = ExponentWords(text[kField], text.substr(kField + 1));
    return power == "0" ? mantissa : mantissa + " times ten to the " + power;
}

}  // namespace

std::string SpokenLcd(const CTabrixDoc& doc) {
    std::string number;
    if (doc.m_bEntering) {
        number = TypedNumber(doc);
    } else if (doc.m_strDisplay.rfind("ERROR", 0) == 0) {
        number = doc.m_strDisplay;
    } else {
        number = ShownNumber(doc.FormatNumber(doc.m_dX));
    }
    std::string spoken = "X " + number + ", " + doc.m_strFormat + " " + std::to_string(doc.m_nDigits) + ", " +
                         doc.m_strAngle;
    if (doc.m_bShift) spoken += ", shift";
    if (!doc.m_strPrefix.empty()) spoken += ", " + doc.m_strPrefix;
    return spoken;
}

std::string KeyAccessibleName(int code) {
    if (code < 1 || code >= static_cast<int>(kKeyLabels.size())) return {};
    const KeyLabel& label = kKeyLabels[static_cast<std::size_t>(code)];
    if (label.face.empty()) return {};
    std::string name(label.face);
    if (!label.shifted.empty()) name += ", shifted " + std::string(label.shifted);
    return name;
}

}  // namespace tabrix
