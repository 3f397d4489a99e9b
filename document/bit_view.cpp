#include "document/bit_view.h"

#include <bit>

#include "document/notice.h"
#include "engine/integer_word.h"

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace tabrix {

BitRows DescribeBits(const CTabrixDoc& doc) {
    const IntegerMode& mode = doc.m_integer;
    const WordFormat format = mode.Format();
    // In the float modes X is shown as entering integer mode would make it.
    std::uint64_t bits = mode.On() ? mode.words[kSlotX] : word::FromDouble(doc.m_dX, format).word;
    if (doc.m_bEntering && mode.On()) bits = doc.GetEntryWord();
    BitRows view;
    for (int row = 0; row < BitRows::kRows; ++row) {
        for (int column = 0; column < BitRows::kPerRow; ++column) {
            const int position = 63 - (row * BitRows::kPerRow + column);
            view.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = {
                position, ((bits >> position) & 1) != 0, position < format.size};
        }
    }
    const int base = mode.On() ? mode.base : 16;
    const char letter = base == 16 ? 'h' : base == 8 ? 'o' : base == 2 ? 'b' : 'd';
    view.summary = Marked("Bits", QT_TRANSLATE_NOOP("Bits", "x = %1 %2: %3 of %4 bits set"),
                          {word::Text(bits, format, base), std::string(1, letter), std::to_string(std::popcount(bits)),
                           std::to_string(format.size)});
    return view;
}

}  // namespace tabrix
