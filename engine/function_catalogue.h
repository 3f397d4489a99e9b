// The catalogue: every function the calculator has, one row each, whether a
// key, a token, a program step or the finder reaches it. A row says what the
// function is called (its token, its label, its description in words, its
// family), what it does with a number being typed and with stack lift, and
// what it does. The keypad is one layout over these rows (key_table.h); the
// console's tokens and help, programs, the tape, the tooltips, the finders
// and the web page's face all read them.
//
// Adding a function is adding one row here (and its translations): it then
// works as a token, as a program step, on the tape, in the finders and on
// the page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tabrix {

class CTabrixDoc;

// What a function does with a number being typed before it acts.
enum class EntryRule : std::uint8_t {
    Keeps,    // typing can go on afterwards (or the function decides, as ← does)
    Commits,  // the typed number becomes X first
};

// What a function leaves the stack-lift flag at.
enum class LiftRule : std::uint8_t { Untouched, Enables, Disables };

// The families the finders and the help group the functions by.
enum class Family : std::uint8_t {
    None,
    NumberEntry,
    Arithmetic,
    Powers,
    Trigonometry,
    Conversions,
    Probability,
    Stack,
    Display,
    Registers,
    Programs,
    Keypad,
    Statistics,
    Integers,
};

// The argument a token gives after a colon ("sto+:3", "lbl:loop").
enum class ArgumentKind : std::uint8_t {
    None,
    Register,     // one digit, 0 to 9
    Label,        // letters, digits or _
    ProgramName,  // a program's name
    WordSize,     // a word size, 1 to 64
    Count,        // a count of bits, 0 to 64
};

// The programs' own words: what a program step of this function does, where
// it is no calculator function. Read by the program compiler and the token
// reader; the calculator itself never carries them out.
enum class ProgramWord : std::uint8_t {
    None,
    Call,       // run:NAME, gsb:NAME (at the top: run NAME)
    Label,      // lbl:L
    Goto,       // gto:L
    Return,     // rtn
    TestX,      // x=0? and its kin: compare X with 0
    TestXY,     // x=y? and its kin: compare X with Y
    Decrement,  // dsz:N
    Increment,  // isz:N
    Stop,       // stop
    Pause,      // pse
    Continue,   // cont: go on with a stopped run (never a step)
    Step,       // sst, sst:NAME: one step of a stopped run (never a step)
    Solve,      // solve:NAME: a root of program NAME, from the guesses in Y and X
    Integrate,  // integrate:NAME: ∫ of program NAME from Y to X
};

// How a test compares.
enum class Compare : std::uint8_t { Equal, NotEqual, Less, Greater, LessOrEqual, GreaterOrEqual };

// Every function, by the place of its row.
enum class FunctionId : std::uint16_t {
    None,
    // Number entry
    Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
    Point, Eex, Chs, Backspace,
    // The keypad's own keys
    Shift, About,
    // Arithmetic
    Add, Subtract, Multiply, Divide, Percent, Reciprocal, Abs, IntegerPart, FractionalPart, Mod, Round,
    // Powers and logarithms
    Exp, Ln, Alog, Log, Power, Sqrt, Square,
    // Trigonometry
    Sin, Cos, Tan, ArcSin, ArcCos, ArcTan, Hyp, Sinh, Cosh, Tanh, ArcSinh, ArcCosh, ArcTanh, Pi, Deg, Rad, Grd,
    ToPolar, ToRectangular,
    // Conversions
    ToDegrees, ToRadians, ToHms, ToHours,
    // Probability
    Factorial, Random, Combinations, Permutations,
    // Stack
    Enter, Swap, RollDown, RollUp, ClearX, ClearAll, LastX,
    // Display
    Fix, Sci, Eng,
    // Registers
    Store, Recall, StoreAdd, StoreSubtract, StoreMultiply, StoreDivide,
    // Programs
    Run, Call, Label, Goto, Return,
    TestXEqual, TestXNotEqual, TestXLess, TestXGreater, TestXLessOrEqual, TestXGreaterOrEqual,
    TestXYEqual, TestXYNotEqual, TestXYLess, TestXYGreater, TestXYLessOrEqual, TestXYGreaterOrEqual,
    Decrement, Increment, Stop, Pause, Continue, Step, StepProgram,
    // Statistics
    SumPlus, SumMinus, SumClear, PointCount, Mean, SampleDeviation, PopulationDeviation, WeightedMean,
    Regression, EstimateY, EstimateX, Correlation, Sums,
    // Programs, continued
    Solve, Integrate,
    // Integer mode
    Hex, Dec, Oct, Bin, Float, WordSize, Unsigned, OnesComplement, TwosComplement,
    Remainder, And, Or, Xor, Not,
    ShiftLeft, ShiftLeftBy, ShiftRight, ShiftRightBy, ShiftArithmetic, ShiftArithmeticBy,
    RotateLeft, RotateLeftBy, RotateRight, RotateRightBy, MaskLeft, MaskRight, BitCount, LeftJustify,
    WindowLeft, WindowRight,
    DigitA, DigitB, DigitC, DigitD, DigitE, DigitF,
    FlipBit,
    Count
};

namespace catalogue {

// One function. Besides its names and rules, at most one of digit, prefix,
// unary, binary, act and actOn says what it does; a function with none of
// them does nothing but the common ending of every key.
struct Function {
    FunctionId id = FunctionId::None;
    std::string_view token = {};        // the console's word ("ASIN", "lastx", "sto+"); case does not matter
    std::string_view label = {};        // as printed on or above a key, or as the tape shows it ("SIN⁻¹")
    // What it does in words ("arc sine"), in English: the front ends
    // translate it (context "Functions"). Empty for the digits, which say it
    // themselves.
    std::string_view description = {};
    Family family = Family::None;
    ArgumentKind argument = ArgumentKind::None;
    ProgramWord word = ProgramWord::None;
    Compare compare = Compare::Equal;  // of a test
    EntryRule entry = EntryRule::Keeps;
    LiftRule lift = LiftRule::Untouched;
    bool savesLastX = false;  // X, the number it works on, becomes LAST X first
    int digit = -1;                                          // a digit key: OnDigit(digit)
    std::string_view prefix = {};                            // a prefix key: sets this word
    double (*unary)(const CTabrixDoc&, double x) = nullptr;  // X = unary(X)
    double (*binary)(double y, double x) = nullptr;          // X = binary(Y, X), then the stack drops
    void (*act)(CTabrixDoc&) = nullptr;                      // anything else
    void (*actOn)(CTabrixDoc&, int argument) = nullptr;      // the same, with the token's argument
    // Its meaning in integer mode, on the words (instead of the above). A
    // function that has only this one works in the float modes too, on X
    // and Y made words for it.
    void (*onWords)(CTabrixDoc&, int argument) = nullptr;

    bool IsPrefix() const { return !prefix.empty(); }
    bool HasFloatMeaning() const {
        return digit >= 0 || unary != nullptr || binary != nullptr || act != nullptr || actOn != nullptr;
    }
    // The main line's window over a long word stays through it (F, the
    // window's own keys); every other function shows the lowest digits again.
    bool KeepsWindow() const {
        return id == FunctionId::Shift || id == FunctionId::WindowLeft || id == FunctionId::WindowRight || IsPrefix();
    }
    bool Exists() const { return id != FunctionId::None; }
    // A calculator function (not one of the programs' own words).
    bool Calculates() const { return Exists() && word == ProgramWord::None; }
    // May stand outside a program: the calculator's functions, and run, cont, sst, solve and integrate.
    bool AtTopLevel() const {
        return word == ProgramWord::None || word == ProgramWord::Call || word == ProgramWord::Continue ||
               word == ProgramWord::Step || word == ProgramWord::Solve || word == ProgramWord::Integrate;
    }
    // May be a program's step: all but cont and sst.
    bool InProgram() const { return word != ProgramWord::Continue && word != ProgramWord::Step; }
};

// Every row, in FunctionId order (the first, None, among them).
extern const Function kRows[static_cast<std::size_t>(FunctionId::Count)];
inline std::span<const Function> All() { return kRows; }
// The row of `id`; None's for an id beyond them.
inline const Function& At(FunctionId id) {
    const auto index = static_cast<std::size_t>(id);
    return index < std::size(kRows) ? kRows[index] : kRows[0];
}

// The function a token's word names ("asin", "STO+"), case-insensitively in
// ASCII; `withArgument` says whether the token had ":ARGUMENT". Null for none.
const Function* Find(std::string_view word, bool withArgument);

// The family's name in English (translated with context "Functions").
std::string_view FamilyName(Family family);

// The key that gives a function on the face, when one does.
struct FaceKey {
    std::uint32_t code;
    bool shifted;
};
std::optional<FaceKey> KeyOf(FunctionId id);

// The token as it is written, with a placeholder for its argument
// ("sto+:N", "lbl:L", "run:NAME", "abs").
std::string TokenPattern(const Function& function);

// The token that gives `function` with `argument` ("sto+:3"; the token
// alone for a function without one), and the label the tape shows ("STO+ 3").
std::string TokenWith(const Function& function, std::uint32_t argument);
std::string LabelWith(const Function& function, std::uint32_t argument);

// Whether `text` is a register argument ("0" to "9"), and which.
std::optional<int> RegisterArgument(std::string_view text);
// The number argument of a function that takes a register, a word size or
// a count, when `text` is one in its range.
std::optional<int> NumberArgument(ArgumentKind kind, std::string_view text);

}  // namespace catalogue
}  // namespace tabrix
