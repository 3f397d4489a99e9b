// Hardware key releases: the keyboard as a second way to press keypad keys.
#include <array>

#include "engine/calculator_state.h"
#include "engine/key_codes.h"
#include "engine/virtual_keys.h"

namespace tabrix {

namespace {

struct KeyboardBinding {
    std::uint32_t vk;
    std::uint32_t key;
};

constexpr std::array<KeyboardBinding, 11> kOtherBindings = {{
    {vk::kReturn, keys::kEnter},
    {vk::kAdd, keys::kPlus},
    {vk::kSubtract, keys::kMinus},
    {vk::kMultiply, keys::kMultiply},
    {vk::kDivide, keys::kDivide},
    {vk::kLetterF, keys::kShift},
    {vk::kLetterE, keys::kEex},
    {vk::kDecimal, keys::kPoint},
    {vk::kOemPeriod, keys::kPoint},
    {vk::kBack, keys::kBackspace},
    {vk::kSpace, keys::kChs},
}};

}  // namespace

std::uint32_t KeypadKeyOfVirtualKey(std::uint32_t code) {
    if (code >= vk::kNumpad0 && code < vk::kNumpad0 + 10) return keys::kDigitKeys[code - vk::kNumpad0];
    if (code >= vk::kDigit0 && code < vk::kDigit0 + 10) return keys::kDigitKeys[code - vk::kDigit0];
    for (const KeyboardBinding& binding : kOtherBindings) {
        if (binding.vk == code) return binding.key;
    }
    return keys::kNone;
}

void CTabrixDoc::OnKeyboardKey(std::uint32_t key) {
    PressKey(key);  // m_nKey ends at 0: a stylus press being held is cancelled
    UpdateAllViews();
}

void CTabrixDoc::OnHardwareKeyUp(std::uint32_t code) {
    if (const std::uint32_t key = KeypadKeyOfVirtualKey(code); key != keys::kNone) {
        PressKey(key);
    } else if (code == vk::kDelete) {
        ClearX();  // no refresh: the shift and a prefix stay pending
    } else if (code == vk::kEscape) {
        ClearAll();  // keeps the modes and a pending prefix
    }
    m_nKey = 0;
    UpdateAllViews();
}

}  // namespace tabrix
