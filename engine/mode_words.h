// The words the calculator keeps its modes in: the display format, the angle
// unit and the pending prefix are held, compared, shown and saved as these
// texts. Code names them through these constants, so a misspelt word does not
// compile.
#pragma once

#include <string_view>

namespace tabrix::words {

// Display formats.
inline constexpr std::string_view kFix = "FIX";
inline constexpr std::string_view kSci = "SCI";
inline constexpr std::string_view kEng = "ENG";

// Angle units ("RAD" is also what any unknown word means).
inline constexpr std::string_view kDeg = "DEG";
inline constexpr std::string_view kRad = "RAD";
inline constexpr std::string_view kGrd = "GRD";

// Prefixes besides the three formats: the next digit stores or recalls a
// register; HYP makes SIN, COS and TAN hyperbolic.
inline constexpr std::string_view kSto = "STO";
inline constexpr std::string_view kRcl = "RCL";
inline constexpr std::string_view kHyp = "HYP";

}  // namespace tabrix::words
