// Integer mode: entering and leaving it, the word size and sign mode, the
// operations on words, and the main line of a word. Every number keeps its
// word beside it; moves of the stack move both, and a number that float
// code wrote becomes a word again at the next display refresh.
#include <algorithm>
#include <utility>

#include "engine/calculator_state.h"
#include "engine/function_catalogue.h"
#include "engine/main_line.h"
#include "engine/number_text.h"

namespace tabrix {

namespace {

// Digits a window of the main line holds: a byte of bits, 32 bits of hex.
std::size_t WindowDigits(int base) { return base == 2 || base == 16 ? 8 : 9; }

char BaseLetter(int base) {
    switch (base) {
        case 2: return 'b';
        case 8: return 'o';
        case 16: return 'h';
        default: return 'd';
    }
}

}  // namespace

double& CTabrixDoc::SlotNumber(std::size_t slot) {
    return const_cast<double&>(std::as_const(*this).SlotNumber(slot));
}

const double& CTabrixDoc::SlotNumber(std::size_t slot) const {
    switch (slot) {
        case kSlotX: return m_dX;
        case kSlotY: return m_dY;
        case kSlotZ: return m_dZ;
        case kSlotT: return m_dT;
        case kSlotLastX: return m_dLastX;
        default: break;
    }
    return m_dReg[std::min<std::size_t>(slot - kSlotRegister0, 9)];
}

void CTabrixDoc::SetWord(std::size_t slot, std::uint64_t bits) {
    const WordFormat format = m_integer.Format();
    m_integer.words[slot] = bits & format.Mask();
    SlotNumber(slot) = word::ToDouble(bits, format);
}

void CTabrixDoc::WordsFromNumbers(bool numbersFollow) {
    const WordFormat format = m_integer.Format();
    for (std::size_t slot = 0; slot < kWordSlots; ++slot) {
        const WordResult r = word::FromDouble(SlotNumber(slot), format);
        if (numbersFollow) {
            SetWord(slot, r.word);
        } else {
            m_integer.words[slot] = r.word;
        }
        if (slot == kSlotX && r.overflow) m_integer.overflow = true;
    }
}

void CTabrixDoc::SyncWords() {
    if (!m_integer.On()) return;
    const WordFormat format = m_integer.Format();
    for (std::size_t slot = 0; slot < kWordSlots; ++slot) {
        const double number = SlotNumber(slot);
        if (SameBits(number, word::ToDouble(m_integer.words[slot], format))) continue;
        const WordResult r = word::FromDouble(number, format);
        SetWord(slot, r.word);
        if (r.overflow) m_integer.overflow = true;
    }
}

void CTabrixDoc::SetBase(int base) {
    if (base != 2 && base != 8 && base != 10 && base != 16) return;
    CommitEntry();
    if (!m_integer.On()) {
        m_integer.carry = m_integer.overflow = false;
        WordsFromNumbers(true);
    }
    m_integer.base = static_cast<std::uint8_t>(base);
}

void CTabrixDoc::LeaveIntegerMode() {
    if (!m_integer.On()) return;
    CommitEntry();
    // The numbers already hold the words' values.
    m_integer.words.fill(0);
    m_integer.base = 0;
    m_integer.carry = m_integer.overflow = false;
    m_integer.window = 0;
}

void CTabrixDoc::SetWordSize(int size) {
    if (size < 1 || size > 64) return;
    CommitEntry();
    const WordFormat from = m_integer.Format();
    m_integer.size = static_cast<std::uint8_t>(size);
    if (!m_integer.On()) return;
    for (std::size_t slot = 0; slot < kWordSlots; ++slot) SetWord(slot, word::Resize(m_integer.words[slot], from, size));
}

void CTabrixDoc::SetSignMode(SignMode sign) {
    CommitEntry();
    m_integer.sign = sign;
    if (!m_integer.On()) return;
    for (std::size_t slot = 0; slot < kWordSlots; ++slot) SetWord(slot, m_integer.words[slot]);
}

void CTabrixDoc::RunOnWords(const catalogue::Function& function, int argument) {
    if (m_integer.On()) return function.onWords(*this, argument);
    // The float modes: the numbers as words for this one function; only the
    // numbers it writes take its results (the others keep their fractions).
    WordsFromNumbers(false);
    function.onWords(*this, argument);
    m_integer.words.fill(0);
    m_integer.carry = m_integer.overflow = false;
}

void CTabrixDoc::WordBinary(WordResult (*op)(std::uint64_t, std::uint64_t, WordFormat)) {
    const WordResult r = op(m_integer.words[kSlotY], m_integer.words[kSlotX], m_integer.Format());
    SetWord(kSlotX, r.word);
    DropStack();
    m_integer.carry = r.carry;
    m_integer.overflow = r.overflow;
}

void CTabrixDoc::WordDivision(std::optional<WordResult> (*op)(std::uint64_t, std::uint64_t, WordFormat)) {
    const std::optional<WordResult> r = op(m_integer.words[kSlotY], m_integer.words[kSlotX], m_integer.Format());
    if (!r) {
        // Nothing changes: LAST X is put back as it was.
        m_dLastX = m_lastXBefore;
        m_integer.words[kSlotLastX] = m_lastXWordBefore;
        return Fail(StatisticsError::DivisionByZero);
    }
    SetWord(kSlotX, r->word);
    DropStack();
    m_integer.carry = r->carry;
    m_integer.overflow = r->overflow;
}

void CTabrixDoc::WordUnary(WordResult (*op)(std::uint64_t, WordFormat)) {
    const WordResult r = op(m_integer.words[kSlotX], m_integer.Format());
    SetWord(kSlotX, r.word);
    m_integer.carry = r.carry;
    m_integer.overflow = r.overflow;
}

void CTabrixDoc::WordShift(WordResult (*op)(std::uint64_t, int, WordFormat), int count) {
    const WordResult r = op(m_integer.words[kSlotX], count, m_integer.Format());
    SetWord(kSlotX, r.word);
    m_integer.carry = r.carry;
    m_integer.overflow = false;
}

void CTabrixDoc::PushWord(std::uint64_t bits, bool overflow) {
    if (m_bLift) LiftStack();
    SetWord(kSlotX, bits);
    m_integer.carry = false;
    m_integer.overflow = overflow;
}

void CTabrixDoc::LeftJustifyX() {
    const word::Justified j = word::LeftJustify(m_integer.words[kSlotX], m_integer.Format());
    SetWord(kSlotX, j.word);
    LiftStack();
    SetWord(kSlotX, j.places.word);
    m_integer.carry = false;
    m_integer.overflow = j.places.overflow;
}

void CTabrixDoc::FlipBit(int n) {
    if (n < 0 || n >= m_integer.Format().size) return Refuse();
    SetWord(kSlotX, m_integer.words[kSlotX] ^ (std::uint64_t{1} << n));
    m_integer.carry = m_integer.overflow = false;
}

void CTabrixDoc::CombineRegisterWord(int n, WordResult (*op)(std::uint64_t, std::uint64_t, WordFormat)) {
    if (n < 0 || n > 9) return;
    const std::size_t slot = kSlotRegister0 + static_cast<std::size_t>(n);
    const WordResult r = op(m_integer.words[slot], m_integer.words[kSlotX], m_integer.Format());
    SetWord(slot, r.word);
    m_integer.carry = r.carry;
    m_integer.overflow = r.overflow;
}

void CTabrixDoc::MoveWindow(int step) {
    if (!m_integer.On() || m_bEntering) return;
    const std::string digits = word::Text(m_integer.words[kSlotX], m_integer.Format(), m_integer.base);
    const std::size_t width = WindowDigits(m_integer.base);
    const int last = static_cast<int>((digits.size() + width - 1) / width) - 1;
    const int window = m_integer.window + step;
    if (window < 0 || window > last) return Refuse();
    m_integer.window = static_cast<std::uint8_t>(window);
}

void CTabrixDoc::EnterLiteral(std::uint64_t bits) {
    CommitEntry();
    if (!m_integer.On()) {
        if (m_bLift) LiftStack();
        m_dX = static_cast<double>(bits);
    } else {
        PushWord(bits, (bits & ~m_integer.Format().Mask()) != 0);
    }
    m_bLift = true;
}

void CTabrixDoc::Refuse() {
    m_refused = true;
    if (m_pShell != nullptr) m_pShell->RequestClick();
}

std::string CTabrixDoc::IntegerLine(const std::string& digits) const {
    // Cell 0: '<' while higher digits are hidden, else the sign; the window's
    // digits end in cell 9; cell 10 '>' while lower digits are hidden; cell
    // 11 the base's letter.
    const int base = m_integer.base;
    const std::size_t width = WindowDigits(base);
    const bool negative = !digits.empty() && digits.front() == '-';
    const std::string_view body = std::string_view(digits).substr(negative ? 1 : 0);
    const std::size_t windows = std::max<std::size_t>(1, (body.size() + width - 1) / width);
    const std::size_t window = std::min<std::size_t>(m_integer.window, windows - 1);
    const std::size_t end = body.size() - window * width;
    const std::size_t start = end > width ? end - width : 0;
    std::string line(kMainLineCells, ' ');
    const std::string_view shown = body.substr(start, end - start);
    std::copy(shown.begin(), shown.end(), line.begin() + static_cast<std::ptrdiff_t>(10 - shown.size()));
    // A minus stands before the digits, or in cell 0 when they fill the window.
    const std::size_t first = 10 - shown.size();
    if (start > 0) {
        line[0] = '<';
    } else if (negative) {
        line[first > 0 ? first - 1 : 0] = '-';
    }
    line[10] = window > 0 ? '>' : ' ';
    line[11] = BaseLetter(base);
    return line;
}

std::string CTabrixDoc::SlotText(std::size_t slot) const {
    if (!m_integer.On()) return FormatNumber(SlotNumber(slot));
    std::string text = word::Text(m_integer.words[slot], m_integer.Format(), m_integer.base);
    text += ' ';
    text += BaseLetter(m_integer.base);
    return text;
}

std::uint64_t CTabrixDoc::GetEntryWord() const {
    const int base = m_integer.On() ? m_integer.base : 10;
    return word::ParseDigits(m_strMantissa, base).value_or(0);
}

std::string FormatIndicator(const CalculatorState& state) {
    if (!state.m_integer.On()) {
        const bool known = state.m_nDigits >= 0 && state.m_nDigits <= 9;
        return state.m_strFormat + "." + (known ? std::to_string(state.m_nDigits) : std::string("?"));
    }
    static constexpr const char* kSigns[] = {"u", "1s", "2s"};
    std::string text = kSigns[static_cast<int>(state.m_integer.sign) % 3] + std::to_string(state.m_integer.Format().size);
    if (state.m_integer.carry || state.m_integer.overflow) text += ' ';
    if (state.m_integer.carry) text += 'C';
    if (state.m_integer.overflow) text += 'G';
    return text;
}

}  // namespace tabrix
