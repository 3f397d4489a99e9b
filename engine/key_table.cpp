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

// Marks a description for the desktop program's translators, whose tool
// reads this name; the engine itself needs no Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace tabrix {

namespace {

using Doc = CTabrixDoc;

using Words = std::string_view;

constexpr KeyFunction Unary(Words label, Words token, Words description, double (*f)(const Doc&, double)) {
    return {.label = label,
            .token = token,
            .description = description,
            .entry = EntryRule::Commits,
            .lift = LiftRule::Enables,
            .unary = f};
}

constexpr KeyFunction Binary(Words label, Words token, Words description, double (*f)(double, double)) {
    return {.label = label,
            .token = token,
            .description = description,
            .entry = EntryRule::Commits,
            .lift = LiftRule::Enables,
            .binary = f};
}

constexpr KeyFunction Act(Words label, Words token, Words description, EntryRule entry, LiftRule lift,
                          void (*act)(Doc&)) {
    return {.label = label, .token = token, .description = description, .entry = entry, .lift = lift, .act = act};
}

// Typing goes on through these: they change a mode, edit the entry, or decide
// for themselves (EEX, CHS and ← act on the entry while one is typed).
constexpr KeyFunction Keeps(Words label, Words token, Words description, void (*act)(Doc&)) {
    return Act(label, token, description, EntryRule::Keeps, LiftRule::Untouched, act);
}

// Commit the entry, then rearrange or replace X without touching the lift flag.
constexpr KeyFunction Commits(Words label, Words token, Words description, void (*act)(Doc&)) {
    return Act(label, token, description, EntryRule::Commits, LiftRule::Untouched, act);
}

constexpr KeyFunction Digit(Words label, int digit) { return {.label = label, .token = label, .digit = digit}; }

constexpr KeyFunction Prefix(Words word, Words description) {
    return {.label = word, .token = word, .description = description, .prefix = word};
}

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
     Unary("eˣ", "EXP", QT_TRANSLATE_NOOP("KeyHelp", "e to the power x"),
           [](const Doc&, double x) { return std::exp(x); }),
     Unary("LN", "LN", QT_TRANSLATE_NOOP("KeyHelp", "natural logarithm"),
           [](const Doc&, double x) { return std::log(x); })},
    {keys::kAlog,
     Unary("10ˣ", "ALOG", QT_TRANSLATE_NOOP("KeyHelp", "10 to the power x"),
           [](const Doc&, double x) { return std::pow(10.0, x); }),
     Unary("LOG", "LOG", QT_TRANSLATE_NOOP("KeyHelp", "common logarithm"),
           [](const Doc&, double x) { return std::log10(x); })},
    {keys::kSin, Unary("SIN", "SIN", QT_TRANSLATE_NOOP("KeyHelp", "sine"), Sine),
     Unary("SIN⁻¹", "ASIN", QT_TRANSLATE_NOOP("KeyHelp", "arc sine"), ArcSine)},
    {keys::kCos, Unary("COS", "COS", QT_TRANSLATE_NOOP("KeyHelp", "cosine"), Cosine),
     Unary("COS⁻¹", "ACOS", QT_TRANSLATE_NOOP("KeyHelp", "arc cosine"), ArcCosine)},
    {keys::kTan, Unary("TAN", "TAN", QT_TRANSLATE_NOOP("KeyHelp", "tangent"), Tangent),
     Unary("TAN⁻¹", "ATAN", QT_TRANSLATE_NOOP("KeyHelp", "arc tangent"), ArcTangent)},
    {keys::kInverse,
     Unary("1/x", "INV", QT_TRANSLATE_NOOP("KeyHelp", "reciprocal"), [](const Doc&, double x) { return 1 / x; }),
     Binary("yˣ", "POW", QT_TRANSLATE_NOOP("KeyHelp", "y to the power x"),
            [](double y, double x) { return std::pow(y, x); })},
    {keys::kSqrt,
     Unary("√x", "SQRT", QT_TRANSLATE_NOOP("KeyHelp", "square root"),
           [](const Doc&, double x) { return std::sqrt(x); }),
     Unary("x²", "SQ", QT_TRANSLATE_NOOP("KeyHelp", "square"), [](const Doc&, double x) { return x * x; })},
    // While a number is typed, EEX starts its exponent even after F; pi needs a committed X.
    {keys::kEex,
     Keeps("EEX", "EEX", QT_TRANSLATE_NOOP("KeyHelp", "enter exponent"),
           [](Doc& d) {
               if (d.m_bEntering) d.EntryExponent();
           }),
     Keeps("π", "PI", QT_TRANSLATE_NOOP("KeyHelp", "pi"),
           [](Doc& d) {
               if (d.m_bEntering)
                   d.EntryExponent();
               else
                   d.m_dX = kPiConstant;
           })},
    {keys::kSeven, Digit("7", 7), Prefix(words::kFix, QT_TRANSLATE_NOOP("KeyHelp", "display digits"))},
    {keys::kEight, Digit("8", 8), Prefix(words::kSci, QT_TRANSLATE_NOOP("KeyHelp", "scientific display, digits"))},
    {keys::kNine, Digit("9", 9), Prefix(words::kEng, QT_TRANSLATE_NOOP("KeyHelp", "engineering display, digits"))},
    {keys::kDivide, Binary("÷", "/", QT_TRANSLATE_NOOP("KeyHelp", "divide"), [](double y, double x) { return y / x; }),
     Commits("%", "%", QT_TRANSLATE_NOOP("KeyHelp", "percent"), [](Doc& d) { d.m_dX = (d.m_dY * d.m_dX) * 0.01; })},
    {keys::kSwap,
     Commits("x≷y", "SWAP", QT_TRANSLATE_NOOP("KeyHelp", "exchange x and y"),
             [](Doc& d) { std::swap(d.m_dX, d.m_dY); }),
     Commits("R↓", "RDN", QT_TRANSLATE_NOOP("KeyHelp", "roll the stack down"), [](Doc& d) { d.RollDown(); })},
    {keys::kChs,
     Keeps("CHS", "CHS", QT_TRANSLATE_NOOP("KeyHelp", "change sign"),
           [](Doc& d) {
               if (d.m_bEntering)
                   d.EntryChangeSign();
               else
                   d.m_dX = -d.m_dX;
           }),
     Commits("R↑", "RUP", QT_TRANSLATE_NOOP("KeyHelp", "roll the stack up"), [](Doc& d) { d.RollUp(); })},
    {keys::kFour, Digit("4", 4),
     Keeps(words::kDeg, words::kDeg, QT_TRANSLATE_NOOP("KeyHelp", "angles in degrees"),
           [](Doc& d) { d.m_strAngle = words::kDeg; })},
    {keys::kFive, Digit("5", 5),
     Keeps(words::kRad, words::kRad, QT_TRANSLATE_NOOP("KeyHelp", "angles in radians"),
           [](Doc& d) { d.m_strAngle = words::kRad; })},
    {keys::kSix, Digit("6", 6),
     Keeps(words::kGrd, words::kGrd, QT_TRANSLATE_NOOP("KeyHelp", "angles in grads"),
           [](Doc& d) { d.m_strAngle = words::kGrd; })},
    {keys::kMultiply,
     Binary("×", "*", QT_TRANSLATE_NOOP("KeyHelp", "multiply"), [](double y, double x) { return y * x; }),
     Unary("x!", "FACT", QT_TRANSLATE_NOOP("KeyHelp", "factorial"),
           [](const Doc& d, double x) { return d.Factorial(x); })},
    {keys::kAbout, Keeps("?", "?", QT_TRANSLATE_NOOP("KeyHelp", "about Tabrix"), [](Doc& d) { d.RequestAbout(); }),
     Prefix(words::kHyp, QT_TRANSLATE_NOOP("KeyHelp", "hyperbolic functions"))},
    // RAN# replaces X; a number being typed is committed first, then replaced like any X.
    {keys::kEnter,
     Act("ENTER", "ENTER", QT_TRANSLATE_NOOP("KeyHelp", "enter, lifting the stack"), EntryRule::Commits,
         LiftRule::Disables, [](Doc& d) { d.LiftStack(); }),
     Commits("RAN#", "RAN", QT_TRANSLATE_NOOP("KeyHelp", "random number"), [](Doc& d) { d.RandomNumber(); })},
    {keys::kOne, Digit("1", 1),
     Act("→P", ">P", QT_TRANSLATE_NOOP("KeyHelp", "to polar"), EntryRule::Commits, LiftRule::Enables,
         [](Doc& d) { d.RectangularToPolar(); })},
    {keys::kTwo, Digit("2", 2),
     Act("→R", ">R", QT_TRANSLATE_NOOP("KeyHelp", "to rectangular"), EntryRule::Commits, LiftRule::Enables,
         [](Doc& d) { d.PolarToRectangular(); })},
    {keys::kThree, Digit("3", 3),
     Unary("→DEG", ">DEG", QT_TRANSLATE_NOOP("KeyHelp", "radians to degrees"),
           [](const Doc&, double x) { return (180 / kPiConstant) * x; })},
    {keys::kMinus, Binary("−", "-", QT_TRANSLATE_NOOP("KeyHelp", "subtract"), [](double y, double x) { return y - x; }),
     Unary("→RAD", ">RAD", QT_TRANSLATE_NOOP("KeyHelp", "degrees to radians"),
           [](const Doc&, double x) { return (x * kPiConstant) * kOne180th; })},
    // F acts through the common ending, which turns the shift on and off.
    {keys::kShift, Keeps("F", "F", QT_TRANSLATE_NOOP("KeyHelp", "shift"), nullptr), kNoFunction},
    {keys::kUnderEnter, kNoFunction, kNoFunction},
    {keys::kZero, Digit("0", 0), Prefix(words::kSto, QT_TRANSLATE_NOOP("KeyHelp", "store in a register"))},
    {keys::kPoint, Keeps(".", ".", QT_TRANSLATE_NOOP("KeyHelp", "decimal point"), [](Doc& d) { d.EntryPoint(); }),
     Prefix(words::kRcl, QT_TRANSLATE_NOOP("KeyHelp", "recall a register"))},
    {keys::kBackspace,
     Keeps("←", "BS", QT_TRANSLATE_NOOP("KeyHelp", "backspace"),
           [](Doc& d) {
               if (d.m_bEntering)
                   d.EntryBackspace();
               else
                   d.ClearX();
           }),
     Keeps("CLX", "CLX", QT_TRANSLATE_NOOP("KeyHelp", "clear x"), [](Doc& d) { d.ClearX(); })},
    {keys::kPlus, Binary("+", "+", QT_TRANSLATE_NOOP("KeyHelp", "add"), [](double y, double x) { return y + x; }),
     Keeps("CLR", "CLR", QT_TRANSLATE_NOOP("KeyHelp", "clear all"), [](Doc& d) { d.ClearAll(); })},
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
