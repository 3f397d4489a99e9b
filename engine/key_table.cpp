// The keypad: each key's function without and with the shift, one row a
// key, the functions themselves in the catalogue.
#include "engine/key_table.h"

#include <array>

#include "engine/key_codes.h"

namespace tabrix {

namespace {

using Id = FunctionId;

constexpr std::array<KeyRow, 31> kRows = {{
    {keys::kNone, Id::None, Id::None},
    {keys::kExp, Id::Exp, Id::Ln},
    {keys::kAlog, Id::Alog, Id::Log},
    {keys::kSin, Id::Sin, Id::ArcSin},
    {keys::kCos, Id::Cos, Id::ArcCos},
    {keys::kTan, Id::Tan, Id::ArcTan},
    {keys::kInverse, Id::Reciprocal, Id::Power},
    {keys::kSqrt, Id::Sqrt, Id::Square},
    {keys::kEex, Id::Eex, Id::Pi},
    {keys::kSeven, Id::Digit7, Id::Fix},
    {keys::kEight, Id::Digit8, Id::Sci},
    {keys::kNine, Id::Digit9, Id::Eng},
    {keys::kDivide, Id::Divide, Id::Percent},
    {keys::kSwap, Id::Swap, Id::RollDown},
    {keys::kChs, Id::Chs, Id::RollUp},
    {keys::kFour, Id::Digit4, Id::Deg},
    {keys::kFive, Id::Digit5, Id::Rad},
    {keys::kSix, Id::Digit6, Id::Grd},
    {keys::kMultiply, Id::Multiply, Id::Factorial},
    {keys::kAbout, Id::About, Id::Hyp},
    {keys::kEnter, Id::Enter, Id::Random},
    {keys::kOne, Id::Digit1, Id::ToPolar},
    {keys::kTwo, Id::Digit2, Id::ToRectangular},
    {keys::kThree, Id::Digit3, Id::ToDegrees},
    {keys::kMinus, Id::Subtract, Id::ToRadians},
    {keys::kShift, Id::Shift, Id::None},
    {keys::kUnderEnter, Id::None, Id::None},
    {keys::kZero, Id::Digit0, Id::Store},
    {keys::kPoint, Id::Point, Id::Recall},
    {keys::kBackspace, Id::Backspace, Id::ClearX},
    {keys::kPlus, Id::Add, Id::ClearAll},
}};

constexpr bool RowsAreInCodeOrder() {
    for (std::size_t code = 0; code < kRows.size(); ++code) {
        if (kRows[code].code != code) return false;
    }
    return true;
}
static_assert(RowsAreInCodeOrder(), "the key table is indexed by key code");

}  // namespace

const catalogue::Function& KeyFunctionOf(std::uint32_t code, bool shifted, KeyLayer layer) {
    if (code >= kRows.size()) return catalogue::At(Id::None);
    if (layer == KeyLayer::Scientific) return catalogue::At(shifted ? kRows[code].shifted : kRows[code].plain);
    if (shifted && LayeredKey(code, shifted)) {
        return catalogue::At(code == keys::kExp ? Id::WindowLeft : Id::WindowRight);
    }
    if (layer == KeyLayer::Hex && !shifted && LayeredKey(code, shifted)) {
        return catalogue::At(static_cast<Id>(static_cast<int>(Id::DigitA) + static_cast<int>(code - keys::kExp)));
    }
    return catalogue::At(shifted ? kRows[code].shifted : kRows[code].plain);
}

bool LayeredKey(std::uint32_t code, bool shifted) {
    return code >= keys::kExp && code <= (shifted ? keys::kAlog : keys::kInverse);
}

std::span<const KeyRow> KeyTable() { return std::span(kRows).subspan(keys::kFirstKey); }

}  // namespace tabrix
