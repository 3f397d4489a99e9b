#include "engine/main_line.h"

namespace tabrix {

int PointCellOf(const CalculatorState& state) {
    // m_nPointPos counts from 1 and says how many characters stand in front of
    // the point plus one: the point follows cell m_nPointPos - 2.
    const long long cell = static_cast<long long>(state.m_nPointPos) - 2;
    if (cell < 0 || cell >= static_cast<long long>(state.m_strDisplay.size())) return -1;
    if (state.m_bEntering && state.m_bExponent && cell >= static_cast<long long>(kShownEntryCells)) return -1;
    return static_cast<int>(cell);
}

std::string_view ShownError(const CalculatorState& state) {
    const std::string_view shown = state.m_strDisplay;
    return shown.starts_with("ERROR: ") ? shown : std::string_view();
}

std::string MainLineAsRead(const CalculatorState& state) {
    std::string read;
    AppendMainLineAsRead(read, state);
    return read;
}

void AppendMainLineAsRead(std::string& out, const CalculatorState& state) {
    const std::string_view cells = state.m_strDisplay;
    const int cell = PointCellOf(state);
    if (cell < 0) {
        out += cells;
        return;
    }
    const auto split = static_cast<std::size_t>(cell) + 1;
    out.append(cells.substr(0, split)).append(1, '.').append(cells.substr(split));
}

std::int32_t EntryPointPos(const CalculatorState& state) {
    return state.m_bDecimal ? static_cast<std::int32_t>(state.m_strMantissa.size()) + 2 : 0;
}

NumberTextParts SplitNumberText(std::string_view text) {
    NumberTextParts parts{text};
    if (text.size() < kMantissaField + 3) return parts;
    const char sign = text[kMantissaField];
    const std::string_view digits = text.substr(kMantissaField + 1);
    if ((sign != ' ' && sign != '-') || digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return parts;
    }
    return {text.substr(0, kMantissaField), true, sign, digits};
}

}  // namespace tabrix
