// Number text in FIX, SCI and ENG, and the main-line refresh with its range
// checks on X.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "fakes/doc_fixture.h"

namespace {

using K = tabrix::keys::KeyCode;
using tabrix::testing::TestDoc;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct FormatRow {
    const char* format;
    int digits;
    double x;
    const char* text;
};
void PrintTo(const FormatRow& r, std::ostream* os) { *os << r.format << ' ' << r.digits << " of " << r.x; }

class FormatNumberTest : public ::testing::TestWithParam<FormatRow> {};

TEST_P(FormatNumberTest, Text) {
    TestDoc t;
    t.doc.m_strFormat = GetParam().format;
    t.doc.m_nDigits = GetParam().digits;
    EXPECT_EQ(t.doc.FormatNumber(GetParam().x), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, FormatNumberTest, ::testing::Values(
    FormatRow{"FIX", 2, 0, " 0.00"}, FormatRow{"SCI", 6, 0, " 0.000000 00"}, FormatRow{"ENG", 3, 0, " 0.000    00"},
    FormatRow{"FIX", 2, 1, " 1.00"}, FormatRow{"SCI", 6, 1, " 1.000000 00"}, FormatRow{"ENG", 3, 1, " 1.000    00"},
    FormatRow{"FIX", 2, -1, "-1.00"}, FormatRow{"SCI", 6, -1, "-1.000000 00"}, FormatRow{"ENG", 3, -1, "-1.000    00"},
    FormatRow{"FIX", 2, 123.456, " 123.46"}, FormatRow{"SCI", 6, 123.456, " 1.234560 02"},
    FormatRow{"ENG", 3, 123.456, " 123.5    00"}, FormatRow{"FIX", 2, 0.00001, " 0.00"},
    FormatRow{"SCI", 6, 0.00001, " 1.000000-05"}, FormatRow{"ENG", 3, 0.00001, " 10.00   -06"},
    FormatRow{"FIX", 2, 12345678901, " 1.23     10"}, FormatRow{"SCI", 6, 12345678901, " 1.234568 10"},
    FormatRow{"ENG", 3, 12345678901, " 12.35    09"}, FormatRow{"FIX", 2, -0.000123456, "-0.00"},
    FormatRow{"SCI", 6, -0.000123456, "-1.234560-04"}, FormatRow{"ENG", 3, -0.000123456, "-123.5   -06"}));

INSTANTIATE_TEST_SUITE_P(Limits, FormatNumberTest, ::testing::Values(
    FormatRow{"FIX", 0, 123.456, " 123"}, FormatRow{"FIX", 0, 12345678901, " 12345678901"},
    FormatRow{"FIX", 0, -0.4, "-0"}, FormatRow{"FIX", 2, -0.0, "-0.00"},
    FormatRow{"FIX", 2, 99999999.99, " 99999999.99"}, FormatRow{"FIX", 2, 999999999.99, " 1.00     09"},
    FormatRow{"FIX", 9, 1, " 1.000000000"}, FormatRow{"FIX", 9, 10, " 1.000000 01"},
    FormatRow{"SCI", 0, 12345, " 1.       04"}, FormatRow{"SCI", 0, -0.05, "-5.      -02"},
    FormatRow{"SCI", 1, 0.0456, " 4.6     -02"}, FormatRow{"SCI", 7, 123.456, " 1.234560 02"},
    FormatRow{"SCI", 9, 123.456, " 1.234560 02"}, FormatRow{"SCI", 6, -0.0, "-0.000000 00"},
    FormatRow{"SCI", 6, 9.9999996, " 1.000000 01"}, FormatRow{"ENG", 6, -0.000123456, "-123.4560-06"},
    FormatRow{"ENG", 6, 1234, " 1.234000 03"}, FormatRow{"ENG", 6, 0.001234, " 1.234000-03"},
    FormatRow{"ENG", 2, 0.1, " 100.    -03"}, FormatRow{"ENG", 4, 0.5, " 500.00  -03"},
    FormatRow{"ENG", 9, 123456, " 123.4560 03"}, FormatRow{"XYZ", 6, 5, "0"}, FormatRow{"sci", 6, 5, "0"},
    FormatRow{"", 6, 5, "0"}));

// Three-digit exponents are kept whole; the text grows to 13 characters.
INSTANTIATE_TEST_SUITE_P(ThreeDigitExponents, FormatNumberTest, ::testing::Values(
    FormatRow{"SCI", 6, 1e200, " 1.000000 200"}, FormatRow{"SCI", 6, -1.5e-150, "-1.500000-150"},
    FormatRow{"SCI", 0, 1e200, " 1.       200"}, FormatRow{"FIX", 2, 1e200, " 1.00     200"},
    FormatRow{"ENG", 6, 1e200, " 100.0000 198"}, FormatRow{"ENG", 3, 1e100, " 10.00    99"},
    FormatRow{"ENG", 3, 1e-100, " 100.0   -102"}));

INSTANTIATE_TEST_SUITE_P(NonFinite, FormatNumberTest, ::testing::Values(
    FormatRow{"FIX", 2, kNaN, " NaN"}, FormatRow{"SCI", 6, kNaN, " NaN"}, FormatRow{"ENG", 3, kNaN, " NaN"},
    FormatRow{"FIX", 2, kInf, " Inf"}, FormatRow{"SCI", 6, kInf, " Inf"}, FormatRow{"ENG", 3, kInf, " Inf"},
    FormatRow{"FIX", 2, -kInf, "-Inf"}, FormatRow{"SCI", 0, -kInf, "-Inf"}, FormatRow{"ENG", 0, -kInf, "-Inf"},
    FormatRow{"XYZ", 2, kNaN, "0"}));

// ENG with 0 or 1 digits: the places the point moves over are filled with 0.
INSTANTIATE_TEST_SUITE_P(EngFewDigits, FormatNumberTest, ::testing::Values(
    FormatRow{"ENG", 0, 12345, " 10.      03"}, FormatRow{"ENG", 0, 123456, " 100.     03"},
    FormatRow{"ENG", 0, 0.01, " 10.     -03"}, FormatRow{"ENG", 0, -0.5, "-500.    -03"},
    FormatRow{"ENG", 1, 123.456, " 120.     00"}, FormatRow{"ENG", 1, 45678, " 46.      03"},
    FormatRow{"ENG", 0, 7, " 7.       00"}));

// A digit count outside 0..9 is formatted as the nearer of 0 and 9.
INSTANTIATE_TEST_SUITE_P(DigitCountClamped, FormatNumberTest, ::testing::Values(
    FormatRow{"FIX", 57, 1, " 1.000000000"}, FormatRow{"FIX", -3, 2.7, " 3"},
    FormatRow{"SCI", 57, 123.456, " 1.234560 02"}, FormatRow{"SCI", -3, 12345, " 1.       04"},
    FormatRow{"ENG", -1, 12345, " 10.      03"}, FormatRow{"ENG", 1000, 123456, " 123.4560 03"}));

// Every text must read back as (nearly) the number it shows: SCI and ENG have
// exactly 12 characters, ENG exponents are multiples of 3, FIX fits 12 cells.
TEST(DisplayFormatTest, TextsReadBackAsTheirNumber) {
    const double values[] = {1,      -1,       0.5,        7.25,    -42.125, 999.9996, 1000,   123456789,
                             1.5e-7, -3.3e-50, 6.02214e23, 9.12e99, 1e-99,   -2.5e-99, 0.0999, 31415.9265};
    for (const std::string format : {"FIX", "SCI", "ENG"}) {
        for (int digits = 0; digits <= 9; ++digits) {
            TestDoc t;
            t.doc.m_strFormat = format;
            t.doc.m_nDigits = digits;
            for (double x : values) {
                SCOPED_TRACE(::testing::Message() << format << ' ' << digits << " of " << x);
                const std::string s = t.doc.FormatNumber(x);
                ASSERT_LE(s.size(), 12u);
                EXPECT_EQ(s[0], x < 0 ? '-' : ' ');
                // FIX falls back to the SCI layout, recognisable by its inner blank.
                const bool sciLayout = format != "FIX" || s.find(' ', 1) != s.npos;
                double shown = std::strtod(s.c_str(), nullptr);
                if (sciLayout) {
                    ASSERT_EQ(s.size(), 12u);
                    std::string mantissa = s.substr(0, 9);
                    std::erase(mantissa, ' ');
                    ASSERT_TRUE(s[9] == ' ' || s[9] == '-');
                    const int exponent = std::atoi(s.substr(10).c_str()) * (s[9] == '-' ? -1 : 1);
                    EXPECT_TRUE(format != "ENG" || exponent % 3 == 0);
                    shown = std::strtod(mantissa.c_str(), nullptr) * std::pow(10.0, exponent);
                }
                const double tolerance =
                    sciLayout ? std::fabs(x) * std::pow(10.0, -std::min(digits, 6)) : 0.5 * std::pow(10.0, -digits);
                EXPECT_NEAR(shown, x, tolerance * 1.000001 + std::fabs(x) * 1e-15) << '"' << s << '"';
            }
        }
    }
}

struct DisplayRow {
    const char* format;
    int digits;
    double x;
    const char* display;
    int pointPos;
    double xAfter;  // X after the range checks
    bool error;     // an error text was shown, which disables lift
};
void PrintTo(const DisplayRow& r, std::ostream* os) { *os << r.format << ' ' << r.digits << " of " << r.x; }

class UpdateDisplayTest : public ::testing::TestWithParam<DisplayRow> {};

TEST_P(UpdateDisplayTest, MainLineAndRangeChecks) {
    const DisplayRow& row = GetParam();
    for (bool lift : {true, false}) {
        SCOPED_TRACE(::testing::Message() << "lift " << lift);
        TestDoc t;
        t.doc.m_strFormat = row.format;
        t.doc.m_nDigits = row.digits;
        t.doc.m_dX = row.x, t.doc.m_dY = 11;
        t.doc.m_bLift = lift;
        t.doc.UpdateDisplay();
        EXPECT_EQ(t.doc.m_strDisplay, row.display);
        EXPECT_EQ(t.doc.m_nPointPos, row.pointPos);
        EXPECT_EQ(t.doc.m_dX, row.xAfter);
        EXPECT_FALSE(std::signbit(t.doc.m_dX) && row.xAfter == 0);
        EXPECT_EQ(t.doc.m_bLift, !row.error && lift);
        EXPECT_EQ(t.doc.m_dY, 11.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Numbers, UpdateDisplayTest, ::testing::Values(
    DisplayRow{"SCI", 6, 0, " 0000000 00", 3, 0, false},
    DisplayRow{"FIX", 2, 123.456, " 12346", 5, 123.456, false},
    DisplayRow{"ENG", 3, 0.00001, " 1000   -06", 4, 0.00001, false},
    DisplayRow{"ENG", 3, -0.000123456, "-1235   -06", 5, -0.000123456, false},
    DisplayRow{"SCI", 0, 12345, " 1       04", 3, 12345, false},
    DisplayRow{"FIX", 0, 123.456, " 123", 0, 123.456, false},
    DisplayRow{"FIX", 0, 12345678901, " 12345678901", 0, 12345678901, false},
    DisplayRow{"ENG", 0, 12345, " 10      03", 4, 12345, false},
    DisplayRow{"XYZ", 6, 12345, "0", 0, 12345, false},
    DisplayRow{"SCI", 6, 1e-99, " 1000000-99", 3, 1e-99, false},
    DisplayRow{"SCI", 6, 9.9999999e99, " 1000000 100", 3, 9.9999999e99, false},
    DisplayRow{"SCI", 6, 9.999999999e99, " 1000000 100", 3, 9.999999999e99, false}));

INSTANTIATE_TEST_SUITE_P(RangeChecks, UpdateDisplayTest, ::testing::Values(
    DisplayRow{"SCI", 6, kNaN, "ERROR: NaN", 0, 0, true},
    DisplayRow{"FIX", 2, -kNaN, "ERROR: NaN", 0, 0, true},
    DisplayRow{"SCI", 6, kInf, "ERROR: Inf", 0, 0, true},
    DisplayRow{"ENG", 3, -kInf, "ERROR: Inf", 0, 0, true},
    DisplayRow{"SCI", 6, 1e100, "ERROR: OVR", 0, 9.999999e99, true},
    DisplayRow{"FIX", 2, -1e100, "ERROR: OVR", 0, -9.999999e99, true},
    DisplayRow{"XYZ", 2, 1.0000000001e100, "ERROR: OVR", 0, 9.999999e99, true},
    DisplayRow{"SCI", 6, 1e-100, " 0000000 00", 3, 0, false},
    DisplayRow{"FIX", 2, -1e-100, " 000", 3, 0, false},
    DisplayRow{"ENG", 3, 4.9e-324, " 0000    00", 3, 0, false},
    DisplayRow{"XYZ", 2, 1e-100, "0", 0, 0, false}));

TEST(DisplayFormatTest, AfterAnErrorTheNextNumberReplacesX) {
    TestDoc t;
    t.doc.m_dX = kInf, t.doc.m_dY = 7;
    t.doc.UpdateDisplay();
    t.Type("4");
    t.Press(K::kEnter);
    EXPECT_EQ(t.doc.m_dY, 4.0);
    EXPECT_EQ(t.doc.m_dZ, 7.0);  // the 0 left by the error was replaced, not pushed
}

TEST(DisplayFormatTest, DivisionByZeroKeepsTheDrop) {
    TestDoc t;
    t.doc.m_dX = 0, t.doc.m_dY = 5, t.doc.m_dZ = 8, t.doc.m_dT = 9;
    t.Press(K::kDivide);
    EXPECT_EQ(t.doc.m_strDisplay, "ERROR: Inf");
    EXPECT_EQ(t.doc.m_dX, 0.0);
    EXPECT_EQ(t.doc.m_dY, 8.0);
    EXPECT_EQ(t.doc.m_dZ, 9.0);
    EXPECT_FALSE(t.doc.m_bLift);
    t.doc.m_dY = 0;
    t.Press(K::kDivide);
    EXPECT_EQ(t.doc.m_strDisplay, "ERROR: NaN");
}

TEST(DisplayFormatTest, NoRangeCheckWhileTyping) {
    TestDoc t;
    t.Type("99");
    t.Press({K::kEex, K::kNine, K::kNine});
    t.doc.m_dX = kNaN;  // X is not looked at during an entry
    t.doc.UpdateDisplay();
    EXPECT_EQ(t.doc.m_strDisplay, " 99      99");
    EXPECT_TRUE(t.doc.m_bEntering);
    t.Press(K::kEnter);
    EXPECT_EQ(t.doc.m_strDisplay, "ERROR: OVR");
    EXPECT_EQ(t.doc.m_dX, 9.999999e99);
    EXPECT_DOUBLE_EQ(t.doc.m_dY, 9.9e100);  // Y, Z and T are never range-checked
    EXPECT_EQ(t.doc.FormatNumber(t.doc.m_dY), " 9.900000 100");
}

}  // namespace
