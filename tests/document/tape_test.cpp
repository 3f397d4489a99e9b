// The tape: which keys and commands make a line, what the line's tokens and
// labels are, and the script it writes.
#include "document/notice.h"
#include "document/tape.h"

#include <gtest/gtest.h>

#include <cmath>

#include "document/tape_steps.h"
#include "engine/key_codes.h"
#include "fakes/doc_fixture.h"

namespace tabrix {
namespace {

struct TapeTest : ::testing::Test {
    testing::ScriptedRandom source;
    RandomDraws draws{source};
    testing::CountingShell shell;
    CTabrixDoc doc{&draws, &shell};
    CTape tape{doc, &draws};

    void Keys(std::initializer_list<std::uint32_t> codes) {
        for (std::uint32_t code : codes) tape.RecordKey(code, [&] { doc.PressKey(code); });
    }
    std::vector<std::string> Tokens() const {
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < tape.Size(); ++i) lines.emplace_back(tape.Line(i).tokens);
        return lines;
    }
    std::vector<std::string> Labels() const {
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < tape.Size(); ++i) lines.push_back(EnglishText(tape.Line(i).label));
        return lines;
    }
};

using K = keys::KeyCode;

TEST_F(TapeTest, KeysMakeALineOnceNothingIsPending) {
    Keys({K::kOne, K::kTwo, K::kPoint, K::kFive, K::kEnter});  // 12.5 ENTER
    Keys({K::kThree, K::kPlus});                                // 3 +
    Keys({K::kShift, K::kSin});                                 // f SIN-1
    Keys({K::kShift, K::kSeven, K::kTwo});                      // FIX 2
    Keys({K::kShift, K::kZero, K::kThree});                     // STO 3
    Keys({K::kShift, K::kAbout, K::kSin});                      // HYP SIN
    Keys({K::kShift, K::kAbout, K::kShift, K::kTan});           // HYP f TAN-1
    Keys({K::kTwo, K::kEex, K::kThree, K::kChs, K::kSqrt});     // 2 EEX 3 CHS sqrt
    EXPECT_EQ(Tokens(), (std::vector<std::string>{"12.5 ENTER", "3 +", "ASIN", "FIX 2", "STO 3", "HYP SIN",
                                                  "HYP ATAN", "2 EEX 3 CHS SQRT"}));
    EXPECT_EQ(Labels(), (std::vector<std::string>{"12.5 ENTER", "3 +", "f SIN\u207B\u00B9", "FIX 2", "STO 3",
                                                  "HYP SIN", "HYP f TAN\u207B\u00B9", "2 EEX 3 CHS \u221Ax"}));
    EXPECT_EQ(tape.Line(1).shown, " 1.550000 01");
    EXPECT_EQ(tape.Line(1).value, 15.5);
}

TEST_F(TapeTest, KeysThatChangeNothingLeaveNoLineAndPendingKeysAnOpenOne) {
    Keys({K::kNone, K::kUnderEnter});  // taps that do nothing
    EXPECT_EQ(tape.Size(), 0u);
    // F F and F beside the keys change the shift twice: two steps for undo,
    // so lines of their own.
    Keys({K::kShift, K::kShift, K::kShift, K::kNone});
    EXPECT_EQ(Tokens(), (std::vector<std::string>{"F F", "F #0"}));
    EXPECT_EQ(Labels(), (std::vector<std::string>{"f f", "f #0"}));
    tape.Clear();
    Keys({K::kFour, K::kTwo});
    ASSERT_TRUE(tape.HasOpenLine());
    EXPECT_EQ(tape.Line(0).tokens, "42");
    EXPECT_EQ(tape.Line(0).value, 42);  // the number being typed
    Keys({K::kShift});
    EXPECT_EQ(tape.Line(0).label, "42 f");
    Keys({K::kFour});  // DEG while typing: still open
    EXPECT_EQ(tape.Line(0).tokens, "42 DEG");
    Keys({K::kEnter});
    EXPECT_FALSE(tape.HasOpenLine());
    EXPECT_EQ(tape.Script(), "42 DEG ENTER #  4.200000 01\n");
}

TEST_F(TapeTest, RanWritesTheNumberItDrewAndKeyboardKeysTheirKeypadWords) {
    source.Push(123456);
    Keys({K::kShift, K::kEnter});
    EXPECT_EQ(tape.Line(0).tokens, "draw:123456 RAN");
    EXPECT_EQ(tape.Line(0).label, "f RAN#");
    for (std::uint32_t code : {vk::kDigit0 + 7, vk::kAdd, vk::kDelete, vk::kEscape, 0x41u}) {
        tape.RecordKeyRelease(code, [&] { doc.OnHardwareKeyUp(code); });
    }
    EXPECT_EQ(Tokens(), (std::vector<std::string>{"draw:123456 RAN", "7 +", "vk:0x2E", "vk:0x1B"}));
    EXPECT_EQ(Labels().back(), "Esc");
}

TEST_F(TapeTest, CommandsJoinTheOpenLineAndAreLinesOfTheirOwn) {
    Keys({K::kOne, K::kTwo});
    tape.RecordCommand([&] {
        doc.ReplaceX(1.5);
        return std::optional(tape_steps::Paste("1.5 \"quoted\" # not a comment"));
    });
    tape.RecordCommand([] { return std::optional(tape_steps::Copy()); });  // changes nothing, still a line
    tape.RecordCommand([] { return std::optional<TapeStep>(); });          // did nothing: no line
    EXPECT_EQ(Tokens(), (std::vector<std::string>{"12 paste:\"1.5 \\\"quoted\\\" # not a comment\"", "copy"}));
    EXPECT_EQ(Labels(), (std::vector<std::string>{"12 Paste 1.5 \"quoted\" # not a comment", "Copy"}));
    EXPECT_EQ(tape.Script(1, 1), "copy        #  1.500000 00\n");
    Keys({K::kFive});
    tape.RecordCommand([] { return std::optional(tape_steps::Undo()); });  // a line of its own
    Keys({K::kSix});
    EXPECT_EQ(Tokens(), (std::vector<std::string>{"12 paste:\"1.5 \\\"quoted\\\" # not a comment\"", "copy", "5 undo", "6"}));
}

// A command between F and its key: the F is written once, where it was
// pressed, and the key's label does not repeat it.
TEST_F(TapeTest, ACommandBetweenFAndItsKeyLeavesOneF) {
    Keys({K::kNine, K::kShift});
    tape.RecordCommand([] { return std::optional(tape_steps::CopyExact()); });
    Keys({K::kThree});
    EXPECT_EQ(Tokens(), (std::vector<std::string>{"9 F copy-exact 3"}));
    EXPECT_EQ(Labels(), (std::vector<std::string>{"9 f Copy Exact \u2192DEG"}));
    Keys({K::kShift, K::kSeven});  // on a line of its own, F and its key still read "FIX"
    tape.RecordCommand([] { return std::optional(tape_steps::Copy()); });
    Keys({K::kTwo});
    EXPECT_EQ(Labels().back(), "FIX Copy 2");
}

TEST_F(TapeTest, ChangesAreToldWithTheFirstLineThatChangedAndClearForgetsAll) {
    std::vector<std::size_t> told;
    tape.SetChangedCallback([&](std::size_t first) { told.push_back(first); });
    Keys({K::kOne, K::kEnter, K::kTwo, K::kShift, K::kShift});
    // 1 opens line 0; ENTER completes it; 2 opens line 1; F and F keep it open.
    EXPECT_EQ(told, (std::vector<std::size_t>{0, 0, 1, 1, 1}));
    EXPECT_EQ(tape.Size(), 2u);
    tape.Clear();
    EXPECT_EQ(tape.Size(), 0u);
    EXPECT_EQ(told.back(), 0u);
}

TEST_F(TapeTest, ASavedTapeLoadsBackLineForLineAndDamagedLinesAreSkipped) {
    Keys({K::kOne, K::kEnter, K::kZero, K::kDivide});  // 1 ENTER 0 /: X is infinite
    tape.RecordCommand([] { return std::optional(tape_steps::Paste("a\tb\n")); });
    Keys({K::kFive});  // an open line is saved as it stands
    const std::string saved = tape.Save();

    CTape loaded{doc, &draws};
    ASSERT_EQ(loaded.Load(saved), 0u);
    ASSERT_EQ(loaded.Size(), tape.Size());
    for (std::size_t i = 0; i < tape.Size(); ++i) {
        EXPECT_EQ(loaded.Line(i).tokens, tape.Line(i).tokens);
        EXPECT_EQ(loaded.Line(i).label, tape.Line(i).label);
        EXPECT_EQ(loaded.Line(i).shown, tape.Line(i).shown);
        EXPECT_EQ(std::isinf(loaded.Line(i).value), std::isinf(tape.Line(i).value));
    }
    EXPECT_EQ(loaded.Script(), tape.Script());
    // Lines that cannot be read are skipped, wherever they stand; the good
    // ones are all kept.
    CTape other{doc, &draws};
    EXPECT_EQ(other.Load("1\t1\t 1\n" + saved + "x\ty\tz\tnot a number\n\t\t\t1\t2\n"), 3u);
    EXPECT_EQ(other.Script(), tape.Script());
}

}  // namespace
}  // namespace tabrix
