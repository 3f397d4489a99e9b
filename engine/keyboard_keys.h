// The one table of keyboard keys that press the calculator's keys by
// default: the console's virtual keys (vk:N, the tape), the desktop's
// standard and laptop key maps and the web page's all read it. A key is
// named as the desktop's settings name it ("7", "Return", "Backspace"),
// with whether it sits on the numeric keypad, and carries the virtual-key
// code its release has in the calculator's own mapping (0 where that
// mapping has none: the keypad's comma, the main keyboard's operators, the
// letters of the functions and the question mark).
#pragma once

#include <cstdint>
#include <span>

#include "engine/key_codes.h"

namespace tabrix {

struct KeyboardKeyRow {
    std::uint32_t code;     // the calculator key
    const char* name;       // the keyboard key's portable name
    bool keypad;            // on the numeric keypad
    std::uint32_t vk;       // its virtual-key code, or 0
    bool laptop = false;    // only in the laptop map, for keyboards without a keypad
};

// Each calculator key's keys in their order: the digits (top row and
// keypad), Return and Enter, the keypad's + - * /, F, E, the period keys
// (and the keypad's comma, a comma on many layouts), Backspace and Space;
// the main keyboard's + - * / (they collide with no other key: a layout
// that types them types no digit with them); a letter for each function
// key that has no character of its own (X eˣ, P 10ˣ, S C T, R 1/x, Q √x,
// W x≷y) and ? for the ? key; then the laptop map's = (ENTER).
inline constexpr KeyboardKeyRow kKeyboardKeys[] = {
    {keys::kDigitKeys[0], "0", false, vk::kDigit0 + 0}, {keys::kDigitKeys[0], "0", true, vk::kNumpad0 + 0},
    {keys::kDigitKeys[1], "1", false, vk::kDigit0 + 1}, {keys::kDigitKeys[1], "1", true, vk::kNumpad0 + 1},
    {keys::kDigitKeys[2], "2", false, vk::kDigit0 + 2}, {keys::kDigitKeys[2], "2", true, vk::kNumpad0 + 2},
    {keys::kDigitKeys[3], "3", false, vk::kDigit0 + 3}, {keys::kDigitKeys[3], "3", true, vk::kNumpad0 + 3},
    {keys::kDigitKeys[4], "4", false, vk::kDigit0 + 4}, {keys::kDigitKeys[4], "4", true, vk::kNumpad0 + 4},
    {keys::kDigitKeys[5], "5", false, vk::kDigit0 + 5}, {keys::kDigitKeys[5], "5", true, vk::kNumpad0 + 5},
    {keys::kDigitKeys[6], "6", false, vk::kDigit0 + 6}, {keys::kDigitKeys[6], "6", true, vk::kNumpad0 + 6},
    {keys::kDigitKeys[7], "7", false, vk::kDigit0 + 7}, {keys::kDigitKeys[7], "7", true, vk::kNumpad0 + 7},
    {keys::kDigitKeys[8], "8", false, vk::kDigit0 + 8}, {keys::kDigitKeys[8], "8", true, vk::kNumpad0 + 8},
    {keys::kDigitKeys[9], "9", false, vk::kDigit0 + 9}, {keys::kDigitKeys[9], "9", true, vk::kNumpad0 + 9},
    {keys::kEnter, "Return", false, vk::kReturn},   {keys::kEnter, "Enter", false, vk::kReturn},
    {keys::kEnter, "Enter", true, vk::kReturn},
    {keys::kPlus, "+", true, vk::kAdd},             {keys::kMinus, "-", true, vk::kSubtract},
    {keys::kMultiply, "*", true, vk::kMultiply},    {keys::kDivide, "/", true, vk::kDivide},
    {keys::kShift, "F", false, vk::kLetterF},       {keys::kEex, "E", false, vk::kLetterE},
    {keys::kPoint, ".", false, vk::kOemPeriod},     {keys::kPoint, ".", true, vk::kDecimal},
    {keys::kPoint, ",", true, 0},
    {keys::kBackspace, "Backspace", false, vk::kBack}, {keys::kChs, "Space", false, vk::kSpace},
    {keys::kPlus, "+", false, 0},     {keys::kMinus, "-", false, 0},
    {keys::kMultiply, "*", false, 0}, {keys::kDivide, "/", false, 0},
    {keys::kExp, "X", false, 0},      {keys::kAlog, "P", false, 0},
    {keys::kSin, "S", false, 0},      {keys::kCos, "C", false, 0},
    {keys::kTan, "T", false, 0},      {keys::kInverse, "R", false, 0},
    {keys::kSqrt, "Q", false, 0},     {keys::kSwap, "W", false, 0},
    {keys::kAbout, "?", false, 0},
    {keys::kEnter, "=", false, 0, true},
};

inline std::span<const KeyboardKeyRow> KeyboardKeys() { return kKeyboardKeys; }

}  // namespace tabrix
