// The functions beyond the keys against exact answers: combinations,
// permutations, the modulo and the hours conversions against a table made
// in exact rational arithmetic (number_functions_reference.py), each answer
// rounded once; the display rounding and the integer and fractional parts
// against answers worked out by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/calculator_state.h"
#include "engine/number_functions.h"
#include "engine/number_text.h"

namespace tabrix {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct TwoArguments {
    double a, b, exact;
};
struct OneArgument {
    double x, exact;
};

#include "number_functions_table.inc"

// Bit for bit, NaN with NaN: the nearest double is one double.
::testing::AssertionResult Same(double got, double exact) {
    if (SameBits(got, exact) || (std::isnan(got) && std::isnan(exact))) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << ExactText(got) << " where the nearest double is " << ExactText(exact);
}

TEST(NumberFunctions, CombinationsAndPermutationsAreTheNearestDoubles) {
    for (const auto& row : kCombinations) {
        EXPECT_TRUE(Same(Combinations(row.a, row.b), row.exact)) << "C(" << row.a << ", " << row.b << ")";
    }
    for (const auto& row : kPermutations) {
        EXPECT_TRUE(Same(Permutations(row.a, row.b), row.exact)) << "P(" << row.a << ", " << row.b << ")";
    }
}

TEST(NumberFunctions, ModuloTakesTheSignOfXAndIsTheNearestDouble) {
    for (const auto& row : kModulo) {
        EXPECT_TRUE(Same(Modulo(row.a, row.b), row.exact)) << ExactText(row.a) << " mod " << ExactText(row.b);
    }
}

// The conversions read their argument to the microsecond: a value a unit in
// the last place short of a whole minute is that minute.
TEST(NumberFunctions, HoursAndHmsConvertAsTheExactArithmeticDoes) {
    for (const auto& row : kHoursToHms) EXPECT_TRUE(Same(HoursToHms(row.x), row.exact)) << ExactText(row.x);
    for (const auto& row : kHmsToHours) EXPECT_TRUE(Same(HmsToHours(row.x), row.exact)) << ExactText(row.x);
    EXPECT_EQ(HoursToHms(1.0 + 1.0 / 60), 1.01);
    EXPECT_EQ(HoursToHms(HmsToHours(2.4530)), 2.4530);
}

TEST(NumberFunctions, PartsGoTowardZeroAndKeepTheSign) {
    const struct {
        double x, whole, fraction;
    } rows[] = {
        {2.75, 2, 0.75}, {-2.75, -2, -0.75}, {5, 5, 0}, {-0.25, -0.0, -0.25}, {1e300, 1e300, 0}, {kInf, kInf, kNaN},
    };
    for (const auto& row : rows) {
        EXPECT_TRUE(Same(IntegerPart(row.x), row.whole)) << row.x;
        EXPECT_TRUE(Same(FractionalPart(row.x), row.fraction)) << row.x;
    }
}

// rnd gives the number the display shows: FIX rounds to its decimals, SCI
// and ENG to their significant digits (six decimals at most, as shown), and
// FIX of a number too long for the line rounds as the SCI it shows (with
// the digit count, six at most).
TEST(NumberFunctions, RoundToDisplayIsTheNumberShown) {
    const struct {
        const char* format;
        int digits;
        double x, shown;
    } rows[] = {
        {"FIX", 2, 3.14159, 3.14},        {"FIX", 2, -2.675, -2.67},     {"FIX", 0, 2.5, 2},
        {"FIX", 4, 1e-7, 0},              {"FIX", 9, 1234.5678901234, 1234.568},
        {"FIX", 2, 123456789012.5, 1.23e11}, {"SCI", 3, 123456, 123500}, {"SCI", 9, 1.23456789, 1.234568},
        {"ENG", 2, 0.000123456, 0.000123}, {"ENG", 0, 12345, 10000},  {"SCI", 6, -0.0, -0.0},
        {"FIX", 2, kInf, kInf},
    };
    CTabrixDoc doc;
    for (const auto& row : rows) {
        doc.m_strFormat = row.format;
        doc.m_nDigits = row.digits;
        EXPECT_TRUE(Same(doc.RoundToDisplay(row.x), row.shown)) << row.format << " " << row.digits << " " << row.x;
    }
    doc.m_strFormat = "XYZ";  // a damaged file's word: nothing shown to round to
    EXPECT_EQ(doc.RoundToDisplay(1.23456), 1.23456);
}

}  // namespace
}  // namespace tabrix
