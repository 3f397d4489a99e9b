// State record defaults, the three reset scopes, stack movements, the stack
// lift rule and whole-state comparison.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "fakes/doc_fixture.h"

namespace {

using K = tabrix::keys::KeyCode;
using tabrix::CalculatorState;
using tabrix::testing::CountingView;
using tabrix::testing::TestDoc;

std::vector<double> Stack(const tabrix::CTabrixDoc& d) { return {d.m_dX, d.m_dY, d.m_dZ, d.m_dT}; }

CalculatorState Defaults() {
    CalculatorState s;  // zeros, empty strings, false flags ...
    s.m_strDisplay = " 0000000 00";
    s.m_nPointPos = 3;
    s.m_bLift = true;
    s.m_strMantSign = s.m_strExpSign = " ";
    s.m_strFormat = "SCI", s.m_nDigits = 6, s.m_strAngle = "DEG";
    return s;
}

// Every member away from its default, an entry in progress included.
void MakeDirty(CalculatorState& s) {
    s.m_nKey = 17;
    s.m_strDisplay = "junk";
    s.m_bDecimal = s.m_bEntering = s.m_bExponent = s.m_bShift = s.m_bSpare = true;
    s.m_bLift = false;
    s.m_strMantissa = "12", s.m_strFraction = "5", s.m_strExponent = "03";
    s.m_strMantSign = s.m_strExpSign = "-";
    s.m_nPointPos = 4;
    s.m_dX = 1, s.m_dY = 2, s.m_dZ = 3, s.m_dT = 4;
    for (int i = 0; i < 10; ++i) s.m_dReg[i] = 10 + i;
    s.m_strFormat = "FIX", s.m_nDigits = 2, s.m_strPrefix = "STO", s.m_strAngle = "RAD";
}

TEST(StackTest, NewDocumentHoldsTheDefaults) {
    TestDoc t;
    EXPECT_EQ(t.doc.State(), Defaults());
    t.doc.UpdateDisplay();  // the ready-made zero picture is what a refresh makes of 0
    EXPECT_EQ(t.doc.State(), Defaults());

    MakeDirty(t.doc);
    EXPECT_TRUE(t.doc.OnNewDocument());
    EXPECT_EQ(t.doc.m_nKey, 17u);  // the key being pressed is not part of a reset
    t.doc.m_nKey = 0;
    EXPECT_EQ(t.doc.State(), Defaults());
}

TEST(StackTest, LiftCopiesUpwardsAndDropCopiesDownwards) {
    TestDoc t;
    auto& d = t.doc;
    d.m_dX = 1, d.m_dY = 2, d.m_dZ = 3, d.m_dT = 4;
    d.m_bLift = false;
    d.LiftStack();
    EXPECT_EQ(Stack(d), std::vector<double>({1, 1, 2, 3}));
    EXPECT_FALSE(d.m_bLift);
    d.m_dX = 9, d.m_dY = 2, d.m_dZ = 3, d.m_dT = 4;
    d.DropStack();
    EXPECT_EQ(Stack(d), std::vector<double>({9, 3, 4, 4}));
    EXPECT_TRUE(d.m_bLift);
}

// Which members each reset returns to their defaults; the rest must be left
// exactly as they were.
TEST(StackTest, ResetScopes) {
    const struct {
        const char* name;
        std::function<void(tabrix::CTabrixDoc&)> run;
        bool stackAndRegisters, shiftAndSpare, pointPos, modesAndPrefix, lift;
    } scopes[] = {
        {"InitializeState", [](auto& d) { d.InitializeState(); }, true, true, true, true, true},
        {"ClearAll", [](auto& d) { d.ClearAll(); }, true, true, true, false, true},
        {"ClearX", [](auto& d) { d.ClearX(); }, false, false, false, false, false},
    };
    for (const auto& scope : scopes) {
        SCOPED_TRACE(scope.name);
        TestDoc t;
        MakeDirty(t.doc);
        CalculatorState expected = t.doc.State();
        scope.run(t.doc);
        expected.m_bDecimal = expected.m_bEntering = expected.m_bExponent = false;
        expected.m_bLift = scope.lift;
        expected.m_strMantissa = expected.m_strFraction = expected.m_strExponent = "";
        expected.m_strMantSign = expected.m_strExpSign = " ";
        expected.m_dX = 0;
        expected.m_strDisplay = " 0000000 00";
        if (scope.stackAndRegisters) expected.m_dY = expected.m_dZ = expected.m_dT = 0, expected.m_dReg.fill(0);
        if (scope.shiftAndSpare) expected.m_bShift = expected.m_bSpare = false;
        if (scope.pointPos) expected.m_nPointPos = 3;
        if (scope.modesAndPrefix) {
            expected.m_strFormat = "SCI", expected.m_nDigits = 6, expected.m_strAngle = "DEG";
            expected.m_strPrefix = "";
        }
        EXPECT_EQ(t.doc.State(), expected);
    }
}

TEST(StackTest, ClearAllKeyKeepsModes) {
    TestDoc t;
    t.Press({K::kShift, K::kSeven, K::kTwo, K::kShift, K::kFive});  // FIX 2, RAD
    t.Type("7");
    t.Press({K::kShift, K::kZero, K::kFour});  // STO 4
    t.Type("3");
    t.Shifted(K::kPlus);  // CLR
    EXPECT_EQ(t.doc.m_strFormat + std::to_string(t.doc.m_nDigits) + t.doc.m_strAngle, "FIX2RAD");
    EXPECT_EQ(t.doc.m_dReg[4], 0.0);
    EXPECT_EQ(Stack(t.doc), std::vector<double>({0, 0, 0, 0}));
    EXPECT_EQ(t.doc.m_strDisplay, " 000");  // the key's refresh shows zero in FIX 2
    EXPECT_EQ(t.doc.m_nPointPos, 3);
}

// What each key does to m_bLift, tried with the flag on and off beforehand.
TEST(StackTest, StackLiftFlagPerKey) {
    enum Effect { kSet, kClear, kKeep };
    const struct {
        const char* name;
        std::vector<std::uint32_t> keys;  // kShift makes the next key shifted
        Effect effect;
    } cases[] = {
        {"ENTER", {K::kEnter}, kClear}, {"CLX", {K::kShift, K::kBackspace}, kClear},
        {"backspace, no entry", {K::kBackspace}, kClear},
        {"+", {K::kPlus}, kSet}, {"-", {K::kMinus}, kSet}, {"x", {K::kMultiply}, kSet}, {"/", {K::kDivide}, kSet},
        {"y^x", {K::kShift, K::kInverse}, kSet}, {"e^x", {K::kExp}, kSet}, {"LN", {K::kShift, K::kExp}, kSet},
        {"10^x", {K::kAlog}, kSet}, {"LOG", {K::kShift, K::kAlog}, kSet}, {"SIN", {K::kSin}, kSet},
        {"COS", {K::kCos}, kSet}, {"TAN", {K::kTan}, kSet}, {"ASIN", {K::kShift, K::kSin}, kSet},
        {"ACOS", {K::kShift, K::kCos}, kSet}, {"ATAN", {K::kShift, K::kTan}, kSet},
        {"SINH", {K::kShift, K::kAbout, K::kSin}, kSet}, {"sqrt", {K::kSqrt}, kSet},
        {"x^2", {K::kShift, K::kSqrt}, kSet}, {"1/x", {K::kInverse}, kSet}, {"x!", {K::kShift, K::kMultiply}, kSet},
        {"->P", {K::kShift, K::kOne}, kSet}, {"->R", {K::kShift, K::kTwo}, kSet},
        {"->DEG", {K::kShift, K::kThree}, kSet}, {"->RAD", {K::kShift, K::kMinus}, kSet},
        {"CLR", {K::kShift, K::kPlus}, kSet}, {"x<>y", {K::kSwap}, kKeep}, {"R-down", {K::kShift, K::kSwap}, kKeep},
        {"R-up", {K::kShift, K::kChs}, kKeep}, {"CHS", {K::kChs}, kKeep}, {"%", {K::kShift, K::kDivide}, kKeep},
        {"pi", {K::kShift, K::kEex}, kKeep}, {"RAN#", {K::kShift, K::kEnter}, kKeep},
        {"STO 3", {K::kShift, K::kZero, K::kThree}, kKeep}, {"RCL 3", {K::kShift, K::kPoint, K::kThree}, kKeep},
        {"FIX 2", {K::kShift, K::kSeven, K::kTwo}, kKeep}, {"RAD", {K::kShift, K::kFive}, kKeep},
        {"F", {K::kShift}, kKeep}, {"?", {K::kAbout}, kKeep}, {"EEX, no entry", {K::kEex}, kKeep},
    };
    for (const auto& c : cases) {
        for (bool before : {false, true}) {
            SCOPED_TRACE(::testing::Message() << c.name << " with lift " << before);
            TestDoc t;
            t.doc.m_dX = 0.5, t.doc.m_dY = 0.25, t.doc.m_dZ = 3;
            t.doc.m_bLift = before;
            for (std::uint32_t key : c.keys) t.Press(key);
            EXPECT_EQ(t.doc.m_bLift, c.effect == kSet || (c.effect == kKeep && before));
        }
    }
}

TEST(StackTest, ResetStateDiscardsTheEntryAndRedraws) {
    TestDoc t;
    CountingView view;
    t.doc.AddView(&view);
    t.Type("12");
    t.doc.OnResetState();
    EXPECT_EQ(view.updates, 1);
    EXPECT_EQ(t.doc.State(), Defaults());
}

TEST(StackTest, StateEqualityComparesEveryMemberAndDoublesByBits) {
    const CalculatorState base = Defaults();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::function<void(CalculatorState&)> changes[] = {
        [](auto& s) { s.m_nKey = 1; },          [](auto& s) { s.m_strDisplay = "x"; },
        [](auto& s) { s.m_bDecimal = true; },   [](auto& s) { s.m_bEntering = true; },
        [](auto& s) { s.m_bExponent = true; },  [](auto& s) { s.m_bShift = true; },
        [](auto& s) { s.m_bLift = false; },     [](auto& s) { s.m_bSpare = true; },
        [](auto& s) { s.m_strMantissa = "1"; }, [](auto& s) { s.m_strFraction = "1"; },
        [](auto& s) { s.m_strExponent = "1"; }, [](auto& s) { s.m_strMantSign = "-"; },
        [](auto& s) { s.m_strExpSign = "-"; },  [](auto& s) { s.m_nPointPos = 0; },
        [](auto& s) { s.m_dX = -0.0; },         [](auto& s) { s.m_dY = -0.0; },
        [](auto& s) { s.m_dZ = 1; },            [](auto& s) { s.m_dT = 1; },
        [](auto& s) { s.m_dReg[0] = 1; },       [](auto& s) { s.m_dReg[9] = -0.0; },
        [](auto& s) { s.m_strFormat = "FIX"; }, [](auto& s) { s.m_nDigits = 2; },
        [](auto& s) { s.m_strPrefix = "HYP"; }, [](auto& s) { s.m_strAngle = "RAD"; },
        [nan](auto& s) { s.m_dX = nan; },       [nan](auto& s) { s.m_dReg[5] = nan; },
    };
    for (std::size_t i = 0; i < std::size(changes); ++i) {
        SCOPED_TRACE(::testing::Message() << "change #" << i);
        CalculatorState changed = base;
        changes[i](changed);
        EXPECT_FALSE(changed == base);
        EXPECT_FALSE(base == changed);
        const CalculatorState copy = changed;
        EXPECT_EQ(copy, changed);  // a NaN snapshot equals its own copy
    }
    CalculatorState a = base, b = base;
    a.m_dT = nan;
    b.m_dT = -nan;  // another NaN bit pattern
    EXPECT_FALSE(a == b);
}

}  // namespace
