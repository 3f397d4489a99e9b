// What is printed on each key of the keypad: the key's own label, the shifted
// function above it, and the key's colour family. UTF-8 text; no toolkit.
#pragma once

#include <array>
#include <string_view>

namespace tabrix {

enum class KeyFamily { Function, Digit, Shift };

struct KeyLabel {
    std::string_view face;     // on the key
    std::string_view shifted;  // above the key ("" for none)
    KeyFamily family;
};

// Indexed by key code; entry 0 and entry 26 (covered by ENTER) are empty.
inline constexpr std::array<KeyLabel, 31> kKeyLabels = {{
    {"", "", KeyFamily::Function},
    {"eˣ", "LN", KeyFamily::Function},
    {"10ˣ", "LOG", KeyFamily::Function},
    {"SIN", "SIN⁻¹", KeyFamily::Function},
    {"COS", "COS⁻¹", KeyFamily::Function},
    {"TAN", "TAN⁻¹", KeyFamily::Function},
    {"1/x", "yˣ", KeyFamily::Function},
    {"√x", "x²", KeyFamily::Function},
    {"EEX", "π", KeyFamily::Function},
    {"7", "FIX", KeyFamily::Digit},
    {"8", "SCI", KeyFamily::Digit},
    {"9", "ENG", KeyFamily::Digit},
    {"÷", "%", KeyFamily::Function},
    {"x≷y", "R↓", KeyFamily::Function},
    {"CHS", "R↑", KeyFamily::Function},
    {"4", "DEG", KeyFamily::Digit},
    {"5", "RAD", KeyFamily::Digit},
    {"6", "GRD", KeyFamily::Digit},
    {"×", "x!", KeyFamily::Function},
    {"?", "HYP", KeyFamily::Function},
    {"ENTER", "RAN#", KeyFamily::Function},
    {"1", "→P", KeyFamily::Digit},
    {"2", "→R", KeyFamily::Digit},
    {"3", "→DEG", KeyFamily::Digit},
    {"−", "→RAD", KeyFamily::Function},
    {"F", "", KeyFamily::Shift},
    {"", "", KeyFamily::Function},
    {"0", "STO", KeyFamily::Digit},
    {".", "RCL", KeyFamily::Digit},
    {"←", "CLX", KeyFamily::Digit},
    {"+", "CLR", KeyFamily::Function},
}};

}  // namespace tabrix
