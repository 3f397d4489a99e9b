// What a keyboard key means beyond the key map in the calculator's mode. In
// HEX the letters A to F (either case) type those digits, so the keyboard's
// F and E are no longer the shift and EEX there; the F shift is then the
// keyboard's Shift key tapped on its own. Both front ends ask this before
// their key map.
#pragma once

#include <optional>
#include <string_view>

#include "document/session_action.h"
#include "engine/calculator_state.h"

namespace tabrix {

// The name a front end gives a lone tap of Shift (pressed and let go with
// no other key between).
inline constexpr std::string_view kLoneShift = "Shift";
// The arrow keys, which move the main line's window over a long word in
// integer mode.
inline constexpr std::string_view kArrowLeft = "Left";
inline constexpr std::string_view kArrowRight = "Right";

// The action for `typed` (the character a key typed, kLoneShift or an arrow), or
// none where the key map decides.
std::optional<Action> TypedInMode(const CalculatorState& state, std::string_view typed);

}  // namespace tabrix
