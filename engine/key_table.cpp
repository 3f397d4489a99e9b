// The key table: every key's function with and without the shift, one row a
// key. Unary functions commit the entry, replace X and enable stack lift;
// binary ones commit, compute from Y and X and drop the stack.
#include "engine/key_table.h"

#include <array>
#include <cmath>
#include <utility>

#include "engine/calculator_state.h"
#include "engine/key_codes.h"
#include "engine/math_constants.h"
#include "engine/mode_words.h"

namespace tabrix {

namespace {

using Doc = CTabrixDoc;

constexpr KeyFunction Unary(std::string_view label, std::string_view token, double (*f)(const Doc&, double)) {
    return {.label = label, .token = token, .entry = EntryRule::Commits, .lift = LiftRule::Enables, .unary = f};
}

constexpr KeyFunction Binary(std::string_view label, std::string_view token, double (*f)(double, double)) {
    return {.label = label, .token = token, .entry = EntryRule::Commits, .lift = LiftRule::Enables, .binary = f};
}

constexpr KeyFunction Act(std::string_view label, std::string_view token, EntryRule entry, LiftRule lift,
                          void (*act)(Doc&)) {
    return {.label = label, .token = token, .entry = entry, .lift = lift, .act = act};
}

// Typing goes on through these: they change a mode, edit the entry, or decide
// for themselves (EEX, CHS and ← act on the entry while one is typed).
constexpr KeyFunction Keeps(std::string_view label, std::string_view token, void (*act)(Doc&)) {
    return Act(label, token, EntryRule::Keeps, LiftRule::Untouched, act);
}

// Commit the entry, then rearrange or replace X without touching the lift flag.
constexpr KeyFunction Commits(std::string_view label, std::string_view token, void (*act)(Doc&)) {
    return Act(label, token, EntryRule::Commits, LiftRule::Untouched, act);
}

constexpr KeyFunction Digit(std::string_view label, int digit) {
    return {.label = label, .token = label, .digit = digit};
}

constexpr KeyFunction Prefix(std::string_view word) { return {.label = word, .token = word, .prefix = word}; }

constexpr KeyFunction kNoFunction{};

// SIN, COS and TAN and their inverses: in the angle unit, or hyperbolic after HYP.
double Sine(const Doc& d, double x) { return d.Hyperbolic() ? std::sinh(x) : std::sin(d.ToRadians(x)); }
double Cosine(const Doc& d, double x) { return d.Hyperbolic() ? std::cosh(x) : std::cos(d.ToRadians(x)); }
double Tangent(const Doc& d, double x) { return d.Hyperbolic() ? std::tanh(x) : std::tan(d.ToRadians(x)); }
double ArcSine(const Doc& d, double x) { return d.Hyperbolic() ? d.ArcSinh(x) : d.FromRadians(std::asin(x)); }
double ArcCosine(const Doc& d, double x) { return d.Hyperbolic() ? d.ArcCosh(x) : d.FromRadians(std::acos(x)); }
double ArcTangent(const Doc& d, double x) { return d.Hyperbolic() ? d.ArcTanh(x) : d.FromRadians(std::atan(x)); }

constexpr std::array<KeyRow, 31> kRows = {{
    {keys::kNone, kNoFunction, kNoFunction},
    {keys::kExp,
     Unary("eˣ", "EXP", [](const Doc&, double x) { return std::exp(x); }),
     Unary("LN", "LN", [](const Doc&, double x) { return std::log(x); })},
    {keys::kAlog,
     Unary("10ˣ", "ALOG", [](const Doc&, double x) { return std::pow(10.0, x); }),
     Unary("LOG", "LOG", [](const Doc&, double x) { return std::log10(x); })},
    {keys::kSin, Unary("SIN", "SIN", Sine), Unary("SIN⁻¹", "ASIN", ArcSine)},
    {keys::kCos, Unary("COS", "COS", Cosine), Unary("COS⁻¹", "ACOS", ArcCosine)},
    {keys::kTan, Unary("TAN", "TAN", Tangent), Unary("TAN⁻¹", "ATAN", ArcTangent)},
    {keys::kInverse,
     Unary("1/x", "INV", [](const Doc&, double x) { return 1 / x; }),
     Binary("yˣ", "POW", [](double y, double x) { return std::pow(y, x); })},
    {keys::kSqrt,
     Unary("√x", "SQRT", [](const Doc&, double x) { return std::sqrt(x); }),
     Unary("x²", "SQ", [](const Doc&, double x) { return x * x; })},
    // While a number is typed, EEX starts its exponent even after F; pi needs a committed X.
    {keys::kEex,
     Keeps("EEX", "EEX", [](Doc& d) { if (d.m_bEntering) d.EntryExponent(); }),
     Keeps("π", "PI", [](Doc& d) { if (d.m_bEntering) d.EntryExponent(); else d.m_dX = kPiConstant; })},
    {keys::kSeven, Digit("7", 7), Prefix(words::kFix)},
    {keys::kEight, Digit("8", 8), Prefix(words::kSci)},
    {keys::kNine, Digit("9", 9), Prefix(words::kEng)},
    {keys::kDivide,
     Binary("÷", "/", [](double y, double x) { return y / x; }),
     Commits("%", "%", [](Doc& d) { d.m_dX = (d.m_dY * d.m_dX) * 0.01; })},
    {keys::kSwap,
     Commits("x≷y", "SWAP", [](Doc& d) { std::swap(d.m_dX, d.m_dY); }),
     Commits("R↓", "RDN", [](Doc& d) { d.RollDown(); })},
    {keys::kChs,
     Keeps("CHS", "CHS", [](Doc& d) { if (d.m_bEntering) d.EntryChangeSign(); else d.m_dX = -d.m_dX; }),
     Commits("R↑", "RUP", [](Doc& d) { d.RollUp(); })},
    {keys::kFour, Digit("4", 4), Keeps(words::kDeg, words::kDeg, [](Doc& d) { d.m_strAngle = words::kDeg; })},
    {keys::kFive, Digit("5", 5), Keeps(words::kRad, words::kRad, [](Doc& d) { d.m_strAngle = words::kRad; })},
    {keys::kSix, Digit("6", 6), Keeps(words::kGrd, words::kGrd, [](Doc& d) { d.m_strAngle = words::kGrd; })},
    {keys::kMultiply,
     Binary("×", "*", [](double y, double x) { return y * x; }),
     Unary("x!", "FACT", [](const Doc& d, double x) { return d.Factorial(x); })},
    {keys::kAbout, Keeps("?", "?", [](Doc& d) { d.RequestAbout(); }), Prefix(words::kHyp)},
    // RAN# replaces X; a number being typed is committed first, then replaced like any X.
    {keys::kEnter,
     Act("ENTER", "ENTER", EntryRule::Commits, LiftRule::Disables, [](Doc& d) { d.LiftStack(); }),
     Commits("RAN#", "RAN", [](Doc& d) { d.RandomNumber(); })},
    {keys::kOne, Digit("1", 1),
     Act("→P", ">P", EntryRule::Commits, LiftRule::Enables, [](Doc& d) { d.RectangularToPolar(); })},
    {keys::kTwo, Digit("2", 2),
     Act("→R", ">R", EntryRule::Commits, LiftRule::Enables, [](Doc& d) { d.PolarToRectangular(); })},
    {keys::kThree, Digit("3", 3),
     Unary("→DEG", ">DEG", [](const Doc&, double x) { return (180 / kPiConstant) * x; })},
    {keys::kMinus,
     Binary("−", "-", [](double y, double x) { return y - x; }),
     Unary("→RAD", ">RAD", [](const Doc&, double x) { return (x * kPiConstant) * kOne180th; })},
    // F acts through the common ending, which turns the shift on and off.
    {keys::kShift, Keeps("F", "F", nullptr), kNoFunction},
    {keys::kUnderEnter, kNoFunction, kNoFunction},
    {keys::kZero, Digit("0", 0), Prefix(words::kSto)},
    {keys::kPoint, Keeps(".", ".", [](Doc& d) { d.EntryPoint(); }), Prefix(words::kRcl)},
    {keys::kBackspace,
     Keeps("←", "BS", [](Doc& d) { if (d.m_bEntering) d.EntryBackspace(); else d.ClearX(); }),
     Keeps("CLX", "CLX", [](Doc& d) { d.ClearX(); })},
    {keys::kPlus,
     Binary("+", "+", [](double y, double x) { return y + x; }),
     Keeps("CLR", "CLR", [](Doc& d) { d.ClearAll(); })},
}};

constexpr bool RowsAreInCodeOrder() {
    for (std::size_t code = 0; code < kRows.size(); ++code) {
        if (kRows[code].code != code) return false;
    }
    return true;
}
static_assert(RowsAreInCodeOrder(), "the key table is indexed by key code");

}  // namespace

const KeyFunction& KeyFunctionOf(std::uint32_t code, bool shifted) {
    if (code >= kRows.size()) return kNoFunction;
    return shifted ? kRows[code].shifted : kRows[code].plain;
}

std::span<const KeyRow> KeyTable() { return std::span(kRows).subspan(keys::kFirstKey); }

}  // namespace tabrix
