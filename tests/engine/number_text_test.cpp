// Text to number: the leading decimal number of a text, whatever follows.
#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <bit>
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
