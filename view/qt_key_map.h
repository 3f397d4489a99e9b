// Qt key events onto the virtual-key codes the calculator's keyboard mapping
// understands.
#pragma once

#include <cstdint>

class QKeyEvent;

namespace tabrix {

// The virtual-key code of a released key, or 0 for a key the calculator does
// not map. Keypad digits and operators are told apart by the keypad modifier;
// top-row digits keep their digit when Shift turns them into symbols.
std::uint32_t VirtualKeyOf(const QKeyEvent& event);

}  // namespace tabrix
