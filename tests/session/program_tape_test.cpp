// Program runs on the tape: whatever a run did (draws, pastes, stops, steps,
// a definition changed between two runs, a run cut short), the tape replays
// in the console to the very state the session shows.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "document/notice.h"
#include "document/calculator_session.h"
#include "document/program.h"
#include "document/state_file.h"
#include "engine/key_codes.h"
#include "engine/mode_words.h"
#include "document/token_reader.h"
#include "fakes/document_fakes.h"

namespace tabrix {
namespace {

CalculatorState Shown(const CalculatorState& state) {
    CalculatorState copy = state;
    copy.m_nKey = 0;
    return copy;
}

struct Harness {
    explicit Harness(std::uint64_t seed) : random(seed) {}
    MersenneRandomSource random;
    testing::FakeClipboard clipboard;
    testing::RecordingMessageBox messages;
    testing::CountingShell shell;
    CalculatorSession session{SessionServices{{nullptr, &messages, nullptr, &clipboard}, &shell, &random}};

    // A line of a scenario: programs defined as the desktop's editor defines
    // them (no tape line of their own), "steps:N" for the step limit,
    // "paste-value:N" (a tape line's value pasted), "clear-tape", or tokens
    // carried out one by one.
    void Do(std::string_view line) {
        if (line.starts_with("def:")) {
            const CheckedFile read = CheckProgramFile(
                line, [this](std::string_view key) { return session.Programs().Find(key) != nullptr; });
            for (const ProgramProblem& problem : read.Problems()) ADD_FAILURE() << ProblemText(problem);
            for (const auto& program : read.programs) EXPECT_TRUE(program && session.DefineProgram(program));
        } else if (line.starts_with("steps:")) {
            session.SetStepLimit(std::stoull(std::string(line.substr(6))));
        } else if (line.starts_with("paste-value:")) {
            session.Perform(Action::PasteValue(std::stod(std::string(line.substr(12)))));
        } else if (line == "clear-tape") {
            session.Perform(Action::Command(Action::Kind::ClearTape));
        } else {
            ForEachWord(line, [&](std::string_view word) {
                const auto actions = ParseToken(word);
                EXPECT_TRUE(actions.has_value()) << word;
                for (const Action& action : actions.value_or(std::vector<Action>{})) session.Perform(action);
                return true;
            });
        }
    }
};

// The tape's script run through the console, as --script runs it, on a
// random source of its own: the draws must come from the tape.
CalculatorState Replayed(const std::string& script) {
    std::ostringstream out, err;
    cli::Session console(99, cli::Options::Output::Json, '.', cli::Options{}.maxSteps, out, err);
    EXPECT_TRUE(cli::RunScript(console, script, "tape", {}, err)) << err.str();
    EXPECT_FALSE(console.Halted()) << err.str();
    return Shown(console.Calculator().Doc().State());
}

TEST(ProgramTape, EveryKindOfRunReplaysToTheStateShown) {
    const struct {
        const char* name;
        std::vector<const char*> lines;
    } scenarios[] = {
        {"draws inside", {"def:r RAN RAN + gsb:inner end def:inner RAN * end", "run:r", "run:r 5 +", "run:inner"}},
        {"redefined between runs", {"def:f 1 + end", "3 run:f", "def:f 2 * end", "run:f", "run:f"}},
        {"callee redefined", {"def:c gsb:g 1 + end def:g 1 + end", "run:c", "def:g 10 * end", "run:c", "run:g"}},
        {"callee redefined while stopped", {"def:c stop gsb:g end def:g 1 + end", "4 run:c", "def:g 10 * end", "cont"}},
        {"stop and cont", {"def:h 10 ENTER stop + RAN stop * end", "run:h", "5", "cont", "7 ENTER", "cont"}},
        {"sst", {"def:s 1 ENTER 2 + RAN * end", "sst:s", "sst", "4", "sst", "sst", "cont"}},
        {"sst after a stop", {"def:h 1 ENTER stop RAN + end", "run:h", "sst", "sst", "9"}},
        {"sst begins another", {"def:a 1 stop 2 end def:b 5 * end", "run:a", "sst:b", "sst", "cont"}},
        {"bare paste", {"def:p paste 2 * end", "clip:\"12.5\"", "run:p", "clip:\"3\"", "run:p"}},
        {"paste-number", {"def:p paste-number + end", "clip:\"$1,234.5\"", "7 run:p", "clip:\"none\"", "run:p"}},
        {"copy then paste", {"def:q copy 3 paste + end", "clip:\"100\"", "2 run:q"}},
        {"paste, copy, paste", {"def:m paste 1 + copy paste + end", "clip:\"20\"", "run:m", "run:m"}},
        {"paste stopped", {"def:m paste stop paste + end", "clip:\"6\"", "run:m", "clip:\"8\"", "cont"}},
        {"step limit", {"steps:25", "def:spin lbl:a RAN + gto:a end", "run:spin", "3 +", "steps:0"}},
        {"too deep", {"def:d RAN gsb:d end", "run:d", "1 +"}},
        {"undo and redo of runs", {"def:f RAN + end", "4 run:f", "undo", "redo", "undo", "run:f", "undo", "9"}},
        {"clear tape while stopped", {"def:h 1 stop 2 + end", "run:h", "clear-tape", "cont", "5 run:h", "cont"}},
        {"names without case", {"def:Tri STO 1 0 STO 2 lbl:l RCL 2 RCL 1 + STO 2 dsz:1 gto:l RCL 2 end", "6 run:TRI"}},
        {"a run inside a typed number", {"def:f 1 + end", "1 2 run:f 3", "run:f", "EEX 2 run:f"}},
        {"removed and defined again", {"def:f 1 + end", "run:f", "def:f 1 + end", "run:f"}},
    };
    for (const auto& scenario : scenarios) {
        Harness h(7);
        for (const char* line : scenario.lines) h.Do(line);
        const std::string script = h.session.Tape().Script();
        EXPECT_EQ(Replayed(script), Shown(h.session.Doc().State())) << scenario.name << "\ntape:\n" << script;
    }
}

// A run whose paste found no text on the clipboard: the replay's clipboard
// must hold none either, though the tape's paste:TEXT of a value put one there.
TEST(ProgramTape, ARunThatFindsTheClipboardEmptyReplays) {
    Harness h(7);
    for (const char* line : {"def:p 3 ENTER paste + end", "paste-value:5", "run:p"}) h.Do(line);
    ASSERT_FALSE(h.clipboard.text.has_value());
    EXPECT_EQ(h.session.Doc().m_dX, 6);  // the paste found nothing
    const std::string script = h.session.Tape().Script();
    EXPECT_EQ(Replayed(script), Shown(h.session.Doc().State())) << "tape:\n" << script;
}

// What the tape writes for runs: each definition once, until it changes, on
// a line of its own ahead of the run; the clipboard text and the draws a run
// read, before the run's token; the state a run cut short left.
TEST(ProgramTape, RunLinesCarryTheDefinitionsDrawsAndClipboardTheyNeed) {
    Harness h(3);
    for (const char* line : {"def:c RAN gsb:g end def:g 1 + end", "run:c", "run:c", "def:g paste + end", "clip:\"5\"",
                             "run:c", "steps:3", "def:spin lbl:a gto:a end", "run:spin"}) {
        h.Do(line);
    }
    const std::regex expected[] = {
        std::regex("def:c RAN gsb:g end\tProgram c\t"), std::regex("def:g 1 \\+ end\tProgram g\t"),
        std::regex("draw:\\d+ run:c\tRun c\t.*"),      std::regex("draw:\\d+ run:c\tRun c\t.*"),
        std::regex("def:g paste \\+ end\tProgram g\t"), std::regex("clip:\"5\" draw:\\d+ run:c\tRun c\t.*"),
        std::regex("state:[0-9a-f]+\t\\w+ stopped at step 2\t.*"),
    };
    ASSERT_EQ(h.session.Tape().Size(), std::size(expected)) << h.session.Tape().Script();
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const TapeLine line = h.session.Tape().Line(i);
        const std::string text = std::string(line.tokens) + "\t" + EnglishText(line.label) + "\t" + std::string(line.shown);
        EXPECT_TRUE(std::regex_match(text, expected[i])) << text;
    }
}

// Load State of a file's bytes (the web page has no path for the console to
// open): the tape replays it as the state it gave; bytes that are no state
// file change nothing and say so.
TEST(LoadBytesTape, ALoadedStateReplaysWithoutItsFile) {
    Harness h(5);
    CTabrixDoc saved;
    for (std::uint32_t key : {keys::kOne, keys::kPoint, keys::kFive}) saved.PressKey(key);  // 1.5 being typed
    saved.m_dReg[4] = 2;
    saved.m_strFormat = words::kFix;
    const std::vector<std::uint8_t> bytes = EncodeState(saved.State());
    h.Do("7 ENTER");
    Action load{Action::Kind::LoadBytes, 0, std::string(bytes.begin(), bytes.end()), 0, "work.rpn"};
    EXPECT_FALSE(h.session.Perform(load).failed);
    h.Do("RCL 4 +");
    EXPECT_EQ(h.session.Doc().m_dX, 3.5);
    EXPECT_NE(h.session.Tape().Script().find("state:"), std::string::npos);
    EXPECT_TRUE(EnglishText(h.session.Tape().Line(1).label).starts_with("Load State work.rpn"));
    EXPECT_EQ(Replayed(h.session.Tape().Script()), Shown(h.session.Doc().State()));

    const CalculatorState before = Shown(h.session.Doc().State());
    Action junk{Action::Kind::LoadBytes, 0, "junk", 0, "junk.rpn"};
    EXPECT_TRUE(h.session.Perform(junk).failed);
    EXPECT_EQ(Shown(h.session.Doc().State()), before);
    ASSERT_FALSE(h.messages.messages.empty());
    EXPECT_EQ(h.messages.messages.back(), "File Error");
}

}  // namespace
}  // namespace tabrix
