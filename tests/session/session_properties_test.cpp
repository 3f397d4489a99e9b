// Properties of the one calculator session over thousands of random
// sequences of actions: its tape replays in the console to the state it
// shows, Undo takes back exactly one action and Redo brings it again, and
// Clear Tape keeps both true. The actions run, continue and step a few
// programs too, which are now and then defined anew between two runs. A
// failure prints its seed and its actions.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "document/calculator_session.h"
#include "document/program.h"
#include "document/state_file.h"
#include "engine/key_codes.h"
#include "fakes/document_fakes.h"
#include "fakes/random_actions.h"

namespace tabrix {
namespace {

constexpr int kSequences = 2500;
constexpr int kLongest = 60;

CalculatorState Shown(const CalculatorState& state) {
    CalculatorState copy = state;
    copy.m_nKey = 0;
    return copy;
}

class SessionProperties : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_folder = std::filesystem::temp_directory_path() / ("tabrix-properties-" + std::to_string(::getpid()));
        std::filesystem::create_directories(s_folder);
        CalculatorState saved;
        saved.m_strFormat = "FIX";
        saved.m_nDigits = 2;
        saved.m_dX = 42.5;
        saved.m_dReg[3] = -7;
        saved.m_bEntering = true;
        saved.m_strMantissa = "12";
        const std::vector<std::uint8_t> bytes = EncodeState(saved);
        std::ofstream(s_folder / "good.rpn", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        std::ofstream(s_folder / "bad.rpn") << "not a state file";
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(s_folder); }

    // The programs the sequences run, each in two versions: loops, calls,
    // recursion, RAN#, stops, pauses, and pastes of what the clipboard holds.
    struct Versions {
        const char* name;
        const char* bodies[2];
    };
    static constexpr Versions kPrograms[] = {
        {"walk", {"3 sto:7 lbl:a RAN + dsz:7 gto:a", "2 sto:7 lbl:a 1 + x>0? gsb:coin dsz:7 gto:a"}},
        {"coin", {"RAN 2 * 1 - x<0? CHS", "paste-number +"}},
        {"pick", {"paste SQRT", "copy 5 paste + x<=y? stop"}},
        {"nest", {"gsb:coin run:pick 1 +", "dsz:6 gsb:nest"}},
        {"halt", {"10 ENTER stop + RAN stop *", "1 stop 2 + gsb:coin pse"}},
    };

    static testing::ActionMix Mix() {
        testing::ActionMix mix{(s_folder / "good.rpn").string(), (s_folder / "bad.rpn").string()};
        for (const Versions& program : kPrograms) mix.programs.emplace_back(program.name);
        return mix;
    }

    // The session with fake services, RAN# drawing from a seeded source, and
    // the programs defined.
    struct Harness {
        explicit Harness(std::uint64_t seed) : random(seed), edits(seed) {
            for (const Versions& program : kPrograms) Define(program.name, program.bodies[0]);
            // A loop that never ends is cut short, and written as the state it left.
            session.SetStepLimit(2000);
        }
        MersenneRandomSource random;
        std::mt19937 edits;
        testing::FakeClipboard clipboard;
        testing::RecordingMessageBox messages;
        testing::CountingShell shell;
        CalculatorSession session{SessionServices{{nullptr, &messages, nullptr, &clipboard}, &shell, &random}};

        void Define(const std::string& name, const std::string& body) {
            std::vector<ProgramProblem> problems;
            auto program = CompileProgram(Definition{name, body, 1, 1}, [](std::string_view) { return true; }, problems);
            ASSERT_TRUE(program) << name;
            session.DefineProgram(std::move(program));
        }
        // The action, after a program was now and then defined anew, as the
        // desktop's editor does between runs.
        Outcome Perform(const Action& action) {
            if ((action.kind == Action::Kind::Run || action.kind == Action::Kind::Step) && edits() % 3 == 0) {
                const Versions& program = kPrograms[edits() % std::size(kPrograms)];
                Define(program.name, program.bodies[edits() % 2]);
            }
            return session.Perform(action);
        }
    };

    // The tape's script run through the console, as --script runs it.
    static CalculatorState Replayed(const std::string& script) {
        std::ostringstream out, err;
        cli::Session console(0, cli::Options::Output::Json, '.', cli::Options{}.maxSteps, out, err);
        EXPECT_TRUE(cli::RunScript(console, script, "tape", {}, err)) << err.str();
        return Shown(console.Calculator().Doc().State());
    }

    static inline std::filesystem::path s_folder;
};

TEST_F(SessionProperties, TheTapeReplaysInTheConsoleToTheStateShown) {
    for (int seed = 1; seed <= kSequences; ++seed) {
        testing::RandomActions random(static_cast<std::uint64_t>(seed), Mix());
        const std::vector<Action> actions = random.Sequence(kLongest);
        Harness h(static_cast<std::uint64_t>(seed));
        for (const Action& action : actions) h.Perform(action);
        const std::string script = h.session.Tape().Script();
        ASSERT_EQ(Replayed(script), Shown(h.session.Doc().State()))
            << "seed " << seed << ": " << testing::Describe(actions) << "\ntape:\n" << script;

        // Kept and brought back (the last session, the page's storage): the
        // same calculator and the same tape.
        Harness restored(0);
        ASSERT_TRUE(restored.session.RestoreKept(h.session.KeptText()).restored);
        ASSERT_EQ(Shown(restored.session.Doc().State()), Shown(h.session.Doc().State())) << "seed " << seed;
        ASSERT_EQ(restored.session.Tape().Script(), script) << "seed " << seed;
    }
}

TEST_F(SessionProperties, UndoTakesBackExactlyOneActionAndRedoBringsItAgain) {
    for (int seed = 1; seed <= kSequences; ++seed) {
        testing::RandomActions random(static_cast<std::uint64_t>(seed) * 7919, Mix());
        const std::vector<Action> actions = random.Sequence(kLongest);
        Harness h(static_cast<std::uint64_t>(seed));
        for (std::size_t i = 0; i < actions.size(); ++i) {
            const Action& action = actions[i];
            const CalculatorState before = Shown(h.session.Doc().State());
            const std::size_t levels = h.session.UndoLevels();
            h.Perform(action);
            const CalculatorState after = Shown(h.session.Doc().State());
            if (action.kind == Action::Kind::Undo || action.kind == Action::Kind::Redo ||
                action.kind == Action::Kind::ClearTape) {
                continue;
            }
            SCOPED_TRACE("seed " + std::to_string(seed) + ", action " + std::to_string(i) + " of " +
                         testing::Describe(actions));
            if (before == after) {
                // Nothing changed: nothing new to undo.
                ASSERT_LE(h.session.UndoLevels(), std::max<std::size_t>(levels, 1));
                continue;
            }
            ASSERT_TRUE(h.session.CanUndo());
            h.session.Perform(Action::Command(Action::Kind::Undo));
            ASSERT_EQ(Shown(h.session.Doc().State()), before);
            h.session.Perform(Action::Command(Action::Kind::Redo));
            ASSERT_EQ(Shown(h.session.Doc().State()), after);
        }
        // The undo and redo the check added are on the tape too: it still replays.
        ASSERT_EQ(Replayed(h.session.Tape().Script()), Shown(h.session.Doc().State()))
            << "seed " << seed << ": " << testing::Describe(actions) << "\ntape:\n" << h.session.Tape().Script();
    }
}

// A key that completes what a key left pending (a shift, a prefix) ends
// that key's undo step instead of making one of its own; anything that
// changes the calculator in between parts them. Undo then walks back over
// the steps' starts, one by one.
TEST_F(SessionProperties, AKeyCompletingAShiftOrPrefixJoinsItsStep) {
    using Kind = Action::Kind;
    for (int seed = 1; seed <= kSequences / 5; ++seed) {
        testing::RandomActions random(static_cast<std::uint64_t>(seed) * 15485863, Mix());
        Harness h(static_cast<std::uint64_t>(seed));
        std::vector<CalculatorState> starts;
        bool pending = false;  // the last step was keys that left a shift or prefix waiting
        for (const Action& action : random.Sequence(kLongest)) {
            if (action.kind == Kind::Undo || action.kind == Kind::Redo || action.kind == Kind::ClearTape) continue;
            const CalculatorState before = Shown(h.session.Doc().State());
            const std::size_t levels = h.session.UndoLevels();
            h.Perform(action);
            const CalculatorState& after = h.session.Doc().State();
            const bool changed = Shown(after) != before;
            const bool key = action.kind == Kind::Key || action.kind == Kind::KeyRelease ||
                             (action.kind == Kind::Function && catalogue::KeyOf(static_cast<FunctionId>(action.code)));
            SCOPED_TRACE("seed " + std::to_string(seed) + ": " + testing::Describe({action}));
            if (key && pending) {
                ASSERT_EQ(h.session.UndoLevels(), levels) << "joined the step before";
            } else if (h.session.UndoLevels() > levels) {
                starts.push_back(before);
            }
            if (key) {
                pending = (after.m_bShift || !after.m_strPrefix.empty()) && (changed || pending);
            } else if (changed) {
                pending = false;
            }
        }
        ASSERT_EQ(h.session.UndoLevels(), starts.size()) << "seed " << seed;
        for (auto start = starts.rbegin(); start != starts.rend(); ++start) {
            h.session.Perform(Action::Command(Kind::Undo));
            ASSERT_EQ(Shown(h.session.Doc().State()), *start) << "seed " << seed;
        }
    }
}

TEST_F(SessionProperties, AfterClearTapeUndoAndRedoStillReplay) {
    for (int seed = 1; seed <= kSequences / 5; ++seed) {
        testing::RandomActions random(static_cast<std::uint64_t>(seed) * 104729, Mix());
        Harness h(static_cast<std::uint64_t>(seed));
        for (const Action& action : random.Sequence(kLongest)) h.Perform(action);
        h.session.Perform(Action::Command(Action::Kind::ClearTape));
        EXPECT_FALSE(h.session.CanUndo());
        std::vector<Action> after = random.Sequence(kLongest / 4);
        for (int i = 0; i < seed % 4; ++i) after.push_back(Action::Command(Action::Kind::Undo));
        for (int i = 0; i < seed % 3; ++i) after.push_back(Action::Command(Action::Kind::Redo));
        for (const Action& action : after) h.Perform(action);
        ASSERT_EQ(Replayed(h.session.Tape().Script()), Shown(h.session.Doc().State()))
            << "seed " << seed << ": " << testing::Describe(after) << "\ntape:\n" << h.session.Tape().Script();
    }
}

// Many keys pressed at once (a console's long line) give what pressing each
// gives: the same calculator, the same tape, with the tape and without; and
// Undo reaches back to the last keys, no further than their undo levels.
TEST_F(SessionProperties, KeysPressedAtOnceAreKeysPressedOneByOne) {
    for (int seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(static_cast<std::uint32_t>(seed));
        std::vector<std::uint32_t> codes(1000 + random() % 2500);
        for (std::uint32_t& code : codes) {
            // Digits most, F and every key, now and then a code without a key.
            const unsigned roll = random() % 20;
            code = roll < 8 ? keys::kDigitKeys[random() % 10] : roll < 11 ? std::uint32_t{keys::kShift}
                   : roll == 11 ? (random() % 2 == 0 ? 0u : 26u) : 1 + random() % 30;
        }
        for (const bool tape : {true, false}) {
            Harness atOnce(static_cast<std::uint64_t>(seed)), oneByOne(static_cast<std::uint64_t>(seed));
            atOnce.session.KeepTape(tape);
            oneByOne.session.KeepTape(tape);
            atOnce.session.PressKeys(codes);
            for (const std::uint32_t code : codes) oneByOne.session.Perform(Action::Key(code));
            ASSERT_EQ(Shown(atOnce.session.Doc().State()), Shown(oneByOne.session.Doc().State())) << "seed " << seed;
            ASSERT_EQ(atOnce.session.Tape().Script(), oneByOne.session.Tape().Script()) << "seed " << seed;
            // The last keys undo one by one, as each did.
            for (int i = 0; i < 50; ++i) {
                atOnce.session.Perform(Action::Command(Action::Kind::Undo));
                oneByOne.session.Perform(Action::Command(Action::Kind::Undo));
                ASSERT_EQ(Shown(atOnce.session.Doc().State()), Shown(oneByOne.session.Doc().State()))
                    << "seed " << seed << ", undo " << i;
            }
            ASSERT_LE(atOnce.session.UndoLevels(), CUndoHistory::kDefaultLevels);
        }
    }
}

}  // namespace
}  // namespace tabrix
