// A calculator session driven by lines of console tokens, with fake
// services and RAN# seeded, for the session's tests; and a tape replayed
// in the console, as --script replays it.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "document/calculator_session.h"
#include "document/program.h"
#include "document/token_reader.h"
#include "fakes/document_fakes.h"

namespace tabrix::testing {

struct TokenSession {
    explicit TokenSession(char localeDecimal = '.') { session.SetLocaleDecimal(localeDecimal); }
    MersenneRandomSource random{5};
    FakeClipboard clipboard;
    RecordingMessageBox messages;
    CountingShell shell;
    CalculatorSession session{SessionServices{{nullptr, &messages, nullptr, &clipboard}, &shell, &random}};
    Outcome last;  // of the last action

    // Programs ("def:NAME ... end") or tokens, one by one.
    void Do(std::string_view line) {
        if (line.starts_with("def:")) {
            const CheckedFile read = CheckProgramFile(
                line, [this](std::string_view key) { return session.Programs().Find(key) != nullptr; });
            for (const auto& program : read.programs) EXPECT_TRUE(program && session.DefineProgram(program));
            return;
        }
        ForEachWord(line, [&](std::string_view word) {
            const auto actions = ParseToken(word);
            EXPECT_TRUE(actions.has_value()) << word;
            for (const Action& action : actions.value_or(std::vector<Action>{})) last = session.Perform(action);
            return true;
        });
    }
    const CTabrixDoc& Doc() { return session.Doc(); }
};

// The tape's script run in the console (RAN# seeded with 99; a replay
// needs only the draws the tape writes): the state it shows, and whether
// every line ran.
struct ConsoleReplay {
    CalculatorState state;
    bool ran = false;
    std::string errors;
};
inline ConsoleReplay ReplayInConsole(const std::string& script) {
    std::ostringstream out, err;
    cli::Session console(99, cli::Options::Output::Json, '.', cli::Options{}.maxSteps, out, err);
    ConsoleReplay replay;
    replay.ran = cli::RunScript(console, script, "tape", {}, err);
    replay.state = WithoutHeldKey(console.Calculator().Doc().State());
    replay.errors = err.str();
    return replay;
}

}  // namespace tabrix::testing
