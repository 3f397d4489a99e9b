// The bit view: every bit of X's word in rows of 16, groups of 4, the
// highest first, each with its position counted from 0; bits beyond the
// word size are shown apart and cannot be toggled. The desktop and the page
// draw what this says; a click on a bit performs its Action (flip:N).
#pragma once

#include <array>
#include <string>

#include "document/session_action.h"
#include "engine/calculator_state.h"

namespace tabrix {

struct BitCell {
    int position = 0;
    bool set = false;
    bool inWord = false;  // below the word size: it can be toggled
};

struct BitRows {
    static constexpr int kRows = 4;
    static constexpr int kPerRow = 16;
    std::array<std::array<BitCell, kPerRow>, kRows> rows{};  // rows[0][0] is bit 63
    std::string summary;  // "X = FF h: 8 of 64 bits set" (a marked sentence, for screen readers)
};

BitRows DescribeBits(const CTabrixDoc& doc);

// Toggling bit `position` of X: one function, one undo step and one tape line.
inline Action FlipBitAction(int position) { return Action::Function(FunctionId::FlipBit, static_cast<std::uint32_t>(position)); }

}  // namespace tabrix
