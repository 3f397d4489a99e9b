// The calculator: its whole state record and every operation on it.
//
// CalculatorState is the plain value that holds everything the calculator
// remembers (stack, registers, the number being typed, modes, shift, prefix and
// the main LCD line). It copies and compares as a whole, so the state file, the
// console and an undo history can take snapshots of it.
//
// CTabrixDoc is that record plus the operations: key execution, number entry,
// arithmetic, display formatting and the keyboard mapping. It knows no window;
// the services it needs (random numbers, the About request, redraws) are
// passed in.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/integer_mode.h"
#include "engine/mode_words.h"
#include "engine/statistics.h"
#include "platform/services.h"

namespace tabrix {

namespace catalogue {
struct Function;
}

// The main line of a freshly reset calculator: zero as SCI 6 shows it, with the
// point drawn after the first digit.
inline constexpr const char* kZeroDisplay = " 0000000 00";
inline constexpr std::int32_t kZeroPointPos = 3;
// The main line of a statistics function that found no answer.
inline constexpr const char* kStatisticsErrorText = "ERROR: STAT";
// The main line of an integer division by 0.
inline constexpr const char* kDivisionErrorText = "ERROR: DIV0";
// The main line of a NaN and of an infinity in X.
inline constexpr const char* kNaNErrorText = "ERROR: NaN";
inline constexpr const char* kInfErrorText = "ERROR: Inf";

// Every member starts at the calculator's default (what Reset State gives).
struct CalculatorState {
    std::uint32_t m_nKey = 0;         // key code being pressed or executed, 0 = none
    std::string m_strDisplay{kZeroDisplay};  // main LCD line, one character per cell, no point
    bool m_bDecimal = false;          // the point has been typed in the entry
    bool m_bEntering = false;         // a number is being typed
    bool m_bExponent = false;         // the exponent is being typed (after EEX)
    bool m_bShift = false;            // the F shift is active for the next key
    bool m_bLift = true;              // stack lift enabled for the next entry
    bool m_bSpare = false;            // kept and saved, never read
    std::string m_strMantissa;        // digits typed before the point
    std::string m_strFraction;        // digits typed after the point
    std::string m_strExponent;        // exponent digits
    std::string m_strMantSign{" "};   // " " or "-"
    std::string m_strExpSign{" "};    // " " or "-"
    std::int32_t m_nPointPos = kZeroPointPos;  // point drawn after the first m_nPointPos - 1 cells; 0 = none
    double m_dX = 0;
    double m_dY = 0;
    double m_dZ = 0;
    double m_dT = 0;
    std::array<double, 10> m_dReg{};  // storage registers 0..9
    std::string m_strFormat{words::kSci};  // a display-format word
    std::int32_t m_nDigits = 6;       // display digit count 0..9
    std::string m_strPrefix;          // "" or a format, STO, RCL or HYP word
    std::string m_strAngle{words::kDeg};   // an angle-unit word
    // Beyond the state file's fields (kept in its extension block):
    double m_dLastX = 0;              // LAST X: X as the last operation found it
    Statistics m_stats;               // the points Σ+ added, never in the registers
    IntegerMode m_integer;            // HEX, DEC, OCT or BIN, and the exact words

    // Equal when every member is equal; doubles compare by their bits, so a
    // snapshot holding a NaN equals its own copy and -0 differs from +0.
    friend bool operator==(const CalculatorState& a, const CalculatorState& b);
};

// Calls visit(name, member of each state...) for every member of the state
// record, in the order above: the one list of members that comparison, the
// printouts and the console's JSON all walk, so that a member added to the
// record is compared, printed and shown everywhere at once. (A member the
// list misses does not compile: see calculator_state.cpp.)
template <typename Visit, typename... States>
void ForEachMember(Visit&& visit, States&... states) {
    visit("m_nKey", states.m_nKey...);
    visit("m_strDisplay", states.m_strDisplay...);
    visit("m_bDecimal", states.m_bDecimal...);
    visit("m_bEntering", states.m_bEntering...);
    visit("m_bExponent", states.m_bExponent...);
    visit("m_bShift", states.m_bShift...);
    visit("m_bLift", states.m_bLift...);
    visit("m_bSpare", states.m_bSpare...);
    visit("m_strMantissa", states.m_strMantissa...);
    visit("m_strFraction", states.m_strFraction...);
    visit("m_strExponent", states.m_strExponent...);
    visit("m_strMantSign", states.m_strMantSign...);
    visit("m_strExpSign", states.m_strExpSign...);
    visit("m_nPointPos", states.m_nPointPos...);
    visit("m_dX", states.m_dX...);
    visit("m_dY", states.m_dY...);
    visit("m_dZ", states.m_dZ...);
    visit("m_dT", states.m_dT...);
    visit("m_dReg", states.m_dReg...);
    visit("m_strFormat", states.m_strFormat...);
    visit("m_nDigits", states.m_nDigits...);
    visit("m_strPrefix", states.m_strPrefix...);
    visit("m_strAngle", states.m_strAngle...);
    visit("m_dLastX", states.m_dLastX...);
    visit("m_stats", states.m_stats...);
    visit("m_integer", states.m_integer...);
}
inline constexpr std::size_t kStateMemberCount = 26;

// GoogleTest and debugging: the members that differ from the defaults, as
// {m_dX=1.5, m_bLift=false, ...}; "{defaults}" when none does.
void PrintTo(const CalculatorState& state, std::ostream* out);

// The state without the key being held: that is the pointer's business, not
// part of what the calculator holds (a snapshot, a tape's start, a kept session).
inline CalculatorState WithoutHeldKey(const CalculatorState& state) {
    CalculatorState copy = state;
    copy.m_nKey = 0;
    return copy;
}

class CTabrixDoc : public CalculatorState {
public:
    // Construction sets m_nKey to 0 and every other member to its default, so
    // the document is usable at once. Without a random source the document
    // uses its own, seeded unpredictably.
    explicit CTabrixDoc(IRandomSource* random = nullptr, IShellRequests* shell = nullptr);
    ~CTabrixDoc();
    CTabrixDoc(const CTabrixDoc&) = delete;
    CTabrixDoc& operator=(const CTabrixDoc&) = delete;

    void SetRandomSource(IRandomSource* random);
    void SetShellRequests(IShellRequests* shell);

    // The state record alone, for snapshots and restores.
    const CalculatorState& State() const { return *this; }
    void SetState(const CalculatorState& state) {
        static_cast<CalculatorState&>(*this) = state;
        m_displayPending = false;
    }

    // --- Views -------------------------------------------------------------
    void AddView(IView* view);
    void RemoveView(IView* view);
    // Asks every registered view to repaint.
    void UpdateAllViews();
    // UpdateDisplay, then UpdateAllViews: how every command that changes the
    // calculator ends.
    void Refresh();

    // --- State and stack ---------------------------------------------------
    // New document: the defaults. Always succeeds here (there is no framework
    // base class that could refuse).
    bool OnNewDocument();
    // Reset State command: the defaults, then a redraw. Discards any entry.
    void OnResetState();
    // Every member but m_nKey to its default; the main line gets the ready-made
    // zero picture without a display refresh.
    void InitializeState();
    // CLR: stack, registers and entry cleared; format, digits, angle and the
    // pending prefix kept.
    void ClearAll();
    // CLX: X = 0, the entry abandoned, stack lift disabled.
    void ClearX();
    // T = Z, Z = Y, Y = X; X and m_bLift untouched.
    void LiftStack();
    // STO n and RCL n, from a prefixed digit key or the register menus: commit
    // the entry, then store X, or lift the stack (whatever m_bLift says) and
    // recall. Registers outside 0..9 are ignored.
    void StoreRegister(int n);
    void RecallRegister(int n);
    // Y = Z, Z = T; X and T untouched; lift enabled.
    void DropStack();
    // R↓: X = Y, Y = Z, Z = T, T = old X. R↑: X = T, Y = old X, Z = old Y,
    // T = old Z. Neither touches the lift flag.
    void RollDown();
    void RollUp();
    // LAST X into X, the stack lifted first whatever m_bLift says (as RCL).
    void RecallLastX();
    // Register n = op(register n, X); registers outside 0..9 are ignored.
    void CombineRegister(int n, double (*op)(double reg, double x));
    // X and Y exchanged.
    void SwapXY();
    // X = value as Paste puts it there: a number being typed is abandoned, not
    // committed, nothing is lifted and the lift flag keeps its value; then
    // Refresh. In integer mode the value becomes a word; ReplaceXWord puts
    // bits there exactly.
    void ReplaceX(double value);
    void ReplaceXWord(std::uint64_t bits);

    // --- Key dispatch ------------------------------------------------------
    // Executes the key whose code is in m_nKey (1..30; anything else acts as a
    // key without function) by the key table. The caller resets m_nKey and
    // redraws.
    void ExecuteKey();
    // Carries out `function` (a catalogue row; `argument` for one that takes
    // one) as a key with that function would: its rules for the entry, LAST
    // X and stack lift, then the common ending of every key. ExecuteKey runs
    // the function of the key in m_nKey this way.
    void ExecuteFunction(const catalogue::Function& function, int argument = 0);
    // A key pressed and released at once, for front ends that hold no key
    // (the console, a replayed tape, tests): m_nKey = code, ExecuteKey, m_nKey
    // back to 0. Redraws nothing.
    void PressKey(std::uint32_t code);
    // A digit key 0..9 without shift: completes a pending FIX/SCI/ENG/STO/RCL
    // prefix, or is typed into the entry.
    void OnDigit(int nDigit);
    // No shift and no prefix pending, as after most keys and the register menus.
    void CancelShiftAndPrefix();
    // HYP is pending: SIN, COS and TAN and their inverses are hyperbolic.
    bool Hyperbolic() const;
    // The ? key: asks the shell for the About box; changes nothing.
    void RequestAbout();
    // A function found no answer (a statistics function without the points
    // it needs): nothing else changes, the main line shows
    // kStatisticsErrorText, and FunctionFailure says why until the next
    // function begins. The session turns it into a notice; a program's run
    // ends there.
    void Fail(StatisticsError why);
    StatisticsError FunctionFailure() const { return m_failure; }
    // The last function was refused with a click (Refuse), changing nothing.
    bool Refused() const { return m_refused; }
    // The first NaN or infinity the display refresh caught in X since
    // WatchRangeErrors ("ERROR: NaN" or "ERROR: Inf"; an overflow, clamped,
    // is none), or null: whether a solve's f(x) gave a number.
    void WatchRangeErrors() { m_caughtRangeError = nullptr; }
    const char* CaughtRangeError() const { return m_caughtRangeError; }

    // --- Integer mode (HEX, DEC, OCT, BIN) -----------------------------------
    // Base 16, 10, 8 or 2. From the float modes every number becomes a word
    // (truncated toward zero, saturated to the word's range); within
    // integer mode only the display and entry base change.
    void SetBase(int base);
    // Back to the float modes: every word becomes its value.
    void LeaveIntegerMode();
    // The word size (1 to 64): narrower keeps the low bits, wider keeps the
    // value (the top bit copied up, zeros when unsigned).
    void SetWordSize(int size);
    // The sign mode: the bits stay, their reading changes.
    void SetSignMode(SignMode sign);
    // The number of a slot, which its word's value follows.
    double& SlotNumber(std::size_t slot);
    const double& SlotNumber(std::size_t slot) const;
    // A slot's word set, its number following.
    void SetWord(std::size_t slot, std::uint64_t bits);
    // X = op(Y, X) on the words, the stack dropped; the annunciators say
    // how it went. The division's kin refuse x = 0 as a failure.
    void WordBinary(WordResult (*op)(std::uint64_t y, std::uint64_t x, WordFormat format));
    void WordDivision(std::optional<WordResult> (*op)(std::uint64_t y, std::uint64_t x, WordFormat format));
    void WordUnary(WordResult (*op)(std::uint64_t x, WordFormat format));
    void WordShift(WordResult (*op)(std::uint64_t x, int count, WordFormat format), int count);
    // A word pushed as a typed number would be (a mask, a literal).
    void PushWord(std::uint64_t bits, bool overflow = false);
    // X justified into Y, the places into X.
    void LeftJustifyX();
    // Bit n of X toggled (the bit view's click); a bit beyond the word is refused.
    void FlipBit(int n);
    // Register n = op(register n, X) on the words (STO+ and its kin).
    void CombineRegisterWord(int n, WordResult (*op)(std::uint64_t reg, std::uint64_t x, WordFormat format));
    // The main line's window over a long word one step toward its higher
    // digits (+1) or its lower ones (-1).
    void MoveWindow(int step);
    // A number literal (0x1F) typed in any mode: the word in integer mode
    // (its low bits, overflow when some were lost), its value otherwise.
    void EnterLiteral(std::uint64_t bits);
    // A key that does nothing here (a digit outside the base): the shell's
    // click, and no change.
    void Refuse();
    // Numbers that float code wrote become words again (in integer mode).
    void SyncWords();
    // A slot as the stack lines show it: the number in its format, or the
    // word in the base.
    std::string SlotText(std::size_t slot) const;

    // --- Operations --------------------------------------------------------
    double ToRadians(double v) const;
    double FromRadians(double r) const;
    double ArcSinh(double x) const;
    double ArcCosh(double x) const;
    double ArcTanh(double x) const;
    double Factorial(double x) const;
    // →P: X = radius, Y = angle in the current unit. →R: X and Y from the
    // radius in X and the angle in Y. RAN#: X = a number in [0, 1].
    void RectangularToPolar();
    void PolarToRectangular();
    void RandomNumber();

    // --- Number entry ------------------------------------------------------
    // A digit 0..9 (0..15 in integer mode); one the entry cannot take is refused.
    void AppendDigit(int nDigit);
    void StartEntry();
    void EntryPoint();
    void EntryExponent();
    void EntryChangeSign();
    void EntryBackspace();
    // The entry's point moved: m_nPointPos follows, unless the main line waits.
    void EntryPointMoved();
    double GetEntryValue() const;
    // If a number is being typed, its value becomes X and the entry ends.
    void CommitEntry();
    // The main-line text of the entry (the point is drawn separately).
    std::string GetEntryText() const;
    // The typed digits' word in integer mode.
    std::uint64_t GetEntryWord() const;

    // --- Display ------------------------------------------------------------
    // x as text in the current format and digit count, point included.
    std::string FormatNumber(double x) const;
    std::string FormatSci(double x) const;
    std::string FormatEng(double x) const;
    // x as the display shows it, read back: rounded to the format's digits
    // (a NaN, an infinity, or x under an unknown format word, as it is).
    double RoundToDisplay(double x) const;
    // Rebuilds m_strDisplay and m_nPointPos; outside an entry it also catches a
    // NaN, an infinity, an overflow or an underflow in X.
    void UpdateDisplay();
    // While a program runs, the main line's text is made only when the run
    // ends, stops or pauses: with `defer`, UpdateDisplay does to X what it
    // always does, and leaves the text for FlushDisplay; the views are not
    // asked to redraw. Turning it off flushes.
    void DeferDisplay(bool defer);
    // Makes the main line's text the last UpdateDisplay left waiting.
    void FlushDisplay();

    // --- Keyboard -----------------------------------------------------------
    // A hardware key was released; code is its virtual-key code. Mapped keys run
    // through ExecuteKey, Delete clears X, Escape clears all; m_nKey ends at 0
    // and every view is asked to redraw.
    void OnHardwareKeyUp(std::uint32_t code);

private:
    // The digit count the formatting uses: m_nDigits held to 0..9, so that a
    // count from a damaged state file never reaches a conversion.
    int DisplayDigits() const;
    // No entry, its flags off, its texts empty and its signs blank.
    void ResetEntry();
    // What the display refresh does to X outside an entry: a NaN or an
    // infinity becomes 0 and an overflow is clamped (the error text is
    // returned, and lift and the entry end), a tiny number becomes 0.
    const char* KeepXInRange();
    // The main line's text: the entry, the error text, or X's.
    void ShowText(const char* error);
    // The ending of every key but a prefix key: F toggles the shift (keeping
    // only a HYP prefix), any other key ends shift and prefix; then the
    // display refresh.
    void FinishKey();
    // Runs a function's integer meaning: on the words, or in the float
    // modes on words made from the numbers, which then take the results.
    void RunOnWords(const catalogue::Function& function, int argument);
    // Every slot's word made from its number, and the number made the
    // word's value when `numbersFollow`.
    void WordsFromNumbers(bool numbersFollow);
    // UpdateDisplay in integer mode.
    void UpdateWordDisplay();
    // The main line of the failure being shown ("ERROR: STAT", "ERROR: DIV0").
    const char* FailureText() const;
    // The main line's text made now, or left for FlushDisplay while a program runs.
    void ShowOrDefer(const char* error);
    // The main line in integer mode: the word (or the typed digits) in the base.
    std::string IntegerLine(const std::string& digits) const;
    // A digit typed in integer mode: refused outside the base or the word.
    void AppendWordDigit(int nDigit);

    std::unique_ptr<IRandomSource> m_pOwnRandom;  // fallback when none is passed in
    IRandomSource* m_pRandom = nullptr;
    IShellRequests* m_pShell = nullptr;
    std::vector<IView*> m_views;
    StatisticsError m_failure = StatisticsError::None;
    bool m_showFailure = false;  // the next display refresh shows the failure
    bool m_deferDisplay = false;
    bool m_displayPending = false;
    const char* m_pendingError = nullptr;
    const char* m_caughtRangeError = nullptr;
    // LAST X as the function being carried out found it, for a refusal to put back.
    double m_lastXBefore = 0;
    std::uint64_t m_lastXWordBefore = 0;
    bool m_refused = false;
};

}  // namespace tabrix
