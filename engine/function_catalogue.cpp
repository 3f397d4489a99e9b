// The catalogue's rows, in FunctionId order. Unary functions commit the
// entry, keep X as LAST X, replace X and enable stack lift; binary ones
// commit, keep X as LAST X, compute from Y and X and drop the stack.
#include "engine/function_catalogue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "engine/calculator_state.h"
#include "engine/integer_word.h"
#include "engine/key_table.h"
#include "engine/math_constants.h"
#include "engine/mode_words.h"
#include "engine/number_functions.h"

// Marks a text for the desktop program's translators, whose tool reads this
// name; the engine itself needs no Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace tabrix::catalogue {

namespace {

using Doc = CTabrixDoc;
using Id = FunctionId;
using Words = std::string_view;

constexpr Function Act(Id id, Family family, Words label, Words token, Words description, EntryRule entry,
                       LiftRule lift, void (*act)(Doc&)) {
    return {.id = id,
            .token = token,
            .label = label,
            .description = description,
            .family = family,
            .entry = entry,
            .lift = lift,
            .act = act};
}

// An operation on X, or on Y and X: the entry committed, X kept as LAST X,
// the result lifted by the next number.
constexpr Function Operation(Id id, Family family, Words label, Words token, Words description) {
    Function function = Act(id, family, label, token, description, EntryRule::Commits, LiftRule::Enables, nullptr);
    function.savesLastX = true;
    return function;
}

constexpr Function Unary(Id id, Family family, Words label, Words token, Words description,
                         double (*f)(const Doc&, double)) {
    Function function = Operation(id, family, label, token, description);
    function.unary = f;
    return function;
}

constexpr Function Binary(Id id, Family family, Words label, Words token, Words description,
                          double (*f)(double, double)) {
    Function function = Operation(id, family, label, token, description);
    function.binary = f;
    return function;
}

// Typing goes on through these: they change a mode, edit the entry, or decide
// for themselves (EEX, CHS and ← act on the entry while one is typed).
constexpr Function Keeps(Id id, Family family, Words label, Words token, Words description, void (*act)(Doc&)) {
    return Act(id, family, label, token, description, EntryRule::Keeps, LiftRule::Untouched, act);
}

// Commit the entry, then rearrange or replace X without touching the lift flag.
constexpr Function Commits(Id id, Family family, Words label, Words token, Words description, void (*act)(Doc&)) {
    return Act(id, family, label, token, description, EntryRule::Commits, LiftRule::Untouched, act);
}

// The same, with X kept as LAST X first: X is what it works on.
constexpr Function CommitsX(Id id, Family family, Words label, Words token, Words description, LiftRule lift,
                            void (*act)(Doc&)) {
    Function function = Act(id, family, label, token, description, EntryRule::Commits, lift, act);
    function.savesLastX = true;
    return function;
}

constexpr Function Digit(Id id, Words label, int digit) {
    return {.id = id, .token = label, .label = label, .family = Family::NumberEntry, .digit = digit};
}

constexpr Function Prefix(Id id, Family family, Words word, Words description) {
    return {.id = id, .token = word, .label = word, .description = description, .family = family, .prefix = word};
}

// A register combined with X (STO+ 3): the entry committed first, X and
// the lift flag untouched.
constexpr Function StoreArithmetic(Id id, Words label, Words token, Words description, void (*act)(Doc&, int)) {
    return {.id = id,
            .token = token,
            .label = label,
            .description = description,
            .family = Family::Registers,
            .argument = ArgumentKind::Register,
            .entry = EntryRule::Commits,
            .actOn = act};
}

// One of the programs' own words.
constexpr Function Word(Id id, Words label, Words token, Words description, ProgramWord word,
                        ArgumentKind argument = ArgumentKind::None, Compare compare = Compare::Equal) {
    return {.id = id,
            .token = token,
            .label = label,
            .description = description,
            .family = Family::Programs,
            .argument = argument,
            .word = word,
            .compare = compare};
}

// SIN, COS and TAN and their inverses: in the angle unit, or hyperbolic after HYP.
double Sine(const Doc& d, double x) { return d.Hyperbolic() ? std::sinh(x) : std::sin(d.ToRadians(x)); }
double Cosine(const Doc& d, double x) { return d.Hyperbolic() ? std::cosh(x) : std::cos(d.ToRadians(x)); }
double Tangent(const Doc& d, double x) { return d.Hyperbolic() ? std::tanh(x) : std::tan(d.ToRadians(x)); }
double ArcSine(const Doc& d, double x) { return d.Hyperbolic() ? d.ArcSinh(x) : d.FromRadians(std::asin(x)); }
double ArcCosine(const Doc& d, double x) { return d.Hyperbolic() ? d.ArcCosh(x) : d.FromRadians(std::acos(x)); }
double ArcTangent(const Doc& d, double x) { return d.Hyperbolic() ? d.ArcTanh(x) : d.FromRadians(std::atan(x)); }

void StoreAdd(Doc& d, int n) { d.CombineRegister(n, [](double r, double x) { return r + x; }); }
void StoreSubtract(Doc& d, int n) { d.CombineRegister(n, [](double r, double x) { return r - x; }); }
void StoreMultiply(Doc& d, int n) { d.CombineRegister(n, [](double r, double x) { return r * x; }); }
void StoreDivide(Doc& d, int n) { d.CombineRegister(n, [](double r, double x) { return r / x; }); }

// Σ+ and Σ−: the point (X, Y) added or taken away; X becomes the count
// and X before it LAST X. A refusal changes nothing but the main line.
void Accumulate(Doc& d, int sign) {
    const StatisticsError error = d.m_stats.Add(d.m_dX, d.m_dY, sign);
    if (error != StatisticsError::None) return d.Fail(error);
    d.m_dLastX = d.m_dX;
    d.m_dX = static_cast<double>(d.m_stats.Count());
}

// Results that stand for themselves (x̄ and ȳ, a and b ...): the stack lifts
// once, as RCL lifts it, and they fill X and then Y.
void Give(Doc& d, const StatisticsAnswer& answer, int results) {
    if (!answer.Ok()) return d.Fail(answer.error);
    d.LiftStack();
    d.m_dX = answer.values[0];
    if (results > 1) d.m_dY = answer.values[1];
}

// Results for the X given (ŷ for x, x̂ for y): X becomes LAST X and the first
// result; a second (r) lifts the stack into Y.
void GiveFor(Doc& d, const StatisticsAnswer& answer, int results) {
    if (!answer.Ok()) return d.Fail(answer.error);
    d.m_dLastX = d.m_dX;
    d.m_dX = answer.values[0];
    if (results < 2) return;
    d.LiftStack();
    d.m_dY = answer.values[1];
}

constexpr Function Statistic(Id id, Words label, Words token, Words description, void (*act)(Doc&)) {
    return Act(id, Family::Statistics, label, token, description, EntryRule::Commits, LiftRule::Enables, act);
}

// Integer mode's operations: the entry committed, X kept as LAST X, the
// result lifted by the next number; `op` works on the words.
constexpr Function WordOperation(Id id, Words label, Words token, Words description, void (*op)(Doc&, int),
                                 ArgumentKind argument = ArgumentKind::None) {
    Function function = Operation(id, Family::Integers, label, token, description);
    function.onWords = op;
    function.argument = argument;
    return function;
}

// A setting of integer mode (the base, the word size, the sign mode): the
// entry committed, the lift flag untouched.
constexpr Function WordSetting(Id id, Words label, Words token, Words description, void (*act)(Doc&, int),
                               ArgumentKind argument = ArgumentKind::None) {
    Function function = Act(id, Family::Integers, label, token, description, EntryRule::Commits,
                            LiftRule::Untouched, nullptr);
    function.actOn = act;
    function.argument = argument;
    return function;
}

// A mask, pushed as a typed number would be.
constexpr Function WordMask(Id id, Words label, Words token, Words description, void (*op)(Doc&, int)) {
    Function function = Act(id, Family::Integers, label, token, description, EntryRule::Commits, LiftRule::Enables,
                            nullptr);
    function.onWords = op;
    function.argument = ArgumentKind::Count;
    return function;
}

// The main line's window over a long word: typing goes on, nothing else changes.
constexpr Function Window(Id id, Words label, Words token, Words description, int step) {
    Function function = Keeps(id, Family::Integers, label, token, description, nullptr);
    function.actOn = step > 0 ? [](Doc& d, int) { d.MoveWindow(1); } : [](Doc& d, int) { d.MoveWindow(-1); };
    return function;
}

constexpr Function HexDigit(Id id, Words label, Words token, int digit) {
    return {.id = id, .token = token, .label = label, .family = Family::NumberEntry, .digit = digit};
}

// A row of the float modes given its integer meaning too.
constexpr Function WithWords(Function function, void (*op)(Doc&, int)) {
    function.onWords = op;
    return function;
}

bool ZeroWord(const Doc& d) { return word::ValueOf(d.m_integer.words[kSlotX], d.m_integer.Format()) == 0; }

template <WordResult (*op)(std::uint64_t, std::uint64_t, WordFormat)>
void StoreWord(Doc& d, int n) {
    d.CombineRegisterWord(n, op);
}

template <std::optional<WordResult> (*op)(std::uint64_t, std::uint64_t, WordFormat)>
WordResult Defined(std::uint64_t y, std::uint64_t x, WordFormat f) {
    return op(y, x, f).value_or(WordResult{y});
}

constexpr const char* kTestX = QT_TRANSLATE_NOOP("Functions", "compare x with 0: when false, skip the next step");
constexpr const char* kTestXY = QT_TRANSLATE_NOOP("Functions", "compare x with y: when false, skip the next step");

using F = Family;

}  // namespace

constexpr Function kRows[static_cast<std::size_t>(Id::Count)] = {
    {},
    // --- Number entry -----------------------------------------------------------
    Digit(Id::Digit0, "0", 0), Digit(Id::Digit1, "1", 1), Digit(Id::Digit2, "2", 2), Digit(Id::Digit3, "3", 3),
    Digit(Id::Digit4, "4", 4), Digit(Id::Digit5, "5", 5), Digit(Id::Digit6, "6", 6), Digit(Id::Digit7, "7", 7),
    Digit(Id::Digit8, "8", 8), Digit(Id::Digit9, "9", 9),
    Keeps(Id::Point, F::NumberEntry, ".", ".", QT_TRANSLATE_NOOP("Functions", "decimal point"),
          [](Doc& d) { d.EntryPoint(); }),
    // While a number is typed, EEX starts its exponent even after F (see π).
    Keeps(Id::Eex, F::NumberEntry, "EEX", "EEX", QT_TRANSLATE_NOOP("Functions", "enter exponent"),
          [](Doc& d) {
              if (d.m_bEntering) d.EntryExponent();
          }),
    // In integer mode CHS ends the entry and negates the word.
    WithWords(Keeps(Id::Chs, F::NumberEntry, "CHS", "CHS", QT_TRANSLATE_NOOP("Functions", "change sign"),
                    [](Doc& d) {
                        if (d.m_bEntering)
                            d.EntryChangeSign();
                        else
                            d.m_dX = -d.m_dX;
                    }),
              [](Doc& d, int) {
                  d.CommitEntry();
                  d.WordUnary(word::Negate);
              }),
    Keeps(Id::Backspace, F::NumberEntry, "←", "BS", QT_TRANSLATE_NOOP("Functions", "backspace"),
          [](Doc& d) {
              if (d.m_bEntering)
                  d.EntryBackspace();
              else
                  d.ClearX();
          }),
    // --- The keypad's own keys ------------------------------------------------------
    // F acts through the common ending, which turns the shift on and off.
    Keeps(Id::Shift, F::Keypad, "F", "F", QT_TRANSLATE_NOOP("Functions", "shift"), nullptr),
    Keeps(Id::About, F::Keypad, "?", "?", QT_TRANSLATE_NOOP("Functions", "about Tabrix"),
          [](Doc& d) { d.RequestAbout(); }),
    // --- Arithmetic -----------------------------------------------------------------
    WithWords(Binary(Id::Add, F::Arithmetic, "+", "+", QT_TRANSLATE_NOOP("Functions", "add"),
                     [](double y, double x) { return y + x; }),
              [](Doc& d, int) { d.WordBinary(word::Add); }),
    WithWords(Binary(Id::Subtract, F::Arithmetic, "−", "-", QT_TRANSLATE_NOOP("Functions", "subtract"),
                     [](double y, double x) { return y - x; }),
              [](Doc& d, int) { d.WordBinary(word::Subtract); }),
    WithWords(Binary(Id::Multiply, F::Arithmetic, "×", "*", QT_TRANSLATE_NOOP("Functions", "multiply"),
                     [](double y, double x) { return y * x; }),
              [](Doc& d, int) { d.WordBinary(word::Multiply); }),
    // In integer mode the quotient is truncated toward zero (rmd gives the rest).
    WithWords(Binary(Id::Divide, F::Arithmetic, "÷", "/", QT_TRANSLATE_NOOP("Functions", "divide"),
                     [](double y, double x) { return y / x; }),
              [](Doc& d, int) { d.WordDivision(word::Divide); }),
    CommitsX(Id::Percent, F::Arithmetic, "%", "%", QT_TRANSLATE_NOOP("Functions", "percent"), LiftRule::Untouched,
             [](Doc& d) { d.m_dX = (d.m_dY * d.m_dX) * 0.01; }),
    Unary(Id::Reciprocal, F::Arithmetic, "1/x", "INV", QT_TRANSLATE_NOOP("Functions", "reciprocal"),
          [](const Doc&, double x) { return 1 / x; }),
    Unary(Id::Abs, F::Arithmetic, "ABS", "abs", QT_TRANSLATE_NOOP("Functions", "absolute value"),
          [](const Doc&, double x) { return std::fabs(x); }),
    Unary(Id::IntegerPart, F::Arithmetic, "INT", "int", QT_TRANSLATE_NOOP("Functions", "integer part, toward zero"),
          [](const Doc&, double x) { return IntegerPart(x); }),
    Unary(Id::FractionalPart, F::Arithmetic, "FRAC", "frac",
          QT_TRANSLATE_NOOP("Functions", "fractional part, with the sign of x"),
          [](const Doc&, double x) { return FractionalPart(x); }),
    Binary(Id::Mod, F::Arithmetic, "MOD", "mod", QT_TRANSLATE_NOOP("Functions", "y modulo x, with the sign of x"),
           Modulo),
    Unary(Id::Round, F::Arithmetic, "RND", "rnd", QT_TRANSLATE_NOOP("Functions", "x rounded as the display shows it"),
          [](const Doc& d, double x) { return d.RoundToDisplay(x); }),
    // --- Powers and logarithms --------------------------------------------------------
    Unary(Id::Exp, F::Powers, "eˣ", "EXP", QT_TRANSLATE_NOOP("Functions", "e to the power x"),
          [](const Doc&, double x) { return std::exp(x); }),
    Unary(Id::Ln, F::Powers, "LN", "LN", QT_TRANSLATE_NOOP("Functions", "natural logarithm"),
          [](const Doc&, double x) { return std::log(x); }),
    Unary(Id::Alog, F::Powers, "10ˣ", "ALOG", QT_TRANSLATE_NOOP("Functions", "10 to the power x"),
          [](const Doc&, double x) { return std::pow(10.0, x); }),
    Unary(Id::Log, F::Powers, "LOG", "LOG", QT_TRANSLATE_NOOP("Functions", "common logarithm"),
          [](const Doc&, double x) { return std::log10(x); }),
    Binary(Id::Power, F::Powers, "yˣ", "POW", QT_TRANSLATE_NOOP("Functions", "y to the power x"),
           [](double y, double x) { return std::pow(y, x); }),
    Unary(Id::Sqrt, F::Powers, "√x", "SQRT", QT_TRANSLATE_NOOP("Functions", "square root"),
          [](const Doc&, double x) { return std::sqrt(x); }),
    Unary(Id::Square, F::Powers, "x²", "SQ", QT_TRANSLATE_NOOP("Functions", "square"),
          [](const Doc&, double x) { return x * x; }),
    // --- Trigonometry -----------------------------------------------------------------
    Unary(Id::Sin, F::Trigonometry, "SIN", "SIN", QT_TRANSLATE_NOOP("Functions", "sine"), Sine),
    Unary(Id::Cos, F::Trigonometry, "COS", "COS", QT_TRANSLATE_NOOP("Functions", "cosine"), Cosine),
    Unary(Id::Tan, F::Trigonometry, "TAN", "TAN", QT_TRANSLATE_NOOP("Functions", "tangent"), Tangent),
    Unary(Id::ArcSin, F::Trigonometry, "SIN⁻¹", "ASIN", QT_TRANSLATE_NOOP("Functions", "arc sine"), ArcSine),
    Unary(Id::ArcCos, F::Trigonometry, "COS⁻¹", "ACOS", QT_TRANSLATE_NOOP("Functions", "arc cosine"), ArcCosine),
    Unary(Id::ArcTan, F::Trigonometry, "TAN⁻¹", "ATAN", QT_TRANSLATE_NOOP("Functions", "arc tangent"), ArcTangent),
    Prefix(Id::Hyp, F::Trigonometry, words::kHyp, QT_TRANSLATE_NOOP("Functions", "hyperbolic functions")),
    // The hyperbolic functions by name: what HYP and the key give, without the prefix.
    Unary(Id::Sinh, F::Trigonometry, "SINH", "sinh", QT_TRANSLATE_NOOP("Functions", "hyperbolic sine"),
          [](const Doc&, double x) { return std::sinh(x); }),
    Unary(Id::Cosh, F::Trigonometry, "COSH", "cosh", QT_TRANSLATE_NOOP("Functions", "hyperbolic cosine"),
          [](const Doc&, double x) { return std::cosh(x); }),
    Unary(Id::Tanh, F::Trigonometry, "TANH", "tanh", QT_TRANSLATE_NOOP("Functions", "hyperbolic tangent"),
          [](const Doc&, double x) { return std::tanh(x); }),
    Unary(Id::ArcSinh, F::Trigonometry, "SINH⁻¹", "asinh", QT_TRANSLATE_NOOP("Functions", "inverse hyperbolic sine"),
          [](const Doc& d, double x) { return d.ArcSinh(x); }),
    Unary(Id::ArcCosh, F::Trigonometry, "COSH⁻¹", "acosh",
          QT_TRANSLATE_NOOP("Functions", "inverse hyperbolic cosine"),
          [](const Doc& d, double x) { return d.ArcCosh(x); }),
    Unary(Id::ArcTanh, F::Trigonometry, "TANH⁻¹", "atanh",
          QT_TRANSLATE_NOOP("Functions", "inverse hyperbolic tangent"),
          [](const Doc& d, double x) { return d.ArcTanh(x); }),
    // π needs a committed X: while a number is typed, its key starts the exponent.
    Keeps(Id::Pi, F::Trigonometry, "π", "PI", QT_TRANSLATE_NOOP("Functions", "pi"),
          [](Doc& d) {
              if (d.m_bEntering)
                  d.EntryExponent();
              else
                  d.m_dX = kPiConstant;
          }),
    Keeps(Id::Deg, F::Trigonometry, words::kDeg, words::kDeg, QT_TRANSLATE_NOOP("Functions", "angles in degrees"),
          [](Doc& d) { d.m_strAngle = words::kDeg; }),
    Keeps(Id::Rad, F::Trigonometry, words::kRad, words::kRad, QT_TRANSLATE_NOOP("Functions", "angles in radians"),
          [](Doc& d) { d.m_strAngle = words::kRad; }),
    Keeps(Id::Grd, F::Trigonometry, words::kGrd, words::kGrd, QT_TRANSLATE_NOOP("Functions", "angles in grads"),
          [](Doc& d) { d.m_strAngle = words::kGrd; }),
    CommitsX(Id::ToPolar, F::Trigonometry, "→P", ">P", QT_TRANSLATE_NOOP("Functions", "to polar"), LiftRule::Enables,
             [](Doc& d) { d.RectangularToPolar(); }),
    CommitsX(Id::ToRectangular, F::Trigonometry, "→R", ">R", QT_TRANSLATE_NOOP("Functions", "to rectangular"),
             LiftRule::Enables, [](Doc& d) { d.PolarToRectangular(); }),
    // --- Conversions ------------------------------------------------------------------
    Unary(Id::ToDegrees, F::Conversions, "→DEG", ">DEG", QT_TRANSLATE_NOOP("Functions", "radians to degrees"),
          [](const Doc&, double x) { return (180 / kPiConstant) * x; }),
    Unary(Id::ToRadians, F::Conversions, "→RAD", ">RAD", QT_TRANSLATE_NOOP("Functions", "degrees to radians"),
          [](const Doc&, double x) { return (x * kPiConstant) * kOne180th; }),
    Unary(Id::ToHms, F::Conversions, "→HMS", ">hms",
          QT_TRANSLATE_NOOP("Functions", "decimal hours to hours, minutes and seconds (H.MMSS)"),
          [](const Doc&, double x) { return HoursToHms(x); }),
    Unary(Id::ToHours, F::Conversions, "→H", ">h",
          QT_TRANSLATE_NOOP("Functions", "hours, minutes and seconds (H.MMSS) to decimal hours"),
          [](const Doc&, double x) { return HmsToHours(x); }),
    // --- Probability --------------------------------------------------------------------
    Unary(Id::Factorial, F::Probability, "x!", "FACT", QT_TRANSLATE_NOOP("Functions", "factorial"),
          [](const Doc& d, double x) { return d.Factorial(x); }),
    // RAN# replaces X; a number being typed is committed first, then replaced like any X.
    Commits(Id::Random, F::Probability, "RAN#", "RAN", QT_TRANSLATE_NOOP("Functions", "random number"),
            [](Doc& d) { d.RandomNumber(); }),
    Binary(Id::Combinations, F::Probability, "nCr", "ncr",
           QT_TRANSLATE_NOOP("Functions", "combinations of y things taken x at a time"), Combinations),
    Binary(Id::Permutations, F::Probability, "nPr", "npr",
           QT_TRANSLATE_NOOP("Functions", "permutations of y things taken x at a time"), Permutations),
    // --- Stack ----------------------------------------------------------------------------
    Act(Id::Enter, F::Stack, "ENTER", "ENTER", QT_TRANSLATE_NOOP("Functions", "enter, lifting the stack"),
        EntryRule::Commits, LiftRule::Disables, [](Doc& d) { d.LiftStack(); }),
    Commits(Id::Swap, F::Stack, "x≷y", "SWAP", QT_TRANSLATE_NOOP("Functions", "exchange x and y"),
            [](Doc& d) { d.SwapXY(); }),
    Commits(Id::RollDown, F::Stack, "R↓", "RDN", QT_TRANSLATE_NOOP("Functions", "roll the stack down"),
            [](Doc& d) { d.RollDown(); }),
    Commits(Id::RollUp, F::Stack, "R↑", "RUP", QT_TRANSLATE_NOOP("Functions", "roll the stack up"),
            [](Doc& d) { d.RollUp(); }),
    Keeps(Id::ClearX, F::Stack, "CLX", "CLX", QT_TRANSLATE_NOOP("Functions", "clear x"), [](Doc& d) { d.ClearX(); }),
    Keeps(Id::ClearAll, F::Stack, "CLR", "CLR", QT_TRANSLATE_NOOP("Functions", "clear all"),
          [](Doc& d) { d.ClearAll(); }),
    // LAST X lifts the stack as RCL does, and a number typed next pushes it up.
    Act(Id::LastX, F::Stack, "LASTx", "lastx", QT_TRANSLATE_NOOP("Functions", "the x before the last operation"),
        EntryRule::Commits, LiftRule::Enables, [](Doc& d) { d.RecallLastX(); }),
    // --- Display ----------------------------------------------------------------------------
    Prefix(Id::Fix, F::Display, words::kFix, QT_TRANSLATE_NOOP("Functions", "display digits")),
    Prefix(Id::Sci, F::Display, words::kSci, QT_TRANSLATE_NOOP("Functions", "scientific display, digits")),
    Prefix(Id::Eng, F::Display, words::kEng, QT_TRANSLATE_NOOP("Functions", "engineering display, digits")),
    // --- Registers ----------------------------------------------------------------------------
    Prefix(Id::Store, F::Registers, words::kSto, QT_TRANSLATE_NOOP("Functions", "store in a register")),
    Prefix(Id::Recall, F::Registers, words::kRcl, QT_TRANSLATE_NOOP("Functions", "recall a register")),
    WithWords(StoreArithmetic(Id::StoreAdd, "STO+", "sto+", QT_TRANSLATE_NOOP("Functions", "add x to a register"),
                              StoreAdd),
              StoreWord<word::Add>),
    WithWords(StoreArithmetic(Id::StoreSubtract, "STO−", "sto-", QT_TRANSLATE_NOOP("Functions", "subtract x from a register"),
                    StoreSubtract), StoreWord<word::Subtract>),
    WithWords(StoreArithmetic(Id::StoreMultiply, "STO×", "sto*", QT_TRANSLATE_NOOP("Functions", "multiply a register by x"),
                    StoreMultiply), StoreWord<word::Multiply>),
    WithWords(StoreArithmetic(Id::StoreDivide, "STO÷", "sto/", QT_TRANSLATE_NOOP("Functions", "divide a register by x"),
                    StoreDivide),
              [](Doc& d, int n) {
                  if (ZeroWord(d)) return d.Fail(StatisticsError::DivisionByZero);
                  d.CombineRegisterWord(n, Defined<word::Divide>);
              }),
    // --- Programs ------------------------------------------------------------------------------
    Word(Id::Run, "RUN", "run", QT_TRANSLATE_NOOP("Functions", "run a program from its start"), ProgramWord::Call,
         ArgumentKind::ProgramName),
    Word(Id::Call, "GSB", "gsb", QT_TRANSLATE_NOOP("Functions", "call a program, then go on after the step"),
         ProgramWord::Call, ArgumentKind::ProgramName),
    Word(Id::Label, "LBL", "lbl", QT_TRANSLATE_NOOP("Functions", "a label of the program"), ProgramWord::Label,
         ArgumentKind::Label),
    Word(Id::Goto, "GTO", "gto", QT_TRANSLATE_NOOP("Functions", "jump to a label of the program"), ProgramWord::Goto,
         ArgumentKind::Label),
    Word(Id::Return, "RTN", "rtn", QT_TRANSLATE_NOOP("Functions", "return, as reaching the end does"),
         ProgramWord::Return),
    Word(Id::TestXEqual, "x=0?", "x=0?", kTestX, ProgramWord::TestX, ArgumentKind::None, Compare::Equal),
    Word(Id::TestXNotEqual, "x≠0?", "x!=0?", kTestX, ProgramWord::TestX, ArgumentKind::None, Compare::NotEqual),
    Word(Id::TestXLess, "x<0?", "x<0?", kTestX, ProgramWord::TestX, ArgumentKind::None, Compare::Less),
    Word(Id::TestXGreater, "x>0?", "x>0?", kTestX, ProgramWord::TestX, ArgumentKind::None, Compare::Greater),
    Word(Id::TestXLessOrEqual, "x≤0?", "x<=0?", kTestX, ProgramWord::TestX, ArgumentKind::None,
         Compare::LessOrEqual),
    Word(Id::TestXGreaterOrEqual, "x≥0?", "x>=0?", kTestX, ProgramWord::TestX, ArgumentKind::None,
         Compare::GreaterOrEqual),
    Word(Id::TestXYEqual, "x=y?", "x=y?", kTestXY, ProgramWord::TestXY, ArgumentKind::None, Compare::Equal),
    Word(Id::TestXYNotEqual, "x≠y?", "x!=y?", kTestXY, ProgramWord::TestXY, ArgumentKind::None, Compare::NotEqual),
    Word(Id::TestXYLess, "x<y?", "x<y?", kTestXY, ProgramWord::TestXY, ArgumentKind::None, Compare::Less),
    Word(Id::TestXYGreater, "x>y?", "x>y?", kTestXY, ProgramWord::TestXY, ArgumentKind::None, Compare::Greater),
    Word(Id::TestXYLessOrEqual, "x≤y?", "x<=y?", kTestXY, ProgramWord::TestXY, ArgumentKind::None,
         Compare::LessOrEqual),
    Word(Id::TestXYGreaterOrEqual, "x≥y?", "x>=y?", kTestXY, ProgramWord::TestXY, ArgumentKind::None,
         Compare::GreaterOrEqual),
    Word(Id::Decrement, "DSZ", "dsz",
         QT_TRANSLATE_NOOP("Functions", "a register minus 1: when it is 0, skip the next step"),
         ProgramWord::Decrement, ArgumentKind::Register),
    Word(Id::Increment, "ISZ", "isz",
         QT_TRANSLATE_NOOP("Functions", "a register plus 1: when it is 0, skip the next step"),
         ProgramWord::Increment, ArgumentKind::Register),
    Word(Id::Stop, "STOP", "stop", QT_TRANSLATE_NOOP("Functions", "the run stops here (cont goes on)"),
         ProgramWord::Stop),
    Word(Id::Pause, "PSE", "pse", QT_TRANSLATE_NOOP("Functions", "pause: show the calculator a moment"),
         ProgramWord::Pause),
    Word(Id::Continue, "CONT", "cont", QT_TRANSLATE_NOOP("Functions", "go on after the stop where a run stopped"),
         ProgramWord::Continue),
    Word(Id::Step, "SST", "sst", QT_TRANSLATE_NOOP("Functions", "one step of the stopped run"), ProgramWord::Step),
    Word(Id::StepProgram, "SST", "sst", QT_TRANSLATE_NOOP("Functions", "begin a program stopped, then one step"),
         ProgramWord::Step, ArgumentKind::ProgramName),
    // --- Statistics ------------------------------------------------------------------------------
    // Σ+ leaves the count in X with stack lift off, so that the next number typed replaces it.
    Act(Id::SumPlus, F::Statistics, "Σ+", "sum+", QT_TRANSLATE_NOOP("Functions", "add the point (x, y) to the statistics"),
        EntryRule::Commits, LiftRule::Disables, [](Doc& d) { Accumulate(d, 1); }),
    Act(Id::SumMinus, F::Statistics, "Σ−", "sum-",
        QT_TRANSLATE_NOOP("Functions", "take the point (x, y) back out of the statistics"), EntryRule::Commits,
        LiftRule::Disables, [](Doc& d) { Accumulate(d, -1); }),
    Commits(Id::SumClear, F::Statistics, "CLΣ", "sum-clear", QT_TRANSLATE_NOOP("Functions", "remove all points"),
            [](Doc& d) { d.m_stats.Clear(); }),
    Statistic(Id::PointCount, "n", "n", QT_TRANSLATE_NOOP("Functions", "the number of points"),
              [](Doc& d) {
                  d.LiftStack();
                  d.m_dX = static_cast<double>(d.m_stats.Count());
              }),
    Statistic(Id::Mean, "x̄", "mean", QT_TRANSLATE_NOOP("Functions", "the means: x̄ into x, ȳ into y"),
              [](Doc& d) { Give(d, d.m_stats.Mean(), 2); }),
    Statistic(Id::SampleDeviation, "s", "sdev",
              QT_TRANSLATE_NOOP("Functions", "sample standard deviations: sx into x, sy into y"),
              [](Doc& d) { Give(d, d.m_stats.SampleDeviation(), 2); }),
    Statistic(Id::PopulationDeviation, "σ", "pdev",
              QT_TRANSLATE_NOOP("Functions", "population standard deviations: σx into x, σy into y"),
              [](Doc& d) { Give(d, d.m_stats.PopulationDeviation(), 2); }),
    Statistic(Id::WeightedMean, "x̄w", "wmean", QT_TRANSLATE_NOOP("Functions", "the mean of x weighted by y"),
              [](Doc& d) { Give(d, d.m_stats.WeightedMean(), 1); }),
    Statistic(Id::Regression, "L.R.", "lr",
              QT_TRANSLATE_NOOP("Functions", "linear regression y = a + b·x: a into x, b into y"),
              [](Doc& d) { Give(d, d.m_stats.Regression(), 2); }),
    Statistic(Id::EstimateY, "ŷ,r", "yhat",
              QT_TRANSLATE_NOOP("Functions", "ŷ on the regression line for x, and r into y"),
              [](Doc& d) { GiveFor(d, d.m_stats.EstimateY(d.m_dX), 2); }),
    Statistic(Id::EstimateX, "x̂", "xhat", QT_TRANSLATE_NOOP("Functions", "x̂ on the regression line for the y in x"),
              [](Doc& d) { GiveFor(d, d.m_stats.EstimateX(d.m_dX), 1); }),
    Statistic(Id::Correlation, "r", "corr", QT_TRANSLATE_NOOP("Functions", "the correlation coefficient r"),
              [](Doc& d) { Give(d, d.m_stats.Correlation(), 1); }),
    Statistic(Id::Sums, "Σ", "sums", QT_TRANSLATE_NOOP("Functions", "the sums: Σx, Σy, Σx², Σy² into x, y, z, t"),
              [](Doc& d) {
                  const StatisticsAnswer sums = d.m_stats.Sums();
                  if (!sums.Ok()) return d.Fail(sums.error);
                  d.m_dX = sums.values[0];
                  d.m_dY = sums.values[1];
                  d.m_dZ = sums.values[2];
                  d.m_dT = sums.values[3];
              }),
    // --- Programs, continued ----------------------------------------------------------------
    Word(Id::Solve, "SOLVE", "solve",
         QT_TRANSLATE_NOOP("Functions", "a root of a program's f(x), from two guesses in y and x"), ProgramWord::Solve,
         ArgumentKind::ProgramName),
    Word(Id::Integrate, "∫", "integrate",
         QT_TRANSLATE_NOOP("Functions", "the integral of a program's f(x) from y to x, its error estimate into y"),
         ProgramWord::Integrate, ArgumentKind::ProgramName),
    // --- Integer mode ----------------------------------------------------------------------
    WordSetting(Id::Hex, "HEX", "hex", QT_TRANSLATE_NOOP("Functions", "integer mode in hexadecimal"),
                [](Doc& d, int) { d.SetBase(16); }),
    WordSetting(Id::Dec, "DEC", "dec", QT_TRANSLATE_NOOP("Functions", "integer mode in decimal"),
                [](Doc& d, int) { d.SetBase(10); }),
    WordSetting(Id::Oct, "OCT", "oct", QT_TRANSLATE_NOOP("Functions", "integer mode in octal"),
                [](Doc& d, int) { d.SetBase(8); }),
    WordSetting(Id::Bin, "BIN", "bin", QT_TRANSLATE_NOOP("Functions", "integer mode in binary"),
                [](Doc& d, int) { d.SetBase(2); }),
    WordSetting(Id::Float, "FLOAT", "float", QT_TRANSLATE_NOOP("Functions", "back to the float modes"),
                [](Doc& d, int) { d.LeaveIntegerMode(); }),
    WordSetting(Id::WordSize, "WSIZE", "ws", QT_TRANSLATE_NOOP("Functions", "word size in bits, 1 to 64"),
                [](Doc& d, int n) { d.SetWordSize(n); }, ArgumentKind::WordSize),
    WordSetting(Id::Unsigned, "UNSGN", "unsigned", QT_TRANSLATE_NOOP("Functions", "words unsigned"),
                [](Doc& d, int) { d.SetSignMode(SignMode::Unsigned); }),
    WordSetting(Id::OnesComplement, "1's", "1s", QT_TRANSLATE_NOOP("Functions", "words in ones' complement"),
                [](Doc& d, int) { d.SetSignMode(SignMode::OnesComplement); }),
    WordSetting(Id::TwosComplement, "2's", "2s", QT_TRANSLATE_NOOP("Functions", "words in two's complement"),
                [](Doc& d, int) { d.SetSignMode(SignMode::TwosComplement); }),
    WordOperation(Id::Remainder, "RMD", "rmd",
                  QT_TRANSLATE_NOOP("Functions", "the remainder of y ÷ x, with the sign of y"),
                  [](Doc& d, int) { d.WordDivision(word::Remainder); }),
    WordOperation(Id::And, "AND", "and", QT_TRANSLATE_NOOP("Functions", "bitwise and of y and x"),
                  [](Doc& d, int) { d.WordBinary(word::And); }),
    WordOperation(Id::Or, "OR", "or", QT_TRANSLATE_NOOP("Functions", "bitwise or of y and x"),
                  [](Doc& d, int) { d.WordBinary(word::Or); }),
    WordOperation(Id::Xor, "XOR", "xor", QT_TRANSLATE_NOOP("Functions", "bitwise exclusive or of y and x"),
                  [](Doc& d, int) { d.WordBinary(word::Xor); }),
    WordOperation(Id::Not, "NOT", "not", QT_TRANSLATE_NOOP("Functions", "every bit of x inverted"),
                  [](Doc& d, int) { d.WordUnary(word::Not); }),
    WordOperation(Id::ShiftLeft, "SL", "sl", QT_TRANSLATE_NOOP("Functions", "shift x left one bit"),
                  [](Doc& d, int) { d.WordShift(word::ShiftLeft, 1); }),
    WordOperation(Id::ShiftLeftBy, "SL", "sl", QT_TRANSLATE_NOOP("Functions", "shift x left N bits"),
                  [](Doc& d, int n) { d.WordShift(word::ShiftLeft, n); }, ArgumentKind::Count),
    WordOperation(Id::ShiftRight, "SR", "sr", QT_TRANSLATE_NOOP("Functions", "shift x right one bit"),
                  [](Doc& d, int) { d.WordShift(word::ShiftRight, 1); }),
    WordOperation(Id::ShiftRightBy, "SR", "sr", QT_TRANSLATE_NOOP("Functions", "shift x right N bits"),
                  [](Doc& d, int n) { d.WordShift(word::ShiftRight, n); }, ArgumentKind::Count),
    WordOperation(Id::ShiftArithmetic, "ASR", "asr",
                  QT_TRANSLATE_NOOP("Functions", "shift x right one bit, keeping its top bit"),
                  [](Doc& d, int) { d.WordShift(word::ShiftArithmetic, 1); }),
    WordOperation(Id::ShiftArithmeticBy, "ASR", "asr",
                  QT_TRANSLATE_NOOP("Functions", "shift x right N bits, keeping its top bit"),
                  [](Doc& d, int n) { d.WordShift(word::ShiftArithmetic, n); }, ArgumentKind::Count),
    WordOperation(Id::RotateLeft, "RL", "rl", QT_TRANSLATE_NOOP("Functions", "rotate x left one bit"),
                  [](Doc& d, int) { d.WordShift(word::RotateLeft, 1); }),
    WordOperation(Id::RotateLeftBy, "RL", "rl", QT_TRANSLATE_NOOP("Functions", "rotate x left N bits"),
                  [](Doc& d, int n) { d.WordShift(word::RotateLeft, n); }, ArgumentKind::Count),
    WordOperation(Id::RotateRight, "RR", "rr", QT_TRANSLATE_NOOP("Functions", "rotate x right one bit"),
                  [](Doc& d, int) { d.WordShift(word::RotateRight, 1); }),
    WordOperation(Id::RotateRightBy, "RR", "rr", QT_TRANSLATE_NOOP("Functions", "rotate x right N bits"),
                  [](Doc& d, int n) { d.WordShift(word::RotateRight, n); }, ArgumentKind::Count),
    WordMask(Id::MaskLeft, "MASKL", "maskl", QT_TRANSLATE_NOOP("Functions", "a word of N ones at the top"),
             [](Doc& d, int n) { d.PushWord(word::MaskLeft(n, d.m_integer.Format()).word); }),
    WordMask(Id::MaskRight, "MASKR", "maskr", QT_TRANSLATE_NOOP("Functions", "a word of N ones at the bottom"),
             [](Doc& d, int n) { d.PushWord(word::MaskRight(n, d.m_integer.Format()).word); }),
    WordOperation(Id::BitCount, "#B", "bits", QT_TRANSLATE_NOOP("Functions", "the number of 1 bits in x"),
                  [](Doc& d, int) { d.WordUnary(word::BitCount); }),
    WordOperation(Id::LeftJustify, "LJ", "lj",
                  QT_TRANSLATE_NOOP("Functions", "x shifted left until its top bit is set into y, the places into x"),
                  [](Doc& d, int) { d.LeftJustifyX(); }),
    Window(Id::WindowLeft, "◂", "window<",
           QT_TRANSLATE_NOOP("Functions", "show the higher digits of a long word"), 1),
    Window(Id::WindowRight, "▸", "window>",
           QT_TRANSLATE_NOOP("Functions", "show the lower digits of a long word"), -1),
    HexDigit(Id::DigitA, "A", "xA", 10), HexDigit(Id::DigitB, "B", "xB", 11), HexDigit(Id::DigitC, "C", "xC", 12),
    HexDigit(Id::DigitD, "D", "xD", 13), HexDigit(Id::DigitE, "E", "xE", 14), HexDigit(Id::DigitF, "F", "xF", 15),
    WordOperation(Id::FlipBit, "FLIP", "flip", QT_TRANSLATE_NOOP("Functions", "toggle bit N of x (bit 0 is the lowest)"),
                  [](Doc& d, int n) { d.FlipBit(n); }, ArgumentKind::Count),
};

namespace {

constexpr bool RowsAreInIdOrder() {
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        if (static_cast<std::size_t>(kRows[i].id) != i) return false;
    }
    return true;
}
static_assert(RowsAreInIdOrder(), "the catalogue is indexed by FunctionId");

constexpr std::pair<Family, const char*> kFamilyNames[] = {
    {Family::NumberEntry, QT_TRANSLATE_NOOP("Functions", "Number entry")},
    {Family::Arithmetic, QT_TRANSLATE_NOOP("Functions", "Arithmetic")},
    {Family::Powers, QT_TRANSLATE_NOOP("Functions", "Powers and logarithms")},
    {Family::Trigonometry, QT_TRANSLATE_NOOP("Functions", "Trigonometry")},
    {Family::Conversions, QT_TRANSLATE_NOOP("Functions", "Conversions")},
    {Family::Probability, QT_TRANSLATE_NOOP("Functions", "Probability")},
    {Family::Stack, QT_TRANSLATE_NOOP("Functions", "Stack")},
    {Family::Display, QT_TRANSLATE_NOOP("Functions", "Display")},
    {Family::Registers, QT_TRANSLATE_NOOP("Functions", "Registers")},
    {Family::Programs, QT_TRANSLATE_NOOP("Functions", "Programs")},
    {Family::Keypad, QT_TRANSLATE_NOOP("Functions", "Keypad")},
    {Family::Statistics, QT_TRANSLATE_NOOP("Functions", "Statistics")},
    {Family::Integers, QT_TRANSLATE_NOOP("Functions", "Integers and bases")},
};

constexpr char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameWord(std::string_view token, std::string_view word) {
    if (token.size() != word.size()) return false;
    for (std::size_t i = 0; i < token.size(); ++i) {
        if (UpperAscii(token[i]) != UpperAscii(word[i])) return false;
    }
    return true;
}

// The rows by the first character of their token, upper-cased, made at
// compile time: a word is looked up among a handful, without a copy (every
// token of a long script comes here). rows[start[c] .. start[c + 1]) are
// those whose token begins with c.
struct Lookup {
    std::array<std::uint16_t, 129> start{};
    std::array<std::uint16_t, std::size(kRows)> rows{};
};

constexpr bool Listed(const Function& function) {
    return !function.token.empty() && (function.digit < 0 || function.digit > 9);
}
constexpr std::size_t FirstOf(const Function& function) {
    return static_cast<unsigned char>(UpperAscii(function.token.front())) & 0x7F;
}

constexpr Lookup MakeLookup() {
    Lookup lookup;
    for (const Function& function : kRows) {
        if (Listed(function)) ++lookup.start[FirstOf(function) + 1];
    }
    for (std::size_t c = 1; c < lookup.start.size(); ++c) lookup.start[c] += lookup.start[c - 1];
    std::array<std::uint16_t, 128> next{};
    for (std::size_t c = 0; c < next.size(); ++c) next[c] = lookup.start[c];
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        if (Listed(kRows[i])) lookup.rows[next[FirstOf(kRows[i])]++] = static_cast<std::uint16_t>(i);
    }
    return lookup;
}
constexpr Lookup kLookup = MakeLookup();

// The row whose token is this one character, for the commonest words ("+", "*").
constexpr std::array<std::uint16_t, 128> MakeSingles() {
    std::array<std::uint16_t, 128> singles{};
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const Function& function = kRows[i];
        if (Listed(function) && function.token.size() == 1 && function.argument == ArgumentKind::None) {
            singles[FirstOf(function)] = static_cast<std::uint16_t>(i);
        }
    }
    return singles;
}
constexpr std::array<std::uint16_t, 128> kSingles = MakeSingles();

}  // namespace

const Function* Find(std::string_view word, bool withArgument) {
    if (word.empty()) return nullptr;
    const auto first = static_cast<unsigned char>(UpperAscii(word.front()));
    if (first >= 128) return nullptr;
    if (word.size() == 1 && !withArgument) return kSingles[first] != 0 ? &kRows[kSingles[first]] : nullptr;
    for (std::size_t i = kLookup.start[first]; i < kLookup.start[first + 1]; ++i) {
        const Function& function = kRows[kLookup.rows[i]];
        if ((function.argument != ArgumentKind::None) == withArgument && SameWord(function.token, word)) return &function;
    }
    return nullptr;
}

std::string_view FamilyName(Family family) {
    for (const auto& [which, name] : kFamilyNames) {
        if (which == family) return name;
    }
    return {};
}

namespace {

// The key of every function, looked up once: tokens ask on every word.
const std::array<std::optional<FaceKey>, std::size(kRows)> kKeys = [] {
    std::array<std::optional<FaceKey>, std::size(kRows)> found{};
    for (const KeyRow& row : KeyTable()) {
        for (const bool shifted : {false, true}) {
            const FunctionId function = shifted ? row.shifted : row.plain;
            auto& key = found[static_cast<std::size_t>(function)];
            if (function != FunctionId::None && !key) key = FaceKey{row.code, shifted};
        }
    }
    return found;
}();

}  // namespace

std::optional<FaceKey> KeyOf(FunctionId id) {
    const auto index = static_cast<std::size_t>(id);
    return index < kKeys.size() ? kKeys[index] : std::nullopt;
}

std::string TokenPattern(const Function& function) {
    std::string token(function.token);
    switch (function.argument) {
        case ArgumentKind::None: break;
        case ArgumentKind::Register: token += ":N"; break;
        case ArgumentKind::Label: token += ":L"; break;
        case ArgumentKind::ProgramName: token += ":NAME"; break;
        case ArgumentKind::WordSize:
        case ArgumentKind::Count: token += ":N"; break;
    }
    return token;
}

std::string TokenWith(const Function& function, std::uint32_t argument) {
    std::string token(function.token);
    if (function.argument != ArgumentKind::None) token += ':' + std::to_string(argument);
    return token;
}

std::string LabelWith(const Function& function, std::uint32_t argument) {
    std::string label(function.label);
    if (function.argument != ArgumentKind::None) label += ' ' + std::to_string(argument);
    return label;
}

std::optional<int> RegisterArgument(std::string_view text) {
    if (text.size() != 1 || text[0] < '0' || text[0] > '9') return std::nullopt;
    return text[0] - '0';
}

std::optional<int> NumberArgument(ArgumentKind kind, std::string_view text) {
    if (kind == ArgumentKind::Register) return RegisterArgument(text);
    if (kind != ArgumentKind::WordSize && kind != ArgumentKind::Count) return std::nullopt;
    if (text.empty() || text.size() > 2 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const int n = text.size() == 1 ? text[0] - '0' : (text[0] - '0') * 10 + (text[1] - '0');
    if (n > 64 || (kind == ArgumentKind::WordSize && n < 1)) return std::nullopt;
    return n;
}

}  // namespace tabrix::catalogue
