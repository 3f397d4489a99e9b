// The LCD as a person would say it, for screen readers, and the keys' names.
// Plain strings; no toolkit.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "engine/calculator_state.h"

namespace tabrix {

// The few words said around numbers and labels; English unless the caller
// gives them in the user's language.
struct SpokenWords {
    std::string timesTenToThe = "times ten to the";
    std::string shift = "shift";
    std::string shifted = "shifted";
    // A function's description ("divide") in the user's language.
    std::function<std::string(std::string_view)> describe = [](std::string_view d) { return std::string(d); };
};

// "X 1.5 times ten to the 1, SCI 6, DEG", then ", shift" and the pending
// prefix word when set. While a number is typed it is read as typed; an error
// text is read as it stands.
std::string SpokenLcd(const CTabrixDoc& doc, const SpokenWords& words = {});

// The stack above X as said, for whoever asks for more than X:
// "Y 3.5, Z 0, T 0".
std::string SpokenStack(const CTabrixDoc& doc, const SpokenWords& words = {});

// A key's name by its label and what it does, then the same of its shifted
// function: "÷ divide, shifted % percent", "7, shifted FIX display
// digits"; empty for codes without a key.
std::string KeyAccessibleName(int code, const SpokenWords& words = {});

}  // namespace tabrix
