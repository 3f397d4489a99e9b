// The main line's layout: where the point is drawn and how the line reads,
// and number texts taken apart into mantissa and exponent.
#include <gtest/gtest.h>

#include "engine/main_line.h"
#include "fakes/doc_fixture.h"

namespace tabrix {
namespace {

TEST(MainLine, PointIsDrawnOnlyAfterAShownCharacter) {
    CalculatorState state;
    state.m_strDisplay = " 0000000 00";
    const struct {
        int pos;
        bool entering, exponent;
        int cell;
        const char* read;
    } rows[] = {
        {3, false, false, 1, " 0.000000 00"},   {0, false, false, -1, " 0000000 00"},
        {1, false, false, -1, " 0000000 00"},   {12, false, false, 10, " 0000000 00."},
        {13, false, false, -1, " 0000000 00"},  {9, true, true, 7, " 0000000. 00"},
        {10, true, true, -1, " 0000000 00"},    {10, true, false, 8, " 0000000 .00"},
        {-100, false, false, -1, " 0000000 00"},
    };
    for (const auto& row : rows) {
        state.m_nPointPos = row.pos;
        state.m_bEntering = row.entering;
        state.m_bExponent = row.exponent;
        EXPECT_EQ(PointCellOf(state), row.cell) << row.pos;
        EXPECT_EQ(MainLineAsRead(state), row.read) << row.pos;
    }
}

// While the main line waits (a program runs), what is shown is the last
// picture made, point and all, whatever the keys do meanwhile; once it is
// made again it is the calculator's.
TEST(MainLine, AWaitingMainLineKeepsItsPictureWhole) {
    const struct {
        std::uint32_t mode;  // FIX, SCI or ENG, with 4 digits
        const char* before;
        const char* typed;  // keys pressed while the line waits
        const char* after;
    } rows[] = {
        {keys::kSeven, " 7.0000", "1.5", " 1.5"},
        {keys::kEight, " 7.0000   00", "12", " 12"},
        {keys::kNine, " 7.0000   00", ".25", " 0.25"},
        {keys::kSeven, " 7.0000", "3", " 3"},
    };
    for (const auto& row : rows) {
        testing::TestDoc t;
        t.Shifted(row.mode);
        t.Press(keys::kFour);
        t.Type("7");
        t.Press(keys::kEnter);
        ASSERT_EQ(MainLineAsRead(t.doc), row.before);
        t.doc.DeferDisplay(true);
        t.Type(row.typed);
        EXPECT_EQ(MainLineAsRead(t.doc), row.before) << row.typed;
        t.doc.DeferDisplay(false);
        EXPECT_EQ(MainLineAsRead(t.doc), row.after) << row.typed;
    }
}

TEST(MainLine, PointOfADigitHiddenByTheExponentIsNotDrawn) {
    testing::TestDoc t;
    t.Type("12345678.9");
    t.Press({keys::kEex, keys::kOne});
    EXPECT_EQ(t.doc.m_strDisplay, " 1234567 01");
    EXPECT_EQ(MainLineAsRead(t.doc), " 1234567 01");
    t.doc.InitializeState();
    t.Type("1234567.89");
    t.Press({keys::kEex, keys::kOne});
    EXPECT_EQ(MainLineAsRead(t.doc), " 1234567. 01");
}

TEST(MainLine, NumberTextsSplitIntoMantissaAndExponent) {
    const struct {
        const char* text;
        bool exponent;
        const char* mantissa;
        char sign;
        const char* digits;
    } rows[] = {
        {" 1.500000 01", true, " 1.500000", ' ', "01"},
        {"-123.5   -06", true, "-123.5   ", '-', "06"},
        {" 1.000000 100", true, " 1.000000", ' ', "100"},
        {" 123.46", false, " 123.46", ' ', ""},
        {" 12345678901", false, " 12345678901", ' ', ""},
        {" 12345678.90", false, " 12345678.90", ' ', ""},
        {"-Inf", false, "-Inf", ' ', ""},
        {"ERROR: NaN", false, "ERROR: NaN", ' ', ""},
        {"0", false, "0", ' ', ""},
    };
    for (const auto& row : rows) {
        const NumberTextParts parts = SplitNumberText(row.text);
        EXPECT_EQ(parts.hasExponent, row.exponent) << row.text;
        EXPECT_EQ(parts.mantissa, row.mantissa) << row.text;
        EXPECT_EQ(parts.exponentSign, row.sign) << row.text;
        EXPECT_EQ(parts.exponentDigits, row.digits) << row.text;
    }
}

}  // namespace
}  // namespace tabrix
