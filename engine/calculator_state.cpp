// The state record as a value: comparison and a printout of it.
#include <algorithm>
#include <bit>
#include <charconv>
#include <ostream>
#include <string>

#include "engine/calculator_state.h"

namespace tabrix {

namespace {

bool SameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

// Collects "name=value" for the members that differ from the defaults.
class Differences {
public:
    void Add(const char* name, bool differs, const std::string& value) {
        if (differs) m_text += (m_text.empty() ? "" : ", ") + std::string(name) + "=" + value;
    }
    void Flag(const char* name, bool value, bool base) { Add(name, value != base, value ? "true" : "false"); }
    void Integer(const char* name, long long value, long long base) {
        Add(name, value != base, std::to_string(value));
    }
    void Text(const char* name, const std::string& value, const std::string& base) {
        Add(name, value != base, '"' + value + '"');
    }
    void Number(const char* name, double value, double base) { Add(name, !SameBits(value, base), Shortest(value)); }
    std::string Result() const { return "{" + (m_text.empty() ? std::string("defaults") : m_text) + "}"; }

private:
    static std::string Shortest(double x) {
        char buffer[32];
        return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, x).ptr);
    }
    std::string m_text;
};

}  // namespace

bool operator==(const CalculatorState& a, const CalculatorState& b) {
    return a.m_nKey == b.m_nKey && a.m_strDisplay == b.m_strDisplay && a.m_bDecimal == b.m_bDecimal &&
           a.m_bEntering == b.m_bEntering && a.m_bExponent == b.m_bExponent && a.m_bShift == b.m_bShift &&
           a.m_bLift == b.m_bLift && a.m_bSpare == b.m_bSpare && a.m_strMantissa == b.m_strMantissa &&
           a.m_strFraction == b.m_strFraction && a.m_strExponent == b.m_strExponent &&
           a.m_strMantSign == b.m_strMantSign && a.m_strExpSign == b.m_strExpSign &&
           a.m_nPointPos == b.m_nPointPos && SameBits(a.m_dX, b.m_dX) && SameBits(a.m_dY, b.m_dY) &&
           SameBits(a.m_dZ, b.m_dZ) && SameBits(a.m_dT, b.m_dT) &&
           std::equal(a.m_dReg.begin(), a.m_dReg.end(), b.m_dReg.begin(), SameBits) &&
           a.m_strFormat == b.m_strFormat && a.m_nDigits == b.m_nDigits && a.m_strPrefix == b.m_strPrefix &&
           a.m_strAngle == b.m_strAngle;
}

void PrintTo(const CalculatorState& s, std::ostream* out) {
    const CalculatorState d;
    Differences diff;
    diff.Integer("m_nKey", s.m_nKey, d.m_nKey);
    diff.Text("m_strDisplay", s.m_strDisplay, d.m_strDisplay);
    diff.Flag("m_bDecimal", s.m_bDecimal, d.m_bDecimal);
    diff.Flag("m_bEntering", s.m_bEntering, d.m_bEntering);
    diff.Flag("m_bExponent", s.m_bExponent, d.m_bExponent);
    diff.Flag("m_bShift", s.m_bShift, d.m_bShift);
    diff.Flag("m_bLift", s.m_bLift, d.m_bLift);
    diff.Flag("m_bSpare", s.m_bSpare, d.m_bSpare);
    diff.Text("m_strMantissa", s.m_strMantissa, d.m_strMantissa);
    diff.Text("m_strFraction", s.m_strFraction, d.m_strFraction);
    diff.Text("m_strExponent", s.m_strExponent, d.m_strExponent);
    diff.Text("m_strMantSign", s.m_strMantSign, d.m_strMantSign);
    diff.Text("m_strExpSign", s.m_strExpSign, d.m_strExpSign);
    diff.Integer("m_nPointPos", s.m_nPointPos, d.m_nPointPos);
    diff.Number("m_dX", s.m_dX, d.m_dX);
    diff.Number("m_dY", s.m_dY, d.m_dY);
    diff.Number("m_dZ", s.m_dZ, d.m_dZ);
    diff.Number("m_dT", s.m_dT, d.m_dT);
    for (std::size_t n = 0; n < s.m_dReg.size(); ++n) {
        diff.Number(("m_dReg[" + std::to_string(n) + "]").c_str(), s.m_dReg[n], d.m_dReg[n]);
    }
    diff.Text("m_strFormat", s.m_strFormat, d.m_strFormat);
    diff.Integer("m_nDigits", s.m_nDigits, d.m_nDigits);
    diff.Text("m_strPrefix", s.m_strPrefix, d.m_strPrefix);
    diff.Text("m_strAngle", s.m_strAngle, d.m_strAngle);
    *out << diff.Result();
}

}  // namespace tabrix
