#include "view/spoken_lcd.h"

#include <gtest/gtest.h>

#include "fakes/doc_fixture.h"

namespace tabrix {
namespace {

TEST(SpokenLcd, ReadsTheLcdAsAPersonWould) {
    const struct {
        const char* keys;  // typed with the fixture: digits and points, or "" for none
        const char* format;
        int digits;
        double x;
        const char* spoken;
    } rows[] = {
        {"", "SCI", 6, 15, "X 1.5 times ten to the 1, SCI 6, DEG"},
        {"", "SCI", 6, -0.000123, "X -1.23 times ten to the -4, SCI 6, DEG"},
        {"", "ENG", 3, 12346, "X 12.35 times ten to the 3, ENG 3, DEG"},
        {"", "SCI", 2, -2.5, "X -2.5, SCI 2, DEG"},
        {"", "FIX", 2, 123.456, "X 123.46, FIX 2, DEG"},
        {"", "FIX", 2, 1e20, "X 1 times ten to the 20, FIX 2, DEG"},
        {"", "FIX", 0, 7, "X 7, FIX 0, DEG"},
        {"", "SCI", 6, 9.99999999e99, "X 1 times ten to the 100, SCI 6, DEG"},
        {"12.50", "SCI", 6, 0, "X 12.50, SCI 6, DEG"},
        {"007", "FIX", 2, 0, "X 007, FIX 2, DEG"},
    };
    for (const auto& row : rows) {
        testing::TestDoc t;
        t.doc.m_strFormat = row.format;
        t.doc.m_nDigits = row.digits;
        t.doc.m_dX = row.x;
        t.doc.UpdateDisplay();
        t.Type(row.keys);
        EXPECT_EQ(SpokenLcd(t.doc), row.spoken) << row.spoken;
    }
}

TEST(SpokenLcd, ExponentsErrorsShiftAndPrefix) {
    testing::TestDoc t;
    t.Type("1234567.89");
    t.Press({keys::kEex, keys::kFive, keys::kChs});
    EXPECT_EQ(SpokenLcd(t.doc), "X 1234567.89 times ten to the -5, SCI 6, DEG");
    t.Press({keys::kEnter, keys::kZero, keys::kEnter, keys::kDivide});  // 0 / 0
    EXPECT_EQ(SpokenLcd(t.doc), "X ERROR: NaN, SCI 6, DEG");
    t.Press({keys::kShift, keys::kZero, keys::kShift});
    EXPECT_EQ(SpokenLcd(t.doc), "X 0, SCI 6, DEG, shift");
    t.Press({keys::kShift, keys::kShift, keys::kAbout});
    t.doc.m_strAngle = "GRD";
    EXPECT_EQ(SpokenLcd(t.doc), "X 0, SCI 6, GRD, HYP");
}

// A key is named by its label and what it does, shifted too; a label that
// is its own description (a digit) stands alone.
TEST(SpokenLcd, KeyNamesSayWhatTheKeysDo) {
    const std::pair<int, const char*> names[] = {
        {9, "7, shifted FIX display digits"},
        {3, "SIN sine, shifted SIN⁻¹ arc sine"},
        {12, "÷ divide, shifted % percent"},
        {13, "x≷y exchange x and y, shifted R↓ roll the stack down"},
        {25, "F shift"},
        {26, ""}, {0, ""}, {31, ""},
    };
    for (const auto& [code, name] : names) EXPECT_EQ(KeyAccessibleName(code), name) << code;
    SpokenWords words;
    words.shifted = "umgeschaltet";
    words.describe = [](std::string_view d) { return "<" + std::string(d) + ">"; };
    EXPECT_EQ(KeyAccessibleName(12, words), "÷ <divide>, umgeschaltet % <percent>");
}

TEST(SpokenLcd, TheStackIsSaidAsItIsShown) {
    testing::TestDoc t;
    t.doc.m_dY = 1.5;
    t.doc.m_dZ = -2e-7;
    EXPECT_EQ(SpokenStack(t.doc), "Y 1.5, Z -2 times ten to the -7, T 0");
}

}  // namespace
}  // namespace tabrix
