// States no key sequence can reach, as a damaged state file could load them.
// Nothing may crash or read outside a string, and the main line never grows
// beyond the LCD's twelve cells. CI runs this under ASan and UBSan.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <string>

#include "fakes/doc_fixture.h"

namespace {

using K = tabrix::keys::KeyCode;
using tabrix::CTabrixDoc;
using tabrix::testing::TestDoc;

void Entering(CTabrixDoc& d, const std::string& mantissa) {
    d.m_bEntering = true;
    d.m_bDecimal = d.m_bExponent = false;
    d.m_strMantissa = mantissa;
    d.m_strFraction = d.m_strExponent = "";
    d.m_strMantSign = d.m_strExpSign = " ";
    d.m_nPointPos = 0;
}

const std::string k300(300, '9');

const std::pair<const char*, std::function<void(CTabrixDoc&)>> kDamages[] = {
    {"empty mantissa", [](auto& d) { Entering(d, ""); }},
    {"empty mantissa, fraction", [](auto& d) { Entering(d, ""), d.m_bDecimal = true, d.m_strFraction = "5"; }},
    {"exponent mode, no digits", [](auto& d) { Entering(d, "12"), d.m_bExponent = true; }},
    {"exponent mode, one digit", [](auto& d) { Entering(d, "12"), d.m_bExponent = true, d.m_strExponent = "7"; }},
    {"300-digit exponent", [](auto& d) { Entering(d, "3"), d.m_bExponent = true, d.m_strExponent = k300; }},
    {"300-digit exponent of 0", [](auto& d) { Entering(d, "0"), d.m_bExponent = true, d.m_strExponent = k300; }},
    {"300-digit exponent, not shown", [](auto& d) { Entering(d, "3"), d.m_strExponent = k300; }},
    {"300-digit mantissa", [](auto& d) { Entering(d, k300); }},
    {"300 digits everywhere",
     [](auto& d) {
         Entering(d, k300), d.m_bDecimal = d.m_bExponent = true;
         d.m_strFraction = d.m_strExponent = k300, d.m_nPointPos = 302;
     }},
    {"no signs", [](auto& d) { Entering(d, "12"), d.m_strMantSign = d.m_strExpSign = "", d.m_bExponent = true; }},
    {"odd signs", [](auto& d) { Entering(d, "12"), d.m_strMantSign = "+-", d.m_strExpSign = "xyz"; }},
    {"300-character signs",
     [](auto& d) { Entering(d, "12"), d.m_strMantSign = d.m_strExpSign = std::string(300, '-'), d.m_bExponent = true; }},
    {"letters in the mantissa", [](auto& d) { Entering(d, "nan"); }},
    {"hex in the mantissa", [](auto& d) { Entering(d, "0x1p400"); }},
    {"point position far off", [](auto& d) { Entering(d, "5"), d.m_nPointPos = -7; }},
    {"57 digits", [](auto& d) { d.m_nDigits = 57, d.m_dX = -123.456; }},
    {"-3 digits", [](auto& d) { d.m_nDigits = -3, d.m_dX = 123.456; }},
    {"INT_MIN digits in FIX", [](auto& d) { d.m_strFormat = "FIX", d.m_nDigits = INT_MIN, d.m_dX = 1e99; }},
    {"INT_MAX digits in ENG", [](auto& d) { d.m_strFormat = "ENG", d.m_nDigits = INT_MAX, d.m_dX = -1e-99; }},
    {"format XYZ", [](auto& d) { d.m_strFormat = "XYZ", d.m_dX = 5; }},
    {"empty format", [](auto& d) { d.m_strFormat = ""; }},
    {"extremes in Y, Z, T", [](auto& d) { d.m_dY = 1e308, d.m_dZ = -4.9e-324, d.m_dT = NAN, d.m_dReg[3] = INFINITY; }},
    {"NaN in X while typing", [](auto& d) { Entering(d, "4"), d.m_dX = NAN; }},
    {"unknown words", [](auto& d) { d.m_strAngle = "", d.m_strPrefix = "xyz", d.m_dX = 1; }},
};

const std::pair<const char*, std::function<void(TestDoc&)>> kPokes[] = {
    {"refresh", [](TestDoc&) {}},
    {"backspaces", [](TestDoc& t) { for (int i = 0; i < 1000 && t.doc.m_bEntering; ++i) t.Press(K::kBackspace); }},
    {"digits", [](TestDoc& t) { t.Type("1234567"); }},
    {"point", [](TestDoc& t) { t.Press(K::kPoint); }},
    {"EEX 42 CHS", [](TestDoc& t) { t.Press({K::kEex, K::kFour, K::kTwo, K::kChs}); }},
    {"CHS", [](TestDoc& t) { t.Press(K::kChs); }},
    {"ENTER", [](TestDoc& t) { t.Press(K::kEnter); }},
    {"+", [](TestDoc& t) { t.Press(K::kPlus); }},
    {"x!", [](TestDoc& t) { t.Shifted(K::kMultiply); }},
    {"SIN", [](TestDoc& t) { t.Press(K::kSin); }},
    {"STO, RCL", [](TestDoc& t) { t.Press({K::kShift, K::kZero, K::kThree, K::kShift, K::kPoint, K::kThree}); }},
    {"RAN#", [](TestDoc& t) { t.Shifted(K::kEnter); }},
    {"Delete", [](TestDoc& t) { t.doc.OnHardwareKeyUp(0x2E); }},
};

TEST(RobustnessTest, DamagedStatesSurviveEveryKindOfKey) {
    for (const auto& [damage, apply] : kDamages) {
        for (const auto& [poke, run] : kPokes) {
            SCOPED_TRACE(::testing::Message() << damage << ", then " << poke);
            TestDoc t;
            apply(t.doc);
            const int digits = t.doc.m_nDigits;
            t.doc.UpdateDisplay();
            EXPECT_LE(t.doc.m_strDisplay.size(), 12u);
            EXPECT_LE(t.doc.GetEntryText().size(), 12u);
            (void)t.doc.GetEntryValue();
            for (double v : {t.doc.m_dX, t.doc.m_dY, t.doc.m_dZ, t.doc.m_dT, t.doc.m_dReg[3]}) {
                EXPECT_LE(t.doc.FormatNumber(v).size(), 13u);
            }
            run(t);
            t.doc.UpdateDisplay();
            EXPECT_LE(t.doc.m_strDisplay.size(), 12u) << '"' << t.doc.m_strDisplay << '"';
            EXPECT_EQ(t.doc.m_nDigits, digits);  // a bad count is clamped for formatting only
            t.doc.CommitEntry();
            t.doc.UpdateDisplay();
            EXPECT_LE(t.doc.m_strDisplay.size(), 12u);
            EXPECT_LE(std::fabs(t.doc.m_dX), 9.999999999e99);  // NaN fails this too
        }
    }
}

TEST(RobustnessTest, EmptyMantissa) {
    TestDoc t;
    Entering(t.doc, "");
    EXPECT_EQ(t.doc.GetEntryText(), " ");
    EXPECT_EQ(t.doc.GetEntryValue(), 0.0);
    t.doc.m_dX = 5;
    t.Press(K::kBackspace);  // nothing to drop: the entry ends as when it empties
    EXPECT_FALSE(t.doc.m_bEntering);
    EXPECT_EQ(t.doc.m_dX, 0.0);
    EXPECT_EQ(t.doc.m_strDisplay, " 0000000 00");

    Entering(t.doc, "");
    t.doc.m_dX = 5;
    t.doc.CommitEntry();
    EXPECT_EQ(t.doc.m_dX, 0.0);
}

TEST(RobustnessTest, LongTextsAreCutToTheLcd) {
    TestDoc e;
    Entering(e.doc, "3");
    e.doc.m_bExponent = true;
    e.doc.m_strExponent = "1" + std::string(297, '0') + "42";
    e.doc.m_strExpSign = "-+";
    e.doc.UpdateDisplay();
    EXPECT_EQ(e.doc.m_strDisplay, " 3      -42");  // last two digits, first sign character
    e.Press(K::kEnter);                          // "-+..." reads as no number: exponent 0
    EXPECT_EQ(e.doc.m_dX, 3.0);

    TestDoc m;
    Entering(m.doc, k300);
    m.doc.UpdateDisplay();
    EXPECT_EQ(m.doc.m_strDisplay, " 99999999999");
    m.Type("5");
    EXPECT_EQ(m.doc.m_strMantissa.size(), 300u);
    m.Press(K::kEnter);
    EXPECT_EQ(m.doc.m_strDisplay, "ERROR: OVR");
    EXPECT_EQ(m.doc.m_dX, 9.999999e99);
}

TEST(RobustnessTest, UnknownFormatWordAndOddSigns) {
    TestDoc f;
    f.doc.m_strFormat = "XYZ", f.doc.m_dX = -12.5;
    f.doc.UpdateDisplay();
    EXPECT_EQ(f.doc.m_strDisplay, "0");
    EXPECT_EQ(f.doc.m_nPointPos, 0);

    TestDoc t;  // an odd sign toggles to a blank first
    Entering(t.doc, "12");
    t.doc.m_strMantSign = "+-";
    t.Press(K::kChs);
    EXPECT_EQ(t.doc.m_strMantSign, " ");
    t.Press(K::kChs);
    EXPECT_EQ(t.doc.GetEntryValue(), -12.0);
}

}  // namespace
