// Integer mode through the session: the word stays exact through Copy Exact,
// the state file, undo and the tape's replay, and the float modes keep their
// bytes.
#include <gtest/gtest.h>

#include <string>

#include "document/state_file.h"
#include "engine/main_line.h"
#include "fakes/token_session.h"

namespace tabrix {
namespace {

using testing::ReplayInConsole;
using testing::TokenSession;

constexpr std::uint64_t kAllOnes = ~std::uint64_t{0};

TEST(IntegerSession, AllSixtyFourBitsSurviveCopyExactTheStateFileUndoAndTheTape) {
    TokenSession t;
    t.Do("ws:64 unsigned dec 0xFFFFFFFFFFFFFFFF copy-exact");
    EXPECT_EQ(t.clipboard.text.value_or(""), "18446744073709551615");
    EXPECT_EQ(t.Doc().m_integer.words[kSlotX], kAllOnes);

    const CalculatorState saved = t.Doc().State();
    const auto loaded = DecodeState(EncodeState(saved), CalculatorState{});
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->m_integer.words[kSlotX], kAllOnes);

    t.Do("ENTER +");
    EXPECT_EQ(t.Doc().m_integer.words[kSlotX], kAllOnes - 1);  // wrapped, with a carry
    EXPECT_TRUE(t.Doc().m_integer.carry);
    t.Do("undo");
    EXPECT_EQ(t.Doc().m_integer.words[kSlotX], kAllOnes);
    t.Do("hex copy-exact");
    EXPECT_EQ(t.clipboard.text.value_or(""), "FFFFFFFFFFFFFFFF");

    const testing::ConsoleReplay replay = ReplayInConsole(t.session.Tape().Script());
    EXPECT_TRUE(replay.ran) << replay.errors;
    EXPECT_EQ(replay.state, WithoutHeldKey(t.Doc().State()));
    EXPECT_EQ(replay.state.m_integer.words[kSlotX], kAllOnes);
}

TEST(IntegerSession, TheFloatModesKeepTheirBytesAndLeavingGivesTheValues) {
    TokenSession plain, round;
    plain.Do("5 ENTER 2.5 sto:3");
    round.Do("5 ENTER 2.5 sto:3 hex float");
    // 2.5 became the word 2 and came back as 2: the only change.
    EXPECT_EQ(round.Doc().m_dX, 2);
    EXPECT_EQ(round.Doc().m_dReg[3], 2);
    round.Do("2.5 sto:3 CLX 2.5 SWAP");
    plain.Do("CLX 2.5 SWAP");
    EXPECT_EQ(EncodeState(round.Doc().State()), EncodeState(plain.Doc().State()));
}

// In the float modes an integer function works on X and Y made words; the
// rest of the stack and the registers keep their fractions.
TEST(IntegerSession, AnIntegerFunctionInTheFloatModesTouchesOnlyWhatItUses) {
    TokenSession t;
    t.Do("2.5 sto:4 1.75 ENTER 12.9 ENTER 10.2 and");
    EXPECT_EQ(t.Doc().m_dX, 8);          // 12 and 10
    EXPECT_EQ(t.Doc().m_dY, 1.75);       // dropped from Z, as it was
    EXPECT_EQ(t.Doc().m_dReg[4], 2.5);
    EXPECT_EQ(t.Doc().m_dLastX, 10.2);
    EXPECT_EQ(t.Doc().m_integer, IntegerMode{});  // no word is kept in the float modes
    t.Do("5 ENTER 0 rmd");
    EXPECT_EQ(MainLineAsRead(t.Doc()), kDivisionErrorText);
    EXPECT_EQ(t.Doc().m_dX, 0);
    EXPECT_EQ(t.Doc().m_dY, 5);
}

// What the main line and the stack lines show, and what is refused, per base.
TEST(IntegerSession, EntryAndDisplayFollowTheBase) {
    const struct {
        const char* tokens;
        const char* line;
        std::uint64_t x;
    } rows[] = {
        {"hex xF xF", "        FF h", 0xFF},
        {"ws:8 hex xF xF 1", "        FF h", 0xFF},          // a third digit would need 12 bits
        {"bin 1 0 2", "        10 b", 2},                     // 2 is no binary digit
        {"oct 7 8", "         7 o", 7},
        {"dec 5 CHS", "        -5 d", ~std::uint64_t{4}},    // two's complement, 64 bits
        {"ws:8 dec 1 2 7 1", "       127 d", 127},            // 1271 is beyond 127
        {"bin maskr:40", "< 11111111 b", (std::uint64_t{1} << 40) - 1},
        {"bin maskr:40 window<", "< 11111111>b", (std::uint64_t{1} << 40) - 1},
        {"bin maskr:12 window<", "      1111>b", 0xFFF},
        {"dec 7 ENTER 0 /", "ERROR: DIV0", 0},
        {"ws:8 dec 0x7F 1 +", "      -128 d", 0x80},  // wrapped
        {"hex 1.5", "        15 h", 0x15},                  // the point is refused
    };
    for (const auto& row : rows) {
        TokenSession t;
        t.Do(row.tokens);
        EXPECT_EQ(MainLineAsRead(t.Doc()), row.line) << row.tokens;
        if (std::string(row.line) != kDivisionErrorText) {
            const std::uint64_t x = t.Doc().m_bEntering ? t.Doc().GetEntryWord() : t.Doc().m_integer.words[kSlotX];
            EXPECT_EQ(x, row.x) << row.tokens;
        }
    }
}

}  // namespace
}  // namespace tabrix
