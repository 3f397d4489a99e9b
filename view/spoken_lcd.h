// The LCD as a person would say it, for screen readers, and the keys' names.
// Plain strings; no toolkit.
#pragma once

#include <string>

#include "engine/calculator_state.h"

namespace tabrix {

// The few words said around numbers and labels; English unless the caller
// gives them in the user's language.
struct SpokenWords {
    std::string timesTenToThe = "times ten to the";
    std::string shift = "shift";
    std::string shifted = "shifted";
};

// "X 1.5 times ten to the 1, SCI 6, DEG", then ", shift" and the pending
// prefix word when set. While a number is typed it is read as typed; an error
// text is read as it stands.
std::string SpokenLcd(const CTabrixDoc& doc, const SpokenWords& words = {});

// A key's name: its label, then its shifted label ("7, shifted FIX"); empty
// for codes without a key.
std::string KeyAccessibleName(int code, const SpokenWords& words = {});

}  // namespace tabrix
