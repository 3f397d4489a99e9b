// What each key of the picture shows: its label and the shifted function
// printed above it (both from the key table), and its colour family.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/key_codes.h"
#include "engine/key_table.h"

namespace tabrix {

// Blue keys for the digits, the point and ←; the yellow F; grey for the rest.
enum class KeyFamily { Function, Digit, Shift };

inline KeyFamily KeyFamilyOf(int code) {
    const auto key = static_cast<std::uint32_t>(code);
    if (key == keys::kShift) return KeyFamily::Shift;
    if (key == keys::kPoint || key == keys::kBackspace || KeyFunctionOf(key, false).digit >= 0) {
        return KeyFamily::Digit;
    }
    return KeyFamily::Function;
}

// The label on the key ("SIN") and above it ("SIN⁻¹"); empty where there is none.
inline std::string_view FaceLabel(int code) { return KeyFunctionOf(static_cast<std::uint32_t>(code), false).label; }
inline std::string_view ShiftedLabel(int code) { return KeyFunctionOf(static_cast<std::uint32_t>(code), true).label; }

}  // namespace tabrix
