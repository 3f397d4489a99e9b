// What each key does, in words, for tooltips, screen readers and the Keys
// and Keyboard window: "7 — shifted: FIX (display digits) — keyboard: 7,
// keypad 7", in the user's language. The texts are the document's
// (document/function_help.h); the keyboard keys' names are the key map's.
#pragma once

#include <QList>
#include <QString>

#include "engine/function_catalogue.h"
#include "view/key_map.h"

namespace tabrix {

// The 29 calculator keys' codes, in the face's order (26, under ENTER, is
// no key).
QList<int> CalculatorKeyCodes();

// A function in words ("sine"), translated; empty for a digit.
QString FunctionDescription(const catalogue::Function& function);

// A function as a person reads it: "SIN⁻¹ (arc sine)", or "7".
QString FunctionHelpText(const catalogue::Function& function);

// The keyboard keys that press key `code`: "7, keypad 7", or "none".
QString KeyboardHelpText(int code, const KeyMap& map);

// The whole help of key `code`: its function, its shifted function and its
// keyboard keys.
QString KeyHelpText(int code, const KeyMap& map);

// What a function key performs, by the token it is bound to: "ABS (absolute
// value)", "STO+ 3 (add x to a register)".
QString FunctionKeyText(const std::string& token);

}  // namespace tabrix
