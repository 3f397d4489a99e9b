// The hardware keyboard's keys by their virtual-key codes, and the keypad
// keys they press: the calculator's own, fixed mapping, which the console's
// vk:N tokens and the tape use. (The desktop program's keyboard map, which
// people can change, is view/key_map.h.)
#pragma once

#include <cstdint>

namespace tabrix {

// The keypad key (code 1..30) a released key with this virtual-key code
// presses, or keys::kNone: Delete and Escape act on their own, and keys the
// calculator does not map do nothing.
std::uint32_t KeypadKeyOfVirtualKey(std::uint32_t virtualKey);

}  // namespace tabrix
