// Key codes of the keypad (row by row from the top left, six to a row) and the
// virtual-key codes of the hardware keyboard that the engine understands.
#pragma once

#include <array>
#include <cstdint>

namespace tabrix::keys {

// Keypad positions. Labels are the key face / the shifted function above it.
enum KeyCode : std::uint32_t {
    kNone = 0,
    kExp = 1,       // e^x / LN
    kAlog = 2,      // 10^x / LOG
    kSin = 3,       // SIN / SIN-1
    kCos = 4,       // COS / COS-1
    kTan = 5,       // TAN / TAN-1
    kInverse = 6,   // 1/x / y^x
    kSqrt = 7,      // sqrt / x^2
    kEex = 8,       // EEX / pi
    kSeven = 9,     // 7 / FIX
    kEight = 10,    // 8 / SCI
    kNine = 11,     // 9 / ENG
    kDivide = 12,   // ÷ / %
    kSwap = 13,     // x<>y / R-down
    kChs = 14,      // CHS / R-up
    kFour = 15,     // 4 / DEG
    kFive = 16,     // 5 / RAD
    kSix = 17,      // 6 / GRD
    kMultiply = 18, // × / x!
    kAbout = 19,    // ? / HYP
    kEnter = 20,    // ENTER / RAN#  (two rows tall)
    kOne = 21,      // 1 / ->P
    kTwo = 22,      // 2 / ->R
    kThree = 23,    // 3 / ->DEG
    kMinus = 24,    // − / ->RAD
    kShift = 25,    // F
    kUnderEnter = 26,  // covered by ENTER; never produced, no function
    kZero = 27,     // 0 / STO
    kPoint = 28,    // . / RCL
    kBackspace = 29,   // <- / CLX
    kPlus = 30,     // + / CLR
};

inline constexpr std::uint32_t kFirstKey = 1;
inline constexpr std::uint32_t kLastKey = 30;

// The key of each digit, 0 to 9.
inline constexpr std::array<std::uint32_t, 10> kDigitKeys = {kZero, kOne, kTwo,   kThree, kFour,
                                                             kFive, kSix, kSeven, kEight, kNine};

}  // namespace tabrix::keys

namespace tabrix::vk {

// Virtual-key codes of key releases (letters and top-row digits are their
// upper-case ASCII codes).
inline constexpr std::uint32_t kBack = 0x08;
inline constexpr std::uint32_t kReturn = 0x0D;
inline constexpr std::uint32_t kEscape = 0x1B;
inline constexpr std::uint32_t kSpace = 0x20;
inline constexpr std::uint32_t kDelete = 0x2E;
inline constexpr std::uint32_t kDigit0 = 0x30;  // '0' .. '9' follow
inline constexpr std::uint32_t kLetterE = 0x45;
inline constexpr std::uint32_t kLetterF = 0x46;
inline constexpr std::uint32_t kNumpad0 = 0x60;  // numeric keypad 0 .. 9 follow
inline constexpr std::uint32_t kMultiply = 0x6A;
inline constexpr std::uint32_t kAdd = 0x6B;
inline constexpr std::uint32_t kSubtract = 0x6D;
inline constexpr std::uint32_t kDecimal = 0x6E;
inline constexpr std::uint32_t kDivide = 0x6F;
inline constexpr std::uint32_t kOemPeriod = 0xBE;

}  // namespace tabrix::vk
