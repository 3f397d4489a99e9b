// ExecuteKey: the F shift, the prefix words, the epilogue after every key,
// STO/RCL, key codes without a function and the About request.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fakes/doc_fixture.h"

namespace {

using K = tabrix::keys::KeyCode;
using tabrix::CalculatorState;
using tabrix::testing::TestDoc;

std::vector<double> Stack(const tabrix::CTabrixDoc& d) { return {d.m_dX, d.m_dY, d.m_dZ, d.m_dT}; }
constexpr std::uint32_t kDigitKeys[] = {K::kZero, K::kOne, K::kTwo,   K::kThree, K::kFour,
                                        K::kFive, K::kSix, K::kSeven, K::kEight, K::kNine};

TEST(DispatchTest, FTogglesTheShiftAndNothingElse) {
    TestDoc t;
    t.Type("42");
    const CalculatorState before = t.doc.State();
    t.Press(K::kShift);
    CalculatorState expected = before;
    expected.m_bShift = true;
    EXPECT_EQ(t.doc.State(), expected);
    t.Press(K::kShift);
    EXPECT_EQ(t.doc.State(), before);
}

TEST(DispatchTest, FormatPrefixesTakeTheNextDigit) {
    for (auto [prefixKey, word] : {std::pair{K::kSeven, "FIX"}, {K::kEight, "SCI"}, {K::kNine, "ENG"}}) {
        SCOPED_TRACE(word);
        TestDoc t;
        t.Press(K::kShift);
        t.doc.m_dX = 2;
        t.Press(prefixKey);
        EXPECT_EQ(t.doc.m_strPrefix, word);
        EXPECT_FALSE(t.doc.m_bShift);
        EXPECT_EQ(t.doc.m_strDisplay, " 2000000 00");  // the prefix key refreshes the main line too
        t.Press(K::kThree);
        EXPECT_EQ(t.doc.m_strFormat + std::to_string(t.doc.m_nDigits), word + std::string("3"));
        EXPECT_EQ(t.doc.m_strPrefix, "");
        EXPECT_FALSE(t.doc.m_bEntering);
        EXPECT_EQ(t.doc.m_dX, 2.0);
    }
}

TEST(DispatchTest, APrefixLivesOnlyUntilTheNextKey) {
    TestDoc plus;  // FIX, then +: the addition runs, the format stays
    plus.doc.m_dX = 3, plus.doc.m_dY = 4;
    plus.Press({K::kShift, K::kSeven, K::kPlus});
    EXPECT_EQ(plus.doc.m_dX, 7.0);
    EXPECT_EQ(plus.doc.m_strPrefix, "");
    EXPECT_EQ(plus.doc.m_strFormat + std::to_string(plus.doc.m_nDigits), "SCI6");

    for (std::uint32_t prefixKey : {K::kSeven, K::kEight, K::kNine, K::kZero, K::kPoint}) {
        SCOPED_TRACE(prefixKey);
        TestDoc t;  // F drops FIX, SCI, ENG, STO and RCL but turns the shift on
        t.Press({K::kShift, prefixKey, K::kShift});
        EXPECT_EQ(t.doc.m_strPrefix, "");
        EXPECT_TRUE(t.doc.m_bShift);
    }

    TestDoc sto;  // STO, then a key that is no digit: nothing is stored
    sto.doc.m_dX = 5, sto.doc.m_dY = 1;
    sto.Press({K::kShift, K::kZero, K::kPlus, K::kThree});
    for (double r : sto.doc.m_dReg) EXPECT_EQ(r, 0.0);
    EXPECT_TRUE(sto.doc.m_bEntering);  // no prefix left: the 3 is typed
}

TEST(DispatchTest, HypSurvivesFAndSelectsTheHyperbolicForms) {
    const struct {
        const char* name;
        std::vector<std::uint32_t> keys;  // after F, ?
        double expected;
    } rows[] = {
        {"HYP SIN", {K::kSin}, std::sinh(0.5)},
        {"HYP COS", {K::kCos}, std::cosh(0.5)},
        {"HYP TAN", {K::kTan}, std::tanh(0.5)},
        {"HYP F SIN", {K::kShift, K::kSin}, 0.48121182505960347},
        {"HYP F TAN", {K::kShift, K::kTan}, 0.5493061443340549},
        {"HYP F F COS", {K::kShift, K::kShift, K::kCos}, std::cosh(0.5)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TestDoc t;
        t.doc.m_dX = 0.5;
        t.doc.m_strAngle = "GRD";  // the hyperbolic forms ignore the angle unit
        t.Shifted(K::kAbout);
        for (std::uint32_t key : row.keys) {
            EXPECT_EQ(t.doc.m_strPrefix, "HYP");
            t.Press(key);
        }
        EXPECT_NEAR(t.doc.m_dX, row.expected, 1e-15);
        EXPECT_EQ(t.doc.m_strPrefix, "");
        EXPECT_FALSE(t.doc.m_bShift);
    }

    TestDoc t;  // HYP, then a digit: typed as a number, the prefix dropped
    t.Press({K::kShift, K::kAbout, K::kSeven});
    EXPECT_EQ(t.doc.m_strMantissa, "7");
    EXPECT_EQ(t.doc.m_strPrefix, "");
    t.Press({K::kShift, K::kAbout, K::kShift, K::kSeven});  // a new prefix replaces HYP
    EXPECT_EQ(t.doc.m_strPrefix, "FIX");
}

TEST(DispatchTest, StoreAndRecallEveryRegister) {
    TestDoc t;
    for (int d = 0; d < 10; ++d) {
        t.doc.m_dX = 100 + d;
        t.Press({K::kShift, K::kZero, kDigitKeys[d]});
    }
    for (int d = 0; d < 10; ++d) EXPECT_EQ(t.doc.m_dReg[d], 100.0 + d);
    for (int d = 9; d >= 0; --d) {
        t.Press({K::kShift, K::kPoint, kDigitKeys[d]});
        EXPECT_EQ(t.doc.m_dX, 100.0 + d);
    }
}

TEST(DispatchTest, StoreAndRecallCommitTheEntry) {
    TestDoc t;
    t.doc.m_dX = 1, t.doc.m_dY = 2, t.doc.m_dZ = 3, t.doc.m_dT = 4;
    t.Type("12");
    t.Press({K::kShift, K::kZero, K::kThree});
    EXPECT_EQ(t.doc.m_dReg[3], 12.0);
    EXPECT_EQ(Stack(t.doc), std::vector<double>({12, 1, 2, 3}));  // only the entry's own lift
    EXPECT_FALSE(t.doc.m_bEntering);
    EXPECT_TRUE(t.doc.m_bLift);

    TestDoc r;  // RCL lifts even after ENTER, and leaves the flag alone
    r.doc.m_dReg[3] = 8;
    r.Type("5");
    r.Press({K::kEnter, K::kShift, K::kPoint, K::kThree});
    EXPECT_EQ(Stack(r.doc), std::vector<double>({8, 5, 5, 0}));
    EXPECT_FALSE(r.doc.m_bLift);

    TestDoc e;  // RCL while typing commits the entry before the lift
    e.doc.m_dReg[1] = 8;
    e.Type("7");
    e.Press({K::kShift, K::kPoint, K::kOne});
    EXPECT_EQ(Stack(e.doc), std::vector<double>({8, 7, 0, 0}));
    EXPECT_FALSE(e.doc.m_bEntering);
}

TEST(DispatchTest, PointAfterAPrefixHandsItTheZero) {
    TestDoc t;
    t.doc.m_dX = 6;
    t.Press({K::kShift, K::kZero, K::kPoint});
    EXPECT_EQ(t.doc.m_dReg[0], 6.0);
    EXPECT_FALSE(t.doc.m_bEntering);
    EXPECT_EQ(t.doc.m_strDisplay, " 6000000 00");
    EXPECT_EQ(t.doc.m_nPointPos, 3);

    t.Press({K::kShift, K::kSeven, K::kPoint});  // FIX 0
    EXPECT_EQ(t.doc.m_strFormat + std::to_string(t.doc.m_nDigits), "FIX0");
    EXPECT_EQ(t.doc.m_strDisplay, " 6");
    EXPECT_EQ(t.doc.m_nPointPos, 0);
}

TEST(DispatchTest, KeysThatLeaveTheEntryInProgress) {
    const std::vector<std::uint32_t> rows[] = {
        {K::kShift, K::kSeven, K::kFour}, {K::kShift, K::kFour}, {K::kShift, K::kSix},
        {K::kShift, K::kZero, K::kShift, K::kShift}, {K::kAbout}, {K::kUnderEnter}, {K::kNone},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "first key " << row.front() << ", last key " << row.back());
        TestDoc t;
        t.Type("12");
        for (std::uint32_t key : row) t.Press(key);
        EXPECT_TRUE(t.doc.m_bEntering);
        EXPECT_EQ(t.doc.m_strDisplay, " 12");
        t.Type("3");
        EXPECT_EQ(t.doc.m_strMantissa, "123");
    }

    TestDoc eex;  // F EEX while typing starts the exponent, not pi
    eex.Type("12");
    eex.Shifted(K::kEex);
    EXPECT_EQ(eex.doc.m_strDisplay, " 12      00");
    EXPECT_EQ(eex.doc.m_dX, 0.0);
}

TEST(DispatchTest, ShiftedKeysWithoutEntry) {
    TestDoc t;  // EEX without an entry only ends the prefix
    t.doc.m_dX = 2, t.doc.m_dY = 5;
    t.Shifted(K::kAbout);
    CalculatorState expected = t.doc.State();
    expected.m_strPrefix = "";
    t.Press(K::kEex);
    EXPECT_EQ(t.doc.State(), expected);
    t.Shifted(K::kEex);  // pi replaces X, no lift
    EXPECT_EQ(Stack(t.doc), std::vector<double>({3.1415926535, 5, 0, 0}));

    TestDoc r;  // roll up commits first; roll down, swap and CHS without entry
    r.doc.m_dX = 1, r.doc.m_dY = 2, r.doc.m_dZ = 3, r.doc.m_dT = 4;
    r.doc.m_bLift = false;
    r.Type("5");
    r.Shifted(K::kChs);
    EXPECT_EQ(Stack(r.doc), std::vector<double>({4, 5, 2, 3}));
    r.Shifted(K::kSwap);
    EXPECT_EQ(Stack(r.doc), std::vector<double>({5, 2, 3, 4}));
    r.Press({K::kSwap, K::kChs});
    EXPECT_EQ(Stack(r.doc), std::vector<double>({-2, 5, 3, 4}));
    r.Type("9");
    r.Press(K::kSwap);  // x<>y commits a typed number first
    EXPECT_EQ(Stack(r.doc), std::vector<double>({5, 9, 3, 4}));
}

TEST(DispatchTest, RandomNumberReplacesX) {
    for (auto [r, expected] : {std::pair{0u, 0.0}, {4294967295u, 1.0}, {2147483648u, 2147483648.0 / 4294967295.0}}) {
        SCOPED_TRACE(r);
        TestDoc t;
        t.doc.m_dX = 7, t.doc.m_dY = 3;
        t.random.Push(r);
        t.Shifted(K::kEnter);
        EXPECT_NEAR(t.doc.m_dX, expected, 1e-16);
        EXPECT_EQ(t.doc.m_dY, 3.0);
        EXPECT_TRUE(t.doc.m_bLift);
    }

    TestDoc e;  // while typing: the entry is committed, then replaced
    e.doc.m_dX = 7;
    e.Type("5");
    e.random.Push(2147483648u);
    e.Shifted(K::kEnter);
    EXPECT_FALSE(e.doc.m_bEntering);
    EXPECT_EQ(e.doc.m_dY, 7.0);
    EXPECT_EQ(e.doc.m_strDisplay, " 5000000-01");
    e.Press(K::kPlus);
    EXPECT_NEAR(e.doc.m_dX, 7.5, 1e-9);
}

TEST(DispatchTest, CodesWithoutFunctionOnlyRunTheEpilogue) {
    for (std::uint32_t code : {0u, 26u, 31u, 255u, 0xFFFFFFFFu}) {
        for (bool shifted : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "code " << code << (shifted ? " shifted" : ""));
            TestDoc t;
            t.doc.m_dX = 1, t.doc.m_dY = 2;
            t.Shifted(K::kAbout);  // HYP pending
            if (shifted) t.Press(K::kShift);
            CalculatorState expected = t.doc.State();
            expected.m_bShift = false;
            expected.m_strPrefix = "";
            t.Press(code);
            EXPECT_EQ(t.doc.State(), expected);
            EXPECT_EQ(t.shell.aboutRequests, 0);
        }
    }
}

TEST(DispatchTest, QuestionMarkAsksForTheAboutBoxOnly) {
    TestDoc t;
    t.doc.m_dX = 3;
    t.Shifted(K::kSeven);  // FIX pending
    CalculatorState expected = t.doc.State();
    expected.m_strPrefix = "";
    t.doc.m_nKey = K::kAbout;
    t.doc.ExecuteKey();
    EXPECT_EQ(t.doc.m_nKey, static_cast<std::uint32_t>(K::kAbout));  // resetting it is the caller's job
    t.doc.m_nKey = 0;
    EXPECT_EQ(t.shell.aboutRequests, 1);
    EXPECT_EQ(t.doc.State(), expected);
    t.Shifted(K::kAbout);  // shifted: HYP, no request
    EXPECT_EQ(t.shell.aboutRequests, 1);
    t.Press(K::kAbout);
    EXPECT_EQ(t.shell.aboutRequests, 2);
}

}  // namespace
