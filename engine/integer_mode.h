// Integer mode as the state record holds it: the base the calculator shows
// and types in (none in the float modes), the word's size and sign mode, the
// carry and overflow annunciators, the part of a long word the main line
// shows, and the exact word of every number the calculator holds.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/integer_word.h"

namespace tabrix {

// The numbers that have a word: X Y Z T, the registers 0..9 and LAST X.
enum WordSlot : std::size_t { kSlotX, kSlotY, kSlotZ, kSlotT, kSlotRegister0, kSlotLastX = kSlotRegister0 + 10, kWordSlots };

struct IntegerMode {
    std::uint8_t base = 0;  // 0 in the float modes; else 2, 8, 10 or 16
    std::uint8_t size = 64;
    SignMode sign = SignMode::TwosComplement;
    bool carry = false;
    bool overflow = false;
    std::uint8_t window = 0;  // the main line shows a long word's digits from this window up (0: the lowest)
    // Each slot's word, exact, while a base is set (all 0 in the float modes).
    std::array<std::uint64_t, kWordSlots> words{};

    bool On() const { return base != 0; }
    WordFormat Format() const { return {size < 1 || size > 64 ? 64 : size, sign}; }
    friend bool operator==(const IntegerMode&, const IntegerMode&) = default;
};

}  // namespace tabrix
