// A calculator with scripted services, and a way to press keys on it the way
// the keypad does.
#pragma once

#include <initializer_list>
#include <string>

#include "engine/calculator_state.h"
#include "engine/key_codes.h"
#include "fakes/scripted_random.h"

namespace tabrix::testing {

struct TestDoc {
    ScriptedRandom random;
    CountingShell shell;
    CTabrixDoc doc{&random, &shell};

    void Press(std::uint32_t key) { doc.PressKey(key); }
    void Press(std::initializer_list<std::uint32_t> keys) {
        for (std::uint32_t key : keys) Press(key);
    }
    // Types a number with the digit and point keys ("12.5").
    void Type(const std::string& number) {
        for (char c : number) Press(c == '.' ? keys::kPoint : keys::kDigitKeys[c - '0']);
    }
    void Shifted(std::uint32_t key) { Press({keys::kShift, key}); }
};

}  // namespace tabrix::testing
