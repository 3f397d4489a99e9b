// What each key does, in words, for tooltips, screen readers and the Keys
// and Keyboard window: "7 — shifted: FIX (display digits) — keyboard: 7,
// keypad 7". The words are translated; the labels are the keys' symbols.
#pragma once

#include <QString>

#include "engine/key_table.h"
#include "view/key_map.h"

#include <QList>

namespace tabrix {

// The 29 calculator keys' codes, in the face's order (26, under ENTER, is
// no key).
QList<int> CalculatorKeyCodes();

// A function in words ("sine"), translated; empty for a digit.
QString FunctionDescription(const KeyFunction& function);

// A function as a person reads it: "SIN⁻¹ (arc sine)", or "7".
QString FunctionHelp(const KeyFunction& function);

// The keyboard keys that press key `code`: "7, keypad 7", or "none".
QString KeyboardHelp(int code, const KeyMap& map);

// The whole help of key `code`: its function, its shifted function and its
// keyboard keys.
QString KeyHelp(int code, const KeyMap& map);

}  // namespace tabrix
