// Programs: what each kind of step does in a run, the problems a text of
// def blocks is refused with, the bounds of a run, a run as one undo step,
// Record Program, and the book of programs as written.
#include "document/program.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "document/calculator_session.h"
#include "document/program_book.h"
#include "document/token_reader.h"
#include "fakes/document_fakes.h"
#include "fakes/tri_program.h"
#include "platform/random_source.h"

namespace tabrix {
namespace {

using State = RunReport::State;
using Kind = Action::Kind;

CalculatorState Shown(const CalculatorState& state) {
    CalculatorState copy = state;
    copy.m_nKey = 0;
    return copy;
}

// A session with fake services, RAN# drawing from a seeded source.
struct Calculator {
    explicit Calculator(std::uint64_t seed = 1) : random(seed) {}
    MersenneRandomSource random;
    testing::FakeClipboard clipboard;
    testing::RecordingMessageBox messages;
    testing::CountingShell shell;
    CalculatorSession session{SessionServices{{nullptr, &messages, nullptr, &clipboard}, &shell, &random}};
    CTabrixDoc& doc = session.Doc();

    // Defines the programs of a file that has no problem.
    void Define(std::string_view text) {
        const CheckedFile read = CheckProgramFile(
            text, [this](std::string_view key) { return session.Programs().Find(key) != nullptr; });
        for (const ProgramProblem& problem : read.Problems()) ADD_FAILURE() << ProblemText(problem);
        for (const auto& program : read.programs) EXPECT_TRUE(program && session.DefineProgram(program));
    }
    // Tokens as a person gives them, each action on its own.
    void Press(std::string_view tokens) {
        ForEachWord(tokens, [&](std::string_view word) {
            const auto actions = ParseToken(word);
            EXPECT_TRUE(actions.has_value()) << word;
            for (const Action& action : actions.value_or(std::vector<Action>{})) session.Perform(action);
            return true;
        });
    }
    Outcome Do(Kind kind, std::string text = {}) { return session.Perform(Action::WithText(kind, std::move(text))); }
    RunReport Run(const std::string& name) { return Do(Kind::Run, name).run; }
};

// --- What each step does ----------------------------------------------------

const std::string kLibrary = std::string(testing::kTriProgram) + R"(
def:jump      gto:Over 100 lbl:over 7 ENTER + end
def:sub       2 * rtn 1000 + end
def:subend    2 * end
def:callgsb   10 gsb:sub 1 + end
def:callrun   10 run:sub 1 + end
def:callend   10 gsb:subend 1 + end
def:early     1 ENTER rtn 2 + end
def:inc       1 + end
def:typed     5 x!=0? 7 + end
def:typedcall 2 gsb:three + end
def:three     3 end
def:pause     1 pse 2 + end
def:up        3 CHS STO 4 lbl:b isz:4 gto:b RCL 4 end
)";

struct RuleRow {
    const char* before;  // typed by hand ahead of the run
    const char* program;
    double x;
    double y;
    std::uint64_t steps;  // skipped steps and a body's end are not counted
};

TEST(ProgramSteps, EachStepDoesWhatItsRuleSays) {
    const RuleRow rows[] = {
        {"10", "tri", 55, 55, 106},    // a loop of lbl, dsz and gto
        {"", "jump", 14, 0, 5},        // a jump over a step; labels without case
        {"", "callgsb", 21, 0, 7},     // rtn goes back to the caller
        {"", "callrun", 21, 0, 7},     // run: inside a program is a call
        {"", "callend", 21, 0, 6},     // so is the end of a body
        {"", "early", 1, 1, 3},        // rtn in the run's own program ends it
        {"5", "inc", 6, 0, 2},         // the run ends the number typed by hand
        {"", "typed", 12, 0, 4},       // a test ends a number: 5 ENTER 7 +, not 57 +
        {"", "typedcall", 5, 0, 4},    // so does a call: 2 ENTER 3 +
        {"", "pause", 12, 0, 4},       // pse does nothing unless pauses are honoured
        {"", "up", 0, -3, 14},         // isz counts up to 0, then skips its gto
    };
    for (const RuleRow& row : rows) {
        Calculator c;
        c.Define(kLibrary);
        c.Press(row.before);
        const RunReport report = c.Run(row.program);
        SCOPED_TRACE(row.program);
        EXPECT_EQ(report.state, State::Finished);
        EXPECT_EQ(report.steps, row.steps);
        EXPECT_FALSE(c.doc.m_bEntering);
        EXPECT_EQ(c.doc.m_dX, row.x);
        EXPECT_EQ(c.doc.m_dY, row.y);
    }
}

// Each test, true or false, over X and Y: a false test skips the gto.
TEST(ProgramSteps, TestsCompareAsIeeeDoesAndSkipTheNextStepWhenFalse) {
    const char* const tests[] = {"x=0?", "x!=0?", "x<0?", "x>0?", "x<=0?", "x>=0?",
                                 "x=y?", "x!=y?", "x<y?", "x>y?", "x<=y?", "x>=y?"};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double x, y;
        const char* taken;  // one letter for each test above: T or F
    } rows[] = {
        {0, 0, "TFFFTT" "TFFFTT"},      {-2, 3, "FTTFTF" "FTTFTF"},    {3, -2, "FTFTFT" "FTFTFT"},
        {2, 2, "FTFTFT" "TFFFTT"},      {-0.0, 0, "TFFFTT" "TFFFTT"},  {nan, 1, "FTFFFF" "FTFFFF"},
        {1, nan, "FTFTFT" "FTFFFF"},
    };
    std::string library;
    for (std::size_t i = 0; i < std::size(tests); ++i) {
        library += "def:t" + std::to_string(i) + " " + tests[i] + " gto:yes rtn lbl:yes 1 sto:9 end\n";
    }
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < std::size(tests); ++i) {
            Calculator c;
            c.Define(library);
            c.doc.m_dX = row.x;  // a NaN can stand in X only when set so
            c.doc.m_dY = row.y;
            c.Run("t" + std::to_string(i));
            EXPECT_EQ(c.doc.m_dReg[9] == 1, row.taken[i] == 'T') << tests[i] << " x=" << row.x << " y=" << row.y;
        }
    }
}

// A stop gives the keys back; Continue and Step go on where the run stands.
TEST(ProgramSteps, ContinueAndStepGoOnFromWhereTheRunStands) {
    Calculator c;
    c.Define("def:ask 10 ENTER stop + stop 2 * end def:four 1 ENTER 2 + end");
    const double typing = std::nan("");  // X is not looked at while a number is typed
    const struct {
        const char* typed;  // by hand, before the action
        Action action;
        State state;
        std::size_t step;  // the step that stopped it or was carried out
        const char* token;
        double x;
    } rows[] = {
        {"", Action::Run("ask"), State::Stopped, 3, "stop", 10},
        {"5", Action::Command(Kind::Continue), State::Stopped, 5, "stop", 15},
        {"", Action::Command(Kind::Step), State::Stopped, 6, "2", typing},
        {"", Action::Command(Kind::Continue), State::Finished, 0, "", 30},
        {"", Action::Command(Kind::Continue), State::None, 0, "", 30},  // nothing left to go on with
        {"", Action::WithText(Kind::Step, "four"), State::Stopped, 1, "1", typing},
        {"", Action::Command(Kind::Step), State::Stopped, 2, "ENTER", 1},
        {"", Action::Command(Kind::Step), State::Stopped, 3, "2", typing},
        {"", Action::Command(Kind::Step), State::Finished, 0, "", 3},
        {"", Action::Command(Kind::Step), State::None, 0, "", 3},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto& row = rows[i];
        c.Press(row.typed);
        const Outcome outcome = c.session.Perform(row.action);
        EXPECT_EQ(outcome.run.state, row.state) << "row " << i;
        EXPECT_EQ(outcome.refused, row.state == State::None) << "row " << i;
        EXPECT_FALSE(c.session.Running()) << "row " << i;  // the keys are the person's again
        if (row.state == State::Stopped) {
            EXPECT_EQ(outcome.run.step, row.step) << "row " << i;
            EXPECT_EQ(outcome.run.token, row.token) << "row " << i;
        }
        if (!std::isnan(row.x)) {
            EXPECT_EQ(c.doc.m_dX, row.x) << "row " << i;
        }
    }
}

// Stepping through a program must give what running it gives: the digits of
// one number may stand in steps of their own.
TEST(ProgramSteps, SteppingThroughGivesWhatARunGives) {
    for (const char* body : {"1 2 +", "2 EEX 3 ENTER"}) {
        const std::string text = std::string("def:p ") + body + " end";
        Calculator run, stepped;
        run.Define(text);
        stepped.Define(text);
        run.Run("p");
        RunReport report = stepped.Do(Kind::Step, "p").run;
        while (report.state == State::Stopped) report = stepped.Do(Kind::Step).run;
        EXPECT_EQ(Shown(stepped.doc.State()), Shown(run.doc.State())) << body;
    }
}

// While a run has the front end's turn, only Resume and Interrupt are taken.
TEST(ProgramSteps, APausedRunRefusesAllButResumeAndInterrupt) {
    Calculator c;
    c.Define("def:pause 1 pse 2 + end");
    c.session.HonourPauses(true);
    EXPECT_EQ(c.Run("pause").state, State::Paused);
    for (Kind refused : {Kind::Undo, Kind::Redo, Kind::Continue, Kind::Step, Kind::Copy, Kind::Run}) {
        EXPECT_TRUE(c.Do(refused, "pause").refused) << static_cast<int>(refused);
    }
    EXPECT_FALSE(c.session.DefineProgram(c.session.Programs().All().front()));
    EXPECT_EQ(c.Do(Kind::Resume).run.state, State::Finished);
    EXPECT_EQ(c.doc.m_dX, 12);  // the pause left the 1 being typed
    EXPECT_EQ(c.Run("pause").state, State::Paused);
    EXPECT_EQ(c.Do(Kind::Interrupt).run.state, State::Interrupted);
    EXPECT_TRUE(c.Do(Kind::Continue).refused);  // an interrupted run is over
}

// --- Refusals -----------------------------------------------------------------

TEST(ProgramText, EachProblemIsReportedOnItsLine) {
    const std::string longName(kLongestProgramName + 1, 'a');
    const struct {
        std::string text;
        std::string problem;  // "LINE: reason", or how it begins; empty: none
    } rows[] = {
        {"def:a\n  1 bogus +\nend", "2: \u201Cbogus\u201D is no token"},
        {"# c\n\ndef:a 1\n 2 bogus\nend", "4: \u201Cbogus\u201D is no token"},
        {"def:a\n gto:nowhere\nend", "2: no label nowhere in a"},
        {"def:a\nlbl:x 1\nlbl:X\nend", "3: the label X stands twice in a"},
        {"def:a lbl:a-b end", "1: \u201Ca-b\u201D is no label"},
        {"def:a\n gsb:nothere end", "2: no program nothere is defined"},
        {"def:a gsb:1x end", "1: \u201C1x\u201D is no program name"},
        {"def:a\n1\ndef:b 2 end", "3: a def inside the definition of a"},
        {"1 +\nend", "1: \u201C1\u201D stands outside a definition"},
        {"def:a 1 end\nend", "2: an end without a def"},
        {"\ndef:a\n1 +", "2: the definition of a has no end"},
        {"def:1abc 1 end", "1: \u201C1abc\u201D is no program name"},
        {"def:" + longName + " 1 end", "1: \u201C" + longName + "\u201D is no program name"},
        {"def:a undo end", "1: undo is no step"},
        {"def:a draw:5 RAN end", "1: draw:5 is for replaying a tape"},
        {"def:a cont end", "1: cont goes on with a stopped run"},
        {"def:a sst:a end", "1: sst:a goes on with a stopped run"},
        {"def:a dsz:10 end", "1: dsz:10 takes a register, 0 to 9"},
        {"def:a 1 end\n\ndef:A 2 end", "3: A is defined twice"},
        // No problem: a call of itself or of one defined later, the longest name.
        {"def:a gsb:a end def:b run:c end def:c 1 end", ""},
        {"def:" + std::string(kLongestProgramName, 'Z') + " lbl:9 gto:9 pse stop rtn x<=y? X!=0? isz:0 DSZ:9 end", ""},
    };
    for (const auto& row : rows) {
        const std::vector<ProgramProblem> problems = CheckProgramFile(row.text).Problems();
        const std::string first = problems.empty() ? "" : ProblemText(problems.front());
        EXPECT_EQ(first.substr(0, row.problem.size()), row.problem) << row.text;
        EXPECT_EQ(problems.empty(), row.problem.empty()) << row.text;
    }
}

// --- Bounds of a run -----------------------------------------------------------

// A run cut short reports where it stands: the step it did not carry out.
TEST(ProgramBounds, TheStepLimitAndTheDeepestCallEndARun) {
    const auto cut = std::numeric_limits<std::uint64_t>::max();
    const struct {
        const char* text;
        double reg1;
        std::uint64_t limit;
        State state;
        std::size_t step;
        const char* token;
        std::uint64_t steps;
    } rows[] = {
        {"def:p lbl:a 1 + gto:a end", 0, 10, State::StepLimit, 3, "+", 10},
        // kDeepestCall calls open at once, the run counting as the first, and no more.
        {"def:p dsz:1 gsb:p end", kDeepestCall, 0, State::Finished, 0, "", 2 * kDeepestCall - 1},
        {"def:p dsz:1 gsb:p end", kDeepestCall + 1, 0, State::TooDeep, 2, "gsb:p", 2 * kDeepestCall - 1},
        {"def:p dsz:1 gsb:p end", kDeepestCall + 1, cut, State::TooDeep, 2, "gsb:p", 2 * kDeepestCall - 1},
    };
    for (const auto& row : rows) {
        Calculator c;
        c.Define(row.text);
        c.doc.m_dReg[1] = row.reg1;
        c.session.SetStepLimit(row.limit);
        const CalculatorState before = Shown(c.doc.State());
        const RunReport report = c.Run("p");
        SCOPED_TRACE(row.text);
        EXPECT_EQ(report.state, row.state);
        EXPECT_EQ(report.steps, row.steps);
        if (row.state == State::Finished) continue;
        EXPECT_EQ(report.program, "p");
        EXPECT_EQ(report.step, row.step);
        EXPECT_EQ(report.token, row.token);
        EXPECT_TRUE(c.Do(Kind::Continue).refused);  // over for good
        c.Do(Kind::Undo);
        EXPECT_EQ(Shown(c.doc.State()), before);
    }
}

// --- A run and the session ----------------------------------------------------

TEST(ProgramSession, ARunIsOneUndoStep) {
    Calculator c;
    c.Define(kLibrary);
    c.Press("3 ENTER 4");  // a number being typed, which the run ends
    const CalculatorState before = Shown(c.doc.State());
    const std::size_t levels = c.session.UndoLevels();
    const Outcome run = c.Do(Kind::Run, "tri");
    EXPECT_TRUE(run.changed);
    const CalculatorState after = Shown(c.doc.State());
    EXPECT_EQ(after.m_dX, 10);
    EXPECT_EQ(c.session.UndoLevels(), levels + 1);
    c.Do(Kind::Undo);
    EXPECT_EQ(Shown(c.doc.State()), before);
    c.Do(Kind::Redo);
    EXPECT_EQ(Shown(c.doc.State()), after);
    // A run that changes nothing leaves no step.
    c.Define("def:idle lbl:a end");
    c.Run("idle");
    EXPECT_EQ(c.session.UndoLevels(), levels + 1);
}

// --- Record Program -------------------------------------------------------------

// What was recorded, run from where the recording began, does the same;
// what Undo took back is not in it.
TEST(ProgramRecording, TheRecordedProgramDoesWhatWasDone) {
    const struct {
        const char* tokens;
        const char* body;  // empty: not looked at
    } rows[] = {
        {"12.5 ENTER * sto:3 F SIN", "12.5 ENTER\n*\nsto:3\nASIN"},
        {"3 ENTER 4 + undo", "3 ENTER\n4"},
        {"3 ENTER 4 + undo - redo", "3 ENTER\n4 -"},  // a new step drops what was undone
        {"2 ENTER 3 POW sto:1 1.5 EEX 2 CHS +", ""},
        {"7 ENTER 2 - undo * 4 undo undo redo 5 /", ""},
        {"1 copy 2 paste + FIX 2 F F 9 SQRT RCL 1", ""},
    };
    for (const auto& row : rows) {
        Calculator recorded;
        recorded.session.StartRecording("rec");
        recorded.Press(row.tokens);
        const std::string body = recorded.session.StopRecording();
        EXPECT_TRUE(*row.body == 0 || body == row.body) << body;
        Calculator replayed;
        replayed.Define("def:rec\n" + body + "\nend");
        replayed.Run("rec");
        EXPECT_EQ(Shown(replayed.doc.State()), Shown(recorded.doc.State())) << row.tokens << "\nbody:\n" << body;
    }
}

// --- The book of programs ---------------------------------------------------------

// Nothing typed is lost, but only a program without problems, calling only
// such programs, runs.
TEST(ProgramBookTest, BrokenRenamedAndRemovedPrograms) {
    Calculator c;
    ProgramBook book(c.session);
    ASSERT_TRUE(book.Set("good", "1 +"));
    ASSERT_TRUE(book.Set("broken", "1\n bogus"));
    ASSERT_TRUE(book.Set("caller", "gsb:broken"));
    EXPECT_FALSE(book.Set("9lives", "1"));
    ASSERT_EQ(book.Find("BROKEN")->problems.size(), 1u);
    EXPECT_EQ(book.Find("broken")->problems.front().line, 2u);
    EXPECT_EQ(book.Find("broken")->body, "1\n bogus");
    EXPECT_EQ(c.session.Programs().Find("broken"), nullptr);
    const Outcome refused = c.Do(Kind::Run, "broken");
    EXPECT_TRUE(refused.refused);
    EXPECT_EQ(NoticeText(refused.notice), "broken does not run: line 2: \u201Cbogus\u201D is no token");
    EXPECT_EQ(EnglishText(book.Find("broken")->ListLabel()), "broken (has problems)");
    EXPECT_EQ(EnglishText(book.Find("good")->ListLabel()), "good");
    EXPECT_TRUE(c.Do(Kind::Run, "caller").refused);
    ASSERT_TRUE(book.Set("broken", "2 *"));  // mended
    EXPECT_EQ(c.Run("caller").state, State::Finished);
    ASSERT_TRUE(book.Remove("BROKEN"));
    EXPECT_FALSE(book.Find("caller")->problems.empty());
    EXPECT_TRUE(c.Do(Kind::Run, "caller").refused);

    ASSERT_TRUE(book.Set("user", "gsb:good"));
    ASSERT_TRUE(book.Rename("good", "plus"));
    EXPECT_EQ(c.session.Programs().Find("good"), nullptr);
    EXPECT_TRUE(c.Do(Kind::Run, "user").refused);  // it calls a name that is gone
    EXPECT_FALSE(book.Rename("plus", "user"));     // another program's name
    EXPECT_FALSE(book.Rename("plus", "9x"));
    ASSERT_TRUE(book.Rename("plus", "GOOD"));
    EXPECT_EQ(book.Find("good")->name, "GOOD");
    EXPECT_EQ(c.Run("user").state, State::Finished);
}

TEST(ProgramBookTest, ReadAddsOrReplacesAndABadFileChangesNothing) {
    Calculator c;
    ProgramBook book(c.session);
    book.Set("keep", "1");
    book.Set("swap", "2");
    EXPECT_TRUE(book.Read("def:SWAP 3 end\ndef:new 4 end", false).empty());
    ASSERT_EQ(book.Entries().size(), 3u);
    EXPECT_EQ(book.Find("swap")->body, "3");
    EXPECT_EQ(book.Find("swap")->name, "SWAP");

    const std::string text = book.Text();
    const std::uint64_t revision = book.Revision();
    const auto problems = book.Read("def:x 1 end\ndef:y 2", true);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems.front().line, 2u);
    EXPECT_EQ(book.Text(), text);
    EXPECT_EQ(book.Revision(), revision);

    // A name defined twice is the file's problem: refused with its line, as
    // the console refuses it.
    const auto twice = book.Read("def:x 1 end\n\ndef:X 2 end", false);
    ASSERT_EQ(twice.size(), 1u);
    EXPECT_EQ(ProblemText(twice.front()), "3: X is defined twice (also on line 1)");
    EXPECT_EQ(book.Text(), text);

    EXPECT_TRUE(book.Read("def:only 5 gsb:keep end", true).empty());
    ASSERT_EQ(book.Entries().size(), 1u);
    EXPECT_EQ(c.session.Programs().Find("keep"), nullptr);
    EXPECT_EQ(c.session.Programs().Find("only"), nullptr);  // it calls keep, which the file lacks

    // What the book writes, it reads back the same.
    book.Set("two", "lbl:a\n  1 +\ngto:a");
    ProgramBook copy(c.session);
    EXPECT_TRUE(copy.Read(book.Text(), true).empty());
    EXPECT_EQ(copy.Text(), book.Text());
}

// A body reads the same however deep it stands under its def, and its
// problems keep the lines of the whole text.
TEST(ProgramText, BodiesLoseTheirCommonIndentationAndKeepTheirLines) {
    const struct {
        const char* text;
        const char* body;
        std::size_t bodyLine;
    } cases[] = {
        {"def:a 1 ENTER end", "1 ENTER", 1},
        {"def:a\n    1\n      ENTER\nend", "1\n  ENTER", 2},
        {"def:a\n\n  \t\n\t1  \n\tENTER\n\nend", "1\nENTER", 4},
        {"# a comment first\ndef:a   lbl:x\n  gto:x end", "lbl:x\ngto:x", 2},
    };
    for (const auto& c : cases) {
        const ReadProgramText read = ReadDefinitions(c.text, false);
        ASSERT_EQ(read.definitions.size(), 1u) << c.text;
        EXPECT_EQ(read.definitions[0].body, c.body) << c.text;
        EXPECT_EQ(read.definitions[0].bodyLine, c.bodyLine) << c.text;
    }
    std::vector<ProgramProblem> problems;
    const ReadProgramText bad = ReadDefinitions("def:a\n\n    1\n    gto:nowhere\nend", false);
    CompileProgram(bad.definitions.at(0), [](std::string_view) { return true; }, problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].line, 4u);
}

// --- A program gives what the same keys give by hand --------------------------------

TEST(ProgramProperty, AProgramGivesWhatItsKeysGiveByHand) {
    const char* const words[] = {
        "1", "2", "3", "7", "12.5", "-3", "1e5", ".", "0", "ENTER", "+", "-", "*", "/", "CHS", "EEX", "F", "BS",
        "SWAP", "RDN", "SIN", "ASIN", "HYP", "LN", "SQRT", "FACT", "FIX", "SCI", "ENG", "STO", "RCL", "RAN", "CLX",
        "CLR", "PI", "%", "#0", "#26", "vk:0x1B", "vk:0x2E", "vk:0x46", "copy", "cut", "paste", "copy-exact",
        "sto:2", "rcl:2", "paste:7.5", "paste:\"x 1\"", "paste-number:\"$1,234.5\"", "paste-number", "reset"};
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::mt19937 random(seed);
        std::string body;
        const int length = 1 + static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i) body += std::string(i % 8 == 7 ? "\n" : " ") + words[random() % std::size(words)];
        Calculator program(seed), byHand(seed);
        program.Define("def:p\n" + body + "\nend");
        const RunReport report = program.Run("p");
        ASSERT_EQ(report.state, State::Finished) << body;
        byHand.Press(body);
        ASSERT_EQ(Shown(program.doc.State()), Shown(byHand.doc.State())) << "seed " << seed << ": " << body;
        ASSERT_EQ(program.clipboard.text, byHand.clipboard.text) << "seed " << seed << ": " << body;
    }
}

}  // namespace
}  // namespace tabrix
