// Number text and typed numbers must not depend on the process locale: under
// a locale with a decimal comma the calculator still writes and reads points.
#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "fakes/doc_fixture.h"

namespace {

namespace keys = tabrix::keys;
using tabrix::testing::TestDoc;

struct Sample {
    const char* format;
    int digits;
    double x;
};

constexpr Sample kSamples[] = {
    {"FIX", 2, 1234.5678}, {"FIX", 9, -0.125},   {"FIX", 0, 12345678901}, {"FIX", 4, 1e15},
    {"SCI", 6, 1234.5678}, {"SCI", 0, -0.0042},  {"SCI", 3, 6.02e23},     {"ENG", 3, 0.00001},
    {"ENG", 6, -0.000123456}, {"ENG", 1, 123.456},
};

// Texts and main lines of every sample, and the value and main line of a
// typed 12.5 and of 12.5 EEX 3 CHS.
std::vector<std::string> Snapshot() {
    std::vector<std::string> out;
    for (const Sample& s : kSamples) {
        TestDoc t;
        t.doc.m_strFormat = s.format;
        t.doc.m_nDigits = s.digits;
        t.doc.m_dX = s.x;
        out.push_back(t.doc.FormatNumber(s.x));
        t.doc.UpdateDisplay();
        out.push_back(t.doc.m_strDisplay + "|" + std::to_string(t.doc.m_nPointPos));
    }
    TestDoc t;
    t.Type("12.5");
    out.push_back(std::to_string(std::bit_cast<std::uint64_t>(t.doc.GetEntryValue())));
    t.Press({keys::kEex, keys::kThree, keys::kChs, keys::kEnter});
    out.push_back(std::to_string(std::bit_cast<std::uint64_t>(t.doc.m_dX)));
    out.push_back(t.doc.m_strDisplay);
    return out;
}

class LocaleTest : public ::testing::Test {
protected:
    void SetUp() override { m_saved = std::setlocale(LC_ALL, nullptr); }
    void TearDown() override { std::setlocale(LC_ALL, m_saved.c_str()); }
    std::string m_saved;
};

TEST_F(LocaleTest, DecimalCommaLocaleChangesNothing) {
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    const std::vector<std::string> inC = Snapshot();
    EXPECT_EQ(inC[0], " 1234.57");
    EXPECT_EQ(inC[inC.size() - 3], std::to_string(std::bit_cast<std::uint64_t>(12.5)));

    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    ASSERT_STREQ(probe, "1,5") << "the locale does not use a decimal comma";

    EXPECT_EQ(Snapshot(), inC);
}

}  // namespace
