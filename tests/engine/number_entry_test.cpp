// The number being typed: its text members, the main line while typing, the
// limits, backspace, the exponent digits and the value it commits.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fakes/doc_fixture.h"

namespace {

using K = tabrix::keys::KeyCode;
using tabrix::CalculatorState;
using tabrix::testing::TestDoc;

// The runtime's pow, never folded at compile time: the entry's value is
// defined as exactly this product.
double Pow10(double e) {
    volatile double exponent = e;
    return std::pow(10.0, exponent);
}

struct Step {
    std::uint32_t key;
    const char* display;
    int pointPos;
};

void RunSteps(TestDoc& t, const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        SCOPED_TRACE(::testing::Message() << "key " << step.key << ", expecting \"" << step.display << '"');
        t.Press(step.key);
        EXPECT_EQ(t.doc.m_strDisplay, step.display);
        EXPECT_EQ(t.doc.m_nPointPos, step.pointPos);
    }
}

TEST(NumberEntryTest, TypingAndBackspacingTwelvePointFive) {
    TestDoc t;
    RunSteps(t, {{K::kOne, " 1", 0}, {K::kTwo, " 12", 0}, {K::kPoint, " 12", 4}, {K::kFive, " 125", 4},
                 {K::kEex, " 125     00", 4}, {K::kThree, " 125     03", 4}, {K::kChs, " 125    -03", 4}});
    EXPECT_EQ(t.doc.m_strMantSign + t.doc.m_strMantissa + "|" + t.doc.m_strFraction + "|" + t.doc.m_strExpSign +
                  t.doc.m_strExponent,
              " 12|5|-03");
    EXPECT_TRUE(t.doc.m_bDecimal && t.doc.m_bExponent);
    EXPECT_EQ(t.doc.GetEntryValue(), Pow10(-3) * 12.5);
    EXPECT_NEAR(t.doc.GetEntryValue(), 0.0125, 1e-17);

    RunSteps(t, {{K::kBackspace, " 125    -00", 4}, {K::kBackspace, " 125", 4}, {K::kBackspace, " 12", 4},
                 {K::kBackspace, " 12", 0}, {K::kBackspace, " 1", 0}, {K::kBackspace, " 0000000 00", 3}});
    EXPECT_FALSE(t.doc.m_bEntering);
    EXPECT_EQ(t.doc.m_dX, 0.0);
    EXPECT_FALSE(t.doc.m_bLift);
}

TEST(NumberEntryTest, TenDigitLimit) {
    TestDoc t;
    t.Type("12345678901.5");
    EXPECT_EQ(t.doc.m_strDisplay, " 1234567890");
    EXPECT_EQ(t.doc.m_nPointPos, 12);
    EXPECT_EQ(t.doc.m_strFraction, "");
    t.Press(K::kEnter);
    EXPECT_EQ(t.doc.m_dX, 1234567890.0);

    TestDoc f;  // mantissa and fraction share the ten digits
    f.Type("12345.678901");
    EXPECT_EQ(f.doc.m_strFraction, "67890");
    EXPECT_EQ(f.doc.m_strDisplay, " 1234567890");
    EXPECT_EQ(f.doc.m_nPointPos, 7);
    EXPECT_EQ(f.doc.GetEntryValue(), 12345.6789);
}

TEST(NumberEntryTest, LeadingZerosAndPointFirst) {
    TestDoc t;
    t.Type("005");
    EXPECT_EQ(t.doc.m_strDisplay, " 005");
    EXPECT_EQ(t.doc.GetEntryValue(), 5.0);

    TestDoc p;
    p.Type(".");
    EXPECT_EQ(p.doc.m_strMantissa, "0");
    EXPECT_EQ(p.doc.m_strDisplay, " 0");
    EXPECT_EQ(p.doc.m_nPointPos, 3);
    const CalculatorState before = p.doc.State();
    p.Type(".");  // a second point changes nothing
    EXPECT_EQ(p.doc.State(), before);
    p.Type("25");
    EXPECT_EQ(p.doc.GetEntryValue(), 0.25);
}

TEST(NumberEntryTest, ExponentDigitsShiftThroughTwoPlaces) {
    TestDoc t;
    t.Type("3");
    t.Press(K::kEex);
    const CalculatorState atEex = t.doc.State();
    t.Type(".");  // a point in the exponent is ignored
    EXPECT_EQ(t.doc.State(), atEex);
    RunSteps(t, {{K::kFour, " 3       04", 0}, {K::kFive, " 3       45", 0}, {K::kSix, " 3       56", 0}});
    EXPECT_EQ(t.doc.GetEntryValue(), Pow10(56) * 3);
    t.Press({K::kChs, K::kEex});  // EEX again: digits back to 00, sign kept
    EXPECT_EQ(t.doc.m_strExpSign + t.doc.m_strExponent, "-00");
    t.Type("72");
    RunSteps(t, {{K::kBackspace, " 3      -07", 0}, {K::kBackspace, " 3      -00", 0}, {K::kBackspace, " 3", 0}});
    EXPECT_EQ(t.doc.m_strExpSign, " ");
    EXPECT_FALSE(t.doc.m_bExponent);
    EXPECT_EQ(t.doc.GetEntryValue(), 3.0);
}

TEST(NumberEntryTest, ChangeSignTogglesTheSignBeingTyped) {
    TestDoc t;
    t.Type("4");
    t.Press(K::kChs);
    EXPECT_EQ(t.doc.m_strDisplay, "-4");
    EXPECT_EQ(t.doc.GetEntryValue(), -4.0);
    t.Press({K::kChs, K::kChs, K::kEex, K::kChs, K::kTwo});
    EXPECT_EQ(t.doc.m_strMantSign + t.doc.m_strExpSign, "--");
    EXPECT_EQ(t.doc.m_strDisplay, "-4      -02");
    EXPECT_EQ(t.doc.m_dX, 0.0);  // X is untouched until the commit
    t.Press(K::kEnter);
    EXPECT_EQ(t.doc.m_dX, Pow10(-2) * -4);
}

TEST(NumberEntryTest, ExponentHidesDigitsBeyondTheSeventh) {
    TestDoc t;
    t.Type("1234567.89");
    t.Press({K::kEex, K::kOne});
    EXPECT_EQ(t.doc.m_strDisplay, " 1234567 01");
    EXPECT_EQ(t.doc.m_nPointPos, 9);
    EXPECT_EQ(t.doc.GetEntryValue(), Pow10(1) * 1234567.89);
    t.Press(K::kEnter);
    EXPECT_EQ(t.doc.m_strDisplay, " 1234568 07");
}

TEST(NumberEntryTest, ValueIsTenToTheExponentTimesTheMantissa) {
    const struct {
        const char* typed;
        std::vector<std::uint32_t> then;
        double expected;
    } rows[] = {
        {"12.5", {K::kEex, K::kThree, K::kChs}, Pow10(-3) * 12.5},
        {"12.5", {}, 12.5},
        {"0.1", {}, 0.1},
        {"9999999999", {K::kChs, K::kEex, K::kNine, K::kNine}, Pow10(99) * -9999999999.0},
        {"1", {K::kEex, K::kNine, K::kNine, K::kChs}, Pow10(-99)},
        {"7", {K::kEex, K::kChs}, 7.0},
        {"3", {K::kEex, K::kOne, K::kFive, K::kChs}, Pow10(-15) * 3},
        {"000.000", {K::kEex, K::kFive}, 0.0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        TestDoc t;
        t.Type(row.typed);
        for (std::uint32_t key : row.then) t.Press(key);
        const CalculatorState before = t.doc.State();
        EXPECT_EQ(t.doc.GetEntryValue(), row.expected);
        EXPECT_EQ(t.doc.State(), before);  // reading the value changes nothing
        t.doc.CommitEntry();
        EXPECT_EQ(t.doc.m_dX, row.expected);
        EXPECT_FALSE(t.doc.m_bEntering);
        t.doc.m_dX = 1;
        t.doc.CommitEntry();  // nothing to commit any more
        EXPECT_EQ(t.doc.m_dX, 1.0);
    }
    // The order matters in the last bit: 3 EEX 15 CHS is not the double nearest to 3e-15.
    EXPECT_NE(Pow10(-15) * 3, 3e-15);
}

TEST(NumberEntryTest, ANewEntryStartsClean) {
    TestDoc t;
    t.Type("6.7");
    t.Press({K::kEex, K::kTwo});
    t.Press({K::kChs, K::kEnter});  // the next entry resets these members and the spare flag
    t.doc.m_bSpare = true;
    t.Type("3");
    EXPECT_EQ(t.doc.m_strMantissa + "|" + t.doc.m_strFraction + "|" + t.doc.m_strExponent + "|" + t.doc.m_strExpSign,
              "3||| ");
    EXPECT_FALSE(t.doc.m_bDecimal || t.doc.m_bExponent || t.doc.m_bSpare);
    EXPECT_EQ(t.doc.m_nPointPos, 0);
}

TEST(NumberEntryTest, BackspacingTheLastDigitClearsX) {
    TestDoc t;
    t.doc.m_dX = 8, t.doc.m_dY = 9;
    t.Type("5");  // lifts: Y = 8
    t.Press(K::kBackspace);
    EXPECT_FALSE(t.doc.m_bEntering);
    EXPECT_EQ(t.doc.m_dX, 0.0);
    EXPECT_EQ(t.doc.m_dY, 8.0);  // the lift is not undone
    EXPECT_FALSE(t.doc.m_bLift);
    t.Type("6");  // replaces the 0 without a lift
    t.Press(K::kEnter);
    EXPECT_EQ(std::vector<double>({t.doc.m_dX, t.doc.m_dY, t.doc.m_dZ}), std::vector<double>({6, 6, 8}));
}

}  // namespace
