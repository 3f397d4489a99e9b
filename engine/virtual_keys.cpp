// Hardware key releases: the keyboard as a second way to press keypad keys.
#include "engine/calculator_state.h"
#include "engine/key_codes.h"
#include "engine/keyboard_keys.h"
#include "engine/virtual_keys.h"

namespace tabrix {

std::uint32_t KeypadKeyOfVirtualKey(std::uint32_t code) {
    if (code == 0) return keys::kNone;
    for (const KeyboardKeyRow& row : kKeyboardKeys) {
        if (row.vk == code) return row.code;
    }
    return keys::kNone;
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
