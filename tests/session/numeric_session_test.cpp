// solve: and integrate: in the session: one undo step and one tape line
// that replays to the same bits in the console, in slices as in one go, as
// a program's step as outside one; stopped by Escape or the step limit with
// the stack put back; nesting refused before anything runs.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <sstream>
#include <utility>
#include <vector>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "document/calculator_session.h"
#include "document/program.h"
#include "document/token_reader.h"
#include "engine/number_text.h"
#include "fakes/cli_run.h"
#include "fakes/document_fakes.h"
#include "fakes/token_session.h"

namespace tabrix {
namespace {

using Kind = Action::Kind;
using State = RunReport::State;

// The session with the programs' runs resumed as a front end resumes them.
struct Harness : testing::TokenSession {
    // Resume until the run is over, as a front end does between its events.
    int Finish() {
        int turns = 0;
        while (last.run.state == State::Running && turns < 1000000) {
            last = session.Perform(Action::Command(Kind::Resume));
            ++turns;
        }
        return turns;
    }
};

CalculatorState Replayed(const std::string& script) {
    const testing::ConsoleReplay replay = testing::ReplayInConsole(script);
    EXPECT_TRUE(replay.ran) << replay.errors;
    return replay.state;
}

// Functions with draws and registers: each evaluation adds to register 5
// and draws, so that an evaluation run twice or left out shows.
constexpr const char* kPrograms[] = {
    "def:noisy 1 sto+:5 RDN COS SWAP - RAN 1e-3 * + end",
    "def:wavy 1 sto+:6 RDN SIN RAN 1e-9 * + end",
    "def:smooth 1 sto+:7 RDN SIN end",
};

TEST(NumericSession, EachIsOneUndoStepAndOneTapeLineThatReplays) {
    const struct {
        const char* tokens;
    } cases[] = {
        {"RAD 0 ENTER 1 solve:noisy"},
        {"RAD 0 ENTER 3 integrate:wavy"},
        {"RAD 12 sto:5 0 ENTER 1 solve:noisy 2 * 1 ENTER 2 integrate:wavy"},
        {"RAD 5 ENTER 6 solve:wavy"},
        // No root: the best x stays, and the tape still replays it.
        {"RAD 5 ENTER 6 integrate:wavy 3 ENTER 4 solve:noisy 1e3 + SQ"},
    };
    for (const auto& c : cases) {
        Harness h;
        for (const char* program : kPrograms) h.Do(program);
        h.Do(c.tokens);
        const CalculatorState after = WithoutHeldKey(h.Doc().State());
        const std::string tape = h.session.Tape().Script();
        EXPECT_EQ(Replayed(tape), after) << c.tokens << "\n" << tape;
        EXPECT_NE(tape.find(std::strstr(c.tokens, "noisy") ? "def:noisy" : "def:wavy"), std::string::npos) << tape;
        // Undo takes the last one back whole: registers, draws and stack.
        Harness before;
        for (const char* program : kPrograms) before.Do(program);
        std::string all = c.tokens;
        all.erase(all.rfind(' '));
        before.Do(all);
        h.session.Perform(Action::Command(Kind::Undo));
        EXPECT_EQ(WithoutHeldKey(h.Doc().State()), WithoutHeldKey(before.Doc().State())) << c.tokens;
    }
}

TEST(NumericSession, SlicesGiveTheSameBitsAsOneGoAndEveryEvaluationRunsOnce) {
    for (const char* tokens : {"RAD 0 ENTER 1 solve:noisy", "RAD 0 ENTER 3 integrate:smooth"}) {
        Harness whole, sliced;
        for (Harness* h : {&whole, &sliced}) {
            for (const char* program : kPrograms) h->Do(program);
        }
        whole.Do(tokens);
        // The shortest slice there is: one evaluation each.
        sliced.session.SetTimeSlice(std::chrono::nanoseconds(1));
        sliced.Do(tokens);
        EXPECT_EQ(sliced.last.run.state, State::Running) << tokens;
        EXPECT_GT(sliced.Finish(), 5) << tokens;
        EXPECT_EQ(sliced.last.run.state, State::Finished) << tokens;
        EXPECT_EQ(WithoutHeldKey(sliced.Doc().State()), WithoutHeldKey(whole.Doc().State())) << tokens;
        EXPECT_EQ(sliced.session.Tape().Script(), whole.session.Tape().Script()) << tokens;
    }
}

TEST(NumericSession, AStepOfAProgramGivesTheSameBitsAsTheFunction) {
    Harness alone, inProgram;
    for (Harness* h : {&alone, &inProgram}) {
        h->Do("def:poly 137 POW SWAP 56 POW 3 * + SWAP SQ 8 * + SWAP 5 * + 2002 - end");
        h->Do("def:run2 0 ENTER 2 solve:poly end");
    }
    alone.Do("0 ENTER 2 solve:poly");
    inProgram.Do("run:run2");
    EXPECT_EQ(inProgram.last.run.state, State::Finished);
    EXPECT_EQ(ExactText(inProgram.Doc().m_dX), "1.0567413181191763");
    EXPECT_TRUE(SameBits(alone.Doc().m_dX, inProgram.Doc().m_dX));
    EXPECT_TRUE(SameBits(alone.Doc().m_dY, inProgram.Doc().m_dY));
    EXPECT_TRUE(SameBits(alone.Doc().m_dZ, inProgram.Doc().m_dZ));
    const std::string tape = inProgram.session.Tape().Script();
    EXPECT_EQ(Replayed(tape), WithoutHeldKey(inProgram.Doc().State())) << tape;
}

TEST(NumericSession, TheDisplayModeChangesNoBit) {
    std::vector<std::pair<double, double>> results;
    for (const char* mode : {"", "FIX 0", "FIX 9", "SCI 0", "ENG 2", "SCI 9"}) {
        for (const char* tokens : {"0 ENTER 2 solve:poly", "0 ENTER 1 integrate:bump"}) {
            Harness h;
            h.Do("def:poly 137 POW SWAP 56 POW 3 * + SWAP SQ 8 * + SWAP 5 * + 2002 - end");
            h.Do("def:bump SQ 1 + INV end");
            if (*mode != '\0') h.Do(mode);
            h.Do(tokens);
            results.emplace_back(h.Doc().m_dX, h.Doc().m_dY);
        }
    }
    for (std::size_t i = 2; i < results.size(); ++i) {
        EXPECT_TRUE(SameBits(results[i].first, results[i % 2].first)) << i;
        EXPECT_TRUE(SameBits(results[i].second, results[i % 2].second)) << i;
    }
    EXPECT_EQ(ExactText(results[0].first), "1.0567413181191763");
}

TEST(NumericSession, NoAnswerInAProgramEndsItsRunWithTheReason) {
    Harness h;
    h.Do("def:sq1 SQ 1 + end");
    h.Do("def:outer 1 ENTER 2 solve:sq1 100 + end");
    h.Do("run:outer");
    EXPECT_EQ(h.last.run.state, State::Failed);
    EXPECT_EQ(NoticeText(h.last.notice).rfind("outer stopped at step 4 (solve:sq1). No root of sq1: no sign change found", 0),
              0u)
        << NoticeText(h.last.notice);
    EXPECT_LT(std::fabs(h.Doc().m_dX), 1e-6);  // the best x, without the 100 added
}

TEST(NumericSession, NestingIsRefusedBeforeAnythingRuns) {
    Harness h;
    h.Do("def:f COS SWAP - end");
    h.Do("def:g 1 sto+:1 0 ENTER 1 solve:f + end");
    h.Do("def:h gsb:g end");
    h.Do("0 ENTER 1");
    const CalculatorState before = h.Doc().State();
    h.Do("solve:h");
    EXPECT_TRUE(h.last.refused);
    EXPECT_EQ(NoticeText(h.last.notice),
              "h cannot be solved or integrated: g solves or integrates a program itself, and they do not nest.");
    EXPECT_EQ(h.Doc().State(), before);
    EXPECT_FALSE(h.session.CanUndo() && h.session.Tape().Script().find("solve:h") != std::string::npos);
    // A program that solves, run as a program, is no nesting.
    h.Do("run:h");
    EXPECT_EQ(h.last.run.state, State::Finished);
    EXPECT_EQ(h.Doc().m_dReg[1], 1);
}

TEST(NumericSession, EscapeAndTheStepLimitPutTheStackBackAndUndoTakesItAll) {
    Harness h;
    h.Do("def:spin lbl:a 1 sto+:2 gto:a end");
    h.session.SetTimeSlice(std::chrono::milliseconds(2));
    h.Do("4 ENTER 5");
    const CalculatorState typed = WithoutHeldKey(h.Doc().State());
    h.Do("solve:spin");
    EXPECT_EQ(h.last.run.state, State::Running);
    EXPECT_EQ(NoticeText(h.last.notice), "Solving spin \u2014 Esc stops");
    h.last = h.session.Perform(Action::Command(Kind::Resume));
    h.last = h.session.Perform(Action::KeyRelease(0x1B));  // Escape
    EXPECT_EQ(h.last.run.state, State::Interrupted);
    EXPECT_EQ(NoticeText(h.last.notice), "Solving spin was stopped: the stack is as before.");
    EXPECT_EQ(h.Doc().m_dX, 5);
    EXPECT_EQ(h.Doc().m_dY, 4);
    EXPECT_GT(h.Doc().m_dReg[2], 0);
    h.session.Perform(Action::Command(Kind::Undo));
    EXPECT_EQ(WithoutHeldKey(h.Doc().State()), typed);
    EXPECT_EQ(Replayed(h.session.Tape().Script()), WithoutHeldKey(h.Doc().State()));

    // The console bounds every evaluation's steps together.
    testing::TextFile programs("spin.txt", "def:spin lbl:a 1 sto+:2 gto:a end\ndef:slow 1 sto+:3 rcl:3 1000 x<y? SQ end\n");
    const testing::CliRun run = testing::RunWith({"--program", programs.path, "--max-steps", "5000", "--value",
                                                  "4", "ENTER", "5", "integrate:spin"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "5\n");
    EXPECT_NE(run.err.find("reached the step limit of 5000 steps"), std::string::npos) << run.err;
}

TEST(NumericSession, TheConsoleTellsWhyAndTracesEachEvaluation) {
    testing::TextFile programs("f.txt", "def:pole 1 - INV end\ndef:cosx COS SWAP - end\n");
    const testing::CliRun pole = testing::RunWith({"--program", programs.path, "--value", "0", "ENTER", "2", "solve:pole"});
    EXPECT_EQ(pole.status, 4);
    EXPECT_EQ(pole.err, "tabrix-cli: No root of pole: a sign change at x = 1 where f jumps (a pole?).\n");
    EXPECT_EQ(pole.out, "1\n");
    const testing::CliRun ignored =
        testing::RunWith({"--program", programs.path, "--ignore-errors", "--value", "0", "ENTER", "2", "solve:pole"});
    EXPECT_EQ(ignored.status, 0);
    const testing::CliRun traced =
        testing::RunWith({"--program", programs.path, "--trace", "RAD", "0", "ENTER", "1", "solve:cosx"});
    EXPECT_EQ(traced.status, 0) << traced.err;
    EXPECT_NE(traced.out.find("{\"evaluation\":1,\"program\":\"cosx\",\"x\":0,\"fx\":1}\n"), std::string::npos)
        << traced.out;
    EXPECT_NE(traced.out.find("{\"evaluation\":2,\"program\":\"cosx\",\"x\":1,\"fx\":-0.45969769413186023}\n"),
              std::string::npos);
}

}  // namespace
}  // namespace tabrix
