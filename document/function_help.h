// What a function and a key do, in words, as marked texts (notice.h) that
// every front end translates the same way: the desktop's tooltips, its Keys
// and Keyboard window and finder, and the web page's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/function_catalogue.h"

namespace tabrix {

// "SIN⁻¹ (arc sine)": the label, then what it does; a digit's label alone.
std::string FunctionHelp(const catalogue::Function& function);

// The keyboard keys of a key, as the front end names them ("7, keypad 7"),
// or "none".
std::string KeyboardHelp(const std::vector<std::string>& keys);

// The whole help of key `code`: "SIN (sine) — shifted: SIN⁻¹ (arc sine) —
// keyboard: KEYS", with `keyboard` as KeyboardHelp gives it.
std::string KeyHelp(std::uint32_t code, const std::string& keyboard);

}  // namespace tabrix
