// The state record as a value: comparison and a printout of it, both by the
// one list of members.
#include <array>
#include <ostream>
#include <string>
#include <type_traits>

#include "engine/calculator_state.h"
#include "engine/number_text.h"

namespace tabrix {

namespace {

// ForEachMember must name every member: this binding stops compiling when
// the record gains or loses one, until the list and the count follow.
[[maybe_unused]] void EveryMemberIsListed(CalculatorState& s) {
    [[maybe_unused]] auto& [m1, m2, m3, m4, m5, m6, m7, m8, m9, m10, m11, m12, m13, m14, m15, m16, m17, m18, m19,
                            m20, m21, m22, m23, m24, m25, m26] = s;
    static_assert(kStateMemberCount == 26);
}

template <typename T>
bool SameMember(const T& a, const T& b) {
    if constexpr (std::is_same_v<T, double>) {
        return SameBits(a, b);
    } else if constexpr (std::is_same_v<T, std::array<double, 10>>) {
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (!SameBits(a[i], b[i])) return false;
        }
        return true;
    } else {
        return a == b;
    }
}

std::string MemberText(bool value) { return value ? "true" : "false"; }
std::string MemberText(const std::string& value) { return '"' + value + '"'; }
std::string MemberText(double value) { return ExactText(value); }
template <typename Integer>
std::string MemberText(Integer value) {
    return std::to_string(value);
}
std::string MemberText(const Statistics& stats) { return "{n=" + std::to_string(stats.Count()) + "}"; }
std::string MemberText(const IntegerMode& mode) {
    std::string text = "{base=" + std::to_string(mode.base) + ", size=" + std::to_string(mode.size) +
                       ", sign=" + std::to_string(static_cast<int>(mode.sign));
    for (const std::uint64_t word : mode.words) text += ", " + std::to_string(word);
    return text + "}";
}
std::string MemberText(const std::array<double, 10>& values) {
    std::string text;
    for (double value : values) text += (text.empty() ? "[" : ", ") + ExactText(value);
    return text + "]";
}

}  // namespace

bool operator==(const CalculatorState& a, const CalculatorState& b) {
    bool same = true;
    ForEachMember([&same](const char*, const auto& x, const auto& y) { same = same && SameMember(x, y); }, a, b);
    return same;
}

void PrintTo(const CalculatorState& s, std::ostream* out) {
    const CalculatorState defaults;
    std::string text;
    ForEachMember(
        [&text](const char* name, const auto& value, const auto& base) {
            if (!SameMember(value, base)) text += (text.empty() ? "" : ", ") + std::string(name) + "=" + MemberText(value);
        },
        s, defaults);
    *out << "{" << (text.empty() ? std::string("defaults") : text) << "}";
}

}  // namespace tabrix
