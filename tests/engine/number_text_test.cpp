// Text to number: the leading decimal number of a text, whatever follows.
#include "engine/number_text.h"
#include "engine/portable_number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdlib>
#include <limits>
#include <random>
#include <vector>
#include <cmath>
#include <cstdint>
#include <string>

namespace tabrix {
namespace {

TEST(NumberText, LeadingDecimalNumberOnly) {
    const struct {
        const char* text;
        double value;
    } rows[] = {
        {"  -1.5e3xyz", -1500}, {"\t+2.25 apples", 2.25}, {".5", 0.5},   {"5.", 5},       {"1e", 1},
        {"1e+", 1},             {"1.5E-2", 0.015},        {"007", 7},    {"", 0},         {".", 0},
        {"-.", 0},              {"abc", 0},               {"0x10", 0},   {"inf", 0},      {"nan", 0},
        {"-infinity", 0},       {"1e-400", 0},            {"- 5", 0},    {"12.5.3", 12.5}, {"3,5", 3},
    };
    for (const auto& row : rows) EXPECT_EQ(ParseLeadingDouble(row.text), row.value) << "'" << row.text << "'";
    EXPECT_TRUE(std::isinf(ParseLeadingDouble("1e999")));
    EXPECT_TRUE(std::signbit(ParseLeadingDouble("-0")));
}

// The short path of the entry's value must give what reading the text gives,
// to the bit, for every sign and split of up to 15 digits.
TEST(NumberText, ShortDecimalsReadExactlyAsTheirText) {
    std::uint64_t seed = 12345;
    auto next = [&] { return (seed = seed * 6364136223846793005u + 1442695040888963407u) >> 33; };
    for (int i = 0; i < 20000; ++i) {
        const std::size_t total = 1 + next() % 15;
        std::string digits;
        for (std::size_t d = 0; d < total; ++d) digits += static_cast<char>('0' + next() % 10);
        const std::size_t split = next() % (total + 1);
        const std::string sign = next() % 2 ? "-" : " ";
        const std::string whole = digits.substr(0, split), fraction = digits.substr(split);
        const auto fast = ParseShortDecimal(sign, whole, fraction);
        ASSERT_TRUE(fast.has_value()) << digits;
        const double read = ParseLeadingDouble(sign + whole + "." + fraction);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(*fast), std::bit_cast<std::uint64_t>(read)) << sign << whole << "." << fraction;
    }
    EXPECT_FALSE(ParseShortDecimal(" ", "1234567890", "123456"));  // 16 digits: read as text
    EXPECT_FALSE(ParseShortDecimal("+", "1", ""));
    EXPECT_FALSE(ParseShortDecimal(" ", "1a", ""));
    EXPECT_FALSE(ParseShortDecimal(" ", "", ""));
}

}  // namespace
}  // namespace tabrix

// Where the standard library lacks <charconv>'s floating-point functions
// (the web page's), the portable functions make the text of numbers; here,
// where they are, the portable text must be theirs to the byte. Random bit
// patterns reach every exponent, denormals and both zeros; random short
// decimals reach the halfway cases.
namespace tabrix {
namespace {

TEST(NumberTextAsCharconv, TextsAndReadingsAreTheStandardLibrarysToTheByte) {
    std::mt19937_64 random(20261207);
    const auto charconv = [](double x, auto... format) {
        char buffer[400];
        return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, x, format...).ptr);
    };
    std::vector<double> values = {0.0, -0.0, 5e-324, 1e23, 9007199254740993.0, 0.1, 2.5, 1e308, 123456789012345678.0};
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t bits = random();
        values.push_back(std::bit_cast<double>(bits));
        // A decimal of up to 17 digits and a power of ten near the display's.
        const double decimal = static_cast<double>(random() % 100000000000000000ULL) *
                               std::pow(10.0, static_cast<int>(random() % 40) - 25);
        values.push_back(decimal);
    }
    int checked = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double x = values[i];
        if (!std::isfinite(x)) continue;
        const int decimals = static_cast<int>(i % 10);
        ASSERT_EQ(portable::ExactText(x), charconv(x)) << BitsOf(x);
        char buffer[kExponentTextSize];
        ASSERT_EQ(std::string(buffer, portable::FormatExponentTo(buffer, sizeof buffer, x, decimals)),
                  charconv(x, std::chars_format::scientific, decimals))
            << BitsOf(x);
        if (std::fabs(x) < 1e30) {
            ASSERT_EQ(portable::FormatFixed(x, decimals), charconv(x, std::chars_format::fixed, decimals));
        }
        // Read back: the exact text to the bit, and what a paste reads.
        const std::string text = charconv(x);
        ASSERT_TRUE(SameBits(portable::ReadExactText(text).value_or(1), x)) << text;
        ASSERT_TRUE(SameBits(portable::ReadDecimal(text), x)) << text;
        ++checked;
    }
    EXPECT_GT(checked, 150000);
    // Beyond the range: no exact text, but a paste reads what strtod reads.
    for (const char* text : {"1e999", "-1e999", "1e-999", "-2e-400", "4e-320"}) {
        EXPECT_EQ(portable::ReadExactText(text).has_value(), ReadExactText(text).has_value()) << text;
        EXPECT_TRUE(SameBits(portable::ReadDecimal(text), std::strtod(text, nullptr))) << text;
        EXPECT_TRUE(SameBits(ParseLeadingDouble(text), std::strtod(text, nullptr))) << text;
    }
    for (const double x : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                           std::nan(""), -std::nan("")}) {
        EXPECT_EQ(portable::ExactText(x), charconv(x));
        EXPECT_EQ(portable::FormatFixed(x, 2), charconv(x, std::chars_format::fixed, 2));
    }
    EXPECT_TRUE(std::isinf(portable::ReadExactText("-inf").value_or(0)));
}

}  // namespace
}  // namespace tabrix
