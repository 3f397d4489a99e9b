// Which keyboard keys press which calculator keys by default, as plain data:
// the desktop builds its key maps from it, and the web page gets it at build
// time. A key is named as the desktop's settings name it ("7", "Return",
// "Backspace"), with whether it sits on the numeric keypad.
#pragma once

#include <cstdint>
#include <span>

#include "engine/key_codes.h"

namespace tabrix {

struct DefaultKey {
    std::uint32_t code;  // the calculator key
    const char* key;     // the keyboard key's portable name
    bool keypad;
};

// The standard map, each calculator key's keys in their order: the digits
// (top row and keypad), the keypad's + - * /, Return and Enter, F, E, the
// period keys (and the keypad's comma), Backspace and Space.
inline constexpr DefaultKey kStandardKeys[] = {
    {keys::kDigitKeys[0], "0", false}, {keys::kDigitKeys[0], "0", true},
    {keys::kDigitKeys[1], "1", false}, {keys::kDigitKeys[1], "1", true},
    {keys::kDigitKeys[2], "2", false}, {keys::kDigitKeys[2], "2", true},
    {keys::kDigitKeys[3], "3", false}, {keys::kDigitKeys[3], "3", true},
    {keys::kDigitKeys[4], "4", false}, {keys::kDigitKeys[4], "4", true},
    {keys::kDigitKeys[5], "5", false}, {keys::kDigitKeys[5], "5", true},
    {keys::kDigitKeys[6], "6", false}, {keys::kDigitKeys[6], "6", true},
    {keys::kDigitKeys[7], "7", false}, {keys::kDigitKeys[7], "7", true},
    {keys::kDigitKeys[8], "8", false}, {keys::kDigitKeys[8], "8", true},
    {keys::kDigitKeys[9], "9", false}, {keys::kDigitKeys[9], "9", true},
    {keys::kEnter, "Return", false},   {keys::kEnter, "Enter", false},   {keys::kEnter, "Enter", true},
    {keys::kPlus, "+", true},          {keys::kMinus, "-", true},        {keys::kMultiply, "*", true},
    {keys::kDivide, "/", true},        {keys::kShift, "F", false},       {keys::kEex, "E", false},
    // The keypad's separator is a comma on many layouts.
    {keys::kPoint, ".", false},        {keys::kPoint, ".", true},        {keys::kPoint, ",", true},
    {keys::kBackspace, "Backspace", false}, {keys::kChs, "Space", false},
};

// The laptop map: the standard one, and for keyboards without a numeric
// keypad the main keyboard's + - * / and = (ENTER) too.
inline constexpr DefaultKey kLaptopExtraKeys[] = {
    {keys::kPlus, "+", false},   {keys::kMinus, "-", false}, {keys::kMultiply, "*", false},
    {keys::kDivide, "/", false}, {keys::kEnter, "=", false},
};

}  // namespace tabrix
