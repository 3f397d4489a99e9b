// Text to number: the leading decimal number of a text, whatever follows.
#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <cmath>

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

}  // namespace
}  // namespace tabrix
