// A calculator session with scripted services, for the desktop program's
// tests: the window and the view drive it, the test reads its calculator.
#pragma once

#include <initializer_list>
#include <string>

#include "document/calculator_session.h"
#include "engine/key_codes.h"
#include "fakes/scripted_random.h"

namespace tabrix::testing {

struct TestSession {
    explicit TestSession(const DocumentServices& services = {})
        : session(SessionServices{services, &shell, &random}) {}

    ScriptedRandom random;
    CountingShell shell;
    CalculatorSession session;
    CTabrixDoc& doc = session.Doc();

    // Keys pressed on the calculator itself, past the session (setting a
    // test up): no undo step, no tape line.
    void Press(std::uint32_t key) { doc.PressKey(key); }
    void Press(std::initializer_list<std::uint32_t> keys) {
        for (std::uint32_t key : keys) Press(key);
    }
    void Type(const std::string& number) {
        for (char c : number) Press(c == '.' ? keys::kPoint : keys::kDigitKeys[c - '0']);
    }
    // An action as a person does it, through the session.
    Outcome Perform(const Action& action) { return session.Perform(action); }
};

}  // namespace tabrix::testing
