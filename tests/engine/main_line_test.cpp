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
