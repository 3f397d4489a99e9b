#include "document/keyboard_letters.h"

#include "engine/key_codes.h"

namespace tabrix {

std::optional<Action> TypedInMode(const CalculatorState& state, std::string_view typed) {
    if (!state.m_integer.On()) return std::nullopt;
    if (typed == kArrowLeft) return Action::Function(FunctionId::WindowLeft);
    if (typed == kArrowRight) return Action::Function(FunctionId::WindowRight);
    if (state.m_integer.base != 16) return std::nullopt;
    if (typed == kLoneShift) return Action::Key(keys::kShift);
    if (typed.size() != 1) return std::nullopt;
    const char c = typed[0];
    const int digit = c >= 'a' && c <= 'f' ? c - 'a' : c >= 'A' && c <= 'F' ? c - 'A' : -1;
    if (digit < 0) return std::nullopt;
    return Action::Function(static_cast<FunctionId>(static_cast<int>(FunctionId::DigitA) + digit));
}

}  // namespace tabrix
