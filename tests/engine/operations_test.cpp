// Results of the computing keys, to the bit where the calculator's constants
// and evaluation order fix them, and their effect on the stack.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "fakes/doc_fixture.h"

namespace {

using K = tabrix::keys::KeyCode;
using tabrix::testing::TestDoc;

std::vector<double> Stack(const tabrix::CTabrixDoc& d) { return {d.m_dX, d.m_dY, d.m_dZ, d.m_dT}; }

struct OpRow {
    const char* name;
    const char* angle;
    double y, x;
    std::vector<std::uint32_t> keys;  // kShift makes the next key shifted
    double expected;                  // X afterwards
    double tolerance;                 // 0: bit-exact
};
void PrintTo(const OpRow& r, std::ostream* os) { *os << r.name << " in " << r.angle; }

class OperationTest : public ::testing::TestWithParam<OpRow> {};

TEST_P(OperationTest, Result) {
    const OpRow& row = GetParam();
    TestDoc t;
    t.doc.m_strAngle = row.angle;
    t.doc.m_dY = row.y, t.doc.m_dX = row.x;
    for (std::uint32_t key : row.keys) t.Press(key);
    if (row.tolerance == 0) {
        EXPECT_EQ(t.doc.m_dX, row.expected);
    } else {
        EXPECT_NEAR(t.doc.m_dX, row.expected, row.tolerance);
    }
    EXPECT_NE(t.doc.m_strDisplay.substr(0, 6), "ERROR:");
}

constexpr K kF = K::kShift;

INSTANTIATE_TEST_SUITE_P(FactorialAndAngles, OperationTest, ::testing::Values(
    OpRow{"5!", "DEG", 0, 5, {kF, K::kMultiply}, 119.99999999999974, 0},
    OpRow{"0!", "DEG", 0, 0, {kF, K::kMultiply}, 0.9999999999999999, 0},
    OpRow{"0.5!", "RAD", 0, 0.5, {kF, K::kMultiply}, 0.8862269254527537, 0},
    OpRow{"69!", "DEG", 0, 69, {kF, K::kMultiply}, 1.711224524e98, 1e89},
    OpRow{"->RAD 180", "DEG", 0, 180, {kF, K::kMinus}, 3.1415926535000005, 0},
    OpRow{"->RAD 180", "RAD", 0, 180, {kF, K::kMinus}, 3.1415926535000005, 0},
    OpRow{"->RAD 180", "GRD", 0, 180, {kF, K::kMinus}, 3.1415926535000005, 0},
    OpRow{"->DEG 1", "DEG", 0, 1, {kF, K::kThree}, 57.29577951471995, 0},
    OpRow{"->DEG 1", "RAD", 0, 1, {kF, K::kThree}, 57.29577951471995, 0},
    OpRow{"->DEG 1", "GRD", 0, 1, {kF, K::kThree}, 57.29577951471995, 0}));

INSTANTIATE_TEST_SUITE_P(Trigonometry, OperationTest, ::testing::Values(
    OpRow{"SIN 180", "DEG", 0, 180, {K::kSin}, 8.9793e-11, 1e-14},
    OpRow{"SIN 100", "GRD", 0, 100, {K::kSin}, std::sin(1.57079632675), 1e-16},
    OpRow{"SIN 1", "RAD", 0, 1, {K::kSin}, std::sin(1.0), 0},
    OpRow{"SIN 1, unknown unit word", "rad", 0, 1, {K::kSin}, std::sin(1.0), 0},
    OpRow{"COS 60", "DEG", 0, 60, {K::kCos}, 0.5, 1e-10},
    OpRow{"TAN 50", "GRD", 0, 50, {K::kTan}, 1, 1e-10},
    OpRow{"ASIN 1", "DEG", 0, 1, {kF, K::kSin}, 90.0000000026, 1e-10},
    OpRow{"ACOS 0", "GRD", 0, 0, {kF, K::kCos}, 100.0000000029, 1e-10},
    OpRow{"ATAN 1", "RAD", 0, 1, {kF, K::kTan}, std::atan(1.0), 0},
    OpRow{"HYP SIN 1", "DEG", 0, 1, {kF, K::kAbout, K::kSin}, std::sinh(1.0), 0},
    OpRow{"HYP SIN 1", "GRD", 0, 1, {kF, K::kAbout, K::kSin}, 1.1752011936, 1e-10},
    OpRow{"HYP COS 1", "DEG", 0, 1, {kF, K::kAbout, K::kCos}, std::cosh(1.0), 0},
    OpRow{"HYP TAN 1", "RAD", 0, 1, {kF, K::kAbout, K::kTan}, std::tanh(1.0), 0},
    OpRow{"ACOSH 1", "DEG", 0, 1, {kF, K::kAbout, kF, K::kCos}, 0, 0},
    OpRow{"ASINH -1e9", "DEG", 0, -1e9, {kF, K::kAbout, kF, K::kSin}, -std::log(2e9), 0}));

INSTANTIATE_TEST_SUITE_P(PowersAndArithmetic, OperationTest, ::testing::Values(
    OpRow{"e^x 1", "DEG", 0, 1, {K::kExp}, std::exp(1.0), 0},
    OpRow{"LN 100", "DEG", 0, 100, {kF, K::kExp}, std::log(100.0), 0},
    OpRow{"10^x 3", "DEG", 0, 3, {K::kAlog}, 1000, 0},
    OpRow{"LOG 100", "DEG", 0, 100, {kF, K::kAlog}, 2, 0},
    OpRow{"1/x 4", "DEG", 0, 4, {K::kInverse}, 0.25, 0},
    OpRow{"sqrt 2.25", "DEG", 0, 2.25, {K::kSqrt}, 1.5, 0},
    OpRow{"x^2 -3", "DEG", 0, -3, {kF, K::kSqrt}, 9, 0},
    OpRow{"2 ENTER 10 y^x", "DEG", 2, 10, {kF, K::kInverse}, 1024, 0},
    OpRow{"3 - 4", "DEG", 3, 4, {K::kMinus}, -1, 0},
    OpRow{"3 + 4", "DEG", 3, 4, {K::kPlus}, 7, 0},
    OpRow{"3 x 4", "DEG", 3, 4, {K::kMultiply}, 12, 0},
    OpRow{"3 / 4", "DEG", 3, 4, {K::kDivide}, 0.75, 0},
    OpRow{"200 15 %", "DEG", 200, 15, {kF, K::kDivide}, 30, 0}));

TEST(OperationsTest, StackEffects) {
    for (std::vector<std::uint32_t> keys : std::vector<std::vector<std::uint32_t>>{
             {K::kPlus}, {K::kMinus}, {K::kMultiply}, {K::kDivide}, {kF, K::kInverse}}) {
        SCOPED_TRACE(keys.back());
        TestDoc t;  // two operands: Y = Z, Z = T, T kept
        t.doc.m_dX = 4, t.doc.m_dY = 2, t.doc.m_dZ = 7, t.doc.m_dT = 8;
        for (std::uint32_t key : keys) t.Press(key);
        EXPECT_EQ(std::vector<double>({t.doc.m_dY, t.doc.m_dZ, t.doc.m_dT}), std::vector<double>({7, 8, 8}));
    }
    for (std::vector<std::uint32_t> keys : std::vector<std::vector<std::uint32_t>>{
             {K::kExp}, {K::kSqrt}, {kF, K::kMultiply}, {kF, K::kThree}, {kF, K::kDivide}}) {
        SCOPED_TRACE(keys.back());
        TestDoc t;  // one operand, and %: Y, Z and T kept
        t.doc.m_dX = 0.5, t.doc.m_dY = 2, t.doc.m_dZ = 7, t.doc.m_dT = 8;
        for (std::uint32_t key : keys) t.Press(key);
        EXPECT_EQ(std::vector<double>({t.doc.m_dY, t.doc.m_dZ, t.doc.m_dT}), std::vector<double>({2, 7, 8}));
    }
    TestDoc t;  // typed operands are committed first
    t.Type("3");
    t.Press(K::kEnter);
    t.Type("4");
    t.Press(K::kMinus);
    EXPECT_EQ(Stack(t.doc), std::vector<double>({-1, 0, 0, 0}));
}

TEST(OperationsTest, InverseHyperbolicFunctions) {
    TestDoc t;
    const auto& d = t.doc;
    // For x >= 0 the logarithm steps are kept as they are, cancellation included:
    // for tiny x the result is log(1 + x), not x.
    EXPECT_EQ(d.ArcSinh(1e-10), std::log(1.0 + 1e-10));
    EXPECT_NE(d.ArcSinh(1e-10), 1e-10);
    EXPECT_EQ(d.ArcSinh(1e9), std::log(2e9));
    EXPECT_EQ(d.ArcSinh(0), 0.0);
    // Negative arguments are computed on |x|, so large ones stay finite.
    for (double x : {1e-10, 0.5, 1.0, 3.0, 1e9, 1e150}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(d.ArcSinh(-x), -d.ArcSinh(x));
        EXPECT_TRUE(std::isfinite(d.ArcSinh(-x)));
    }
    EXPECT_EQ(d.ArcTanh(0.5), 0.5493061443340549);
    EXPECT_EQ(d.ArcTanh(-0.5), -0.5493061443340549);
    EXPECT_EQ(d.ArcTanh(1), std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(d.ArcTanh(2)));
    EXPECT_NEAR(d.ArcCosh(2), 1.3169578969248166, 1e-15);
    EXPECT_TRUE(std::isnan(d.ArcCosh(0.5)));
    EXPECT_TRUE(std::isinf(d.Factorial(-1)));
    EXPECT_GT(d.Factorial(70), 9.999999999e99);
}

TEST(OperationsTest, InvalidResultsBecomeErrors) {
    const struct {
        const char* name;
        double y, x;
        std::vector<std::uint32_t> keys;
        const char* display;
    } rows[] = {
        {"1/x 0", 0, 0, {K::kInverse}, "ERROR: Inf"},         {"-1 x!", 0, -1, {kF, K::kMultiply}, "ERROR: Inf"},
        {"-2 x!", 0, -2, {kF, K::kMultiply}, "ERROR: Inf"},   {"-7 x!", 0, -7, {kF, K::kMultiply}, "ERROR: NaN"},
        {"70 x!", 0, 70, {kF, K::kMultiply}, "ERROR: OVR"},   {"LN 0", 0, 0, {kF, K::kExp}, "ERROR: Inf"},
        {"LOG -1", 0, -1, {kF, K::kAlog}, "ERROR: NaN"},      {"sqrt -1", 0, -1, {K::kSqrt}, "ERROR: NaN"},
        {"ASIN 2", 0, 2, {kF, K::kSin}, "ERROR: NaN"},        {"e^x 231", 0, 231, {K::kExp}, "ERROR: OVR"},
        {"e^x 710", 0, 710, {K::kExp}, "ERROR: Inf"},         {"0 y^x -1", 0, -1, {kF, K::kInverse}, "ERROR: Inf"},
        {"-8 y^x 1/3", -8, 1.0 / 3, {kF, K::kInverse}, "ERROR: NaN"},
        {"ACOSH 0.5", 0, 0.5, {kF, K::kAbout, kF, K::kCos}, "ERROR: NaN"},
        {"ATANH 1", 0, 1, {kF, K::kAbout, kF, K::kTan}, "ERROR: Inf"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TestDoc t;
        t.doc.m_dY = row.y, t.doc.m_dX = row.x;
        for (std::uint32_t key : row.keys) t.Press(key);
        EXPECT_EQ(t.doc.m_strDisplay, row.display);
        EXPECT_FALSE(t.doc.m_bLift);
        EXPECT_TRUE(std::isfinite(t.doc.m_dX));
    }
}

TEST(OperationsTest, RectangularToPolarAndBack) {
    const double deg = 180 / 3.1415926535;  // the calculator's own radian-to-degree factor
    const struct {
        const char* angle;
        double x, y, radius, angleValue, angleTolerance;  // X horizontal, Y vertical
    } rows[] = {
        {"DEG", 4, 3, 5, 36.869897647, 5e-10},
        {"DEG", -3, 4, 5, std::atan2(4.0, -3.0) * deg, 1e-12},  // about 126.87, not -53.13
        {"DEG", -3, -4, 5, std::atan2(-4.0, -3.0) * deg, 1e-12},
        {"DEG", 0, 5, 5, 90.0000000026, 1e-10},
        {"DEG", 0, -5, 5, -90.0000000026, 1e-10},
        {"RAD", 1, 1, std::sqrt(2.0), 0.7853981633974483, 0},
        {"GRD", 1, 1, std::sqrt(2.0), 50.0000000014, 1e-10},
        {"GRD", -2, 0, 2, 200.0000000057, 1e-9},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.angle << " (" << row.x << ", " << row.y << ")");
        TestDoc t;
        t.doc.m_strAngle = row.angle;
        t.doc.m_dX = row.x, t.doc.m_dY = row.y, t.doc.m_dZ = 6, t.doc.m_dT = 7;
        t.doc.m_bLift = false;
        t.Press({kF, K::kOne});
        EXPECT_EQ(t.doc.m_dX, row.radius);
        EXPECT_NEAR(t.doc.m_dY, row.angleValue, row.angleTolerance);
        EXPECT_EQ(t.doc.m_dZ + t.doc.m_dT, 13.0);
        EXPECT_TRUE(t.doc.m_bLift);
        t.doc.m_bLift = false;
        t.Press({kF, K::kTwo});
        EXPECT_NEAR(t.doc.m_dX, row.x, 1e-14);
        EXPECT_NEAR(t.doc.m_dY, row.y, 1e-14);
        EXPECT_TRUE(t.doc.m_bLift);
    }
    TestDoc t;  // the short pi constant makes the angle slightly larger than the exact 36.8698976458
    t.doc.m_dX = 4, t.doc.m_dY = 3;
    t.Press({kF, K::kOne});
    EXPECT_GT(t.doc.m_dY, 36.8698976460);

    for (double x : {0.0, -0.0}) {
        for (double y : {0.0, -0.0}) {
            SCOPED_TRACE(::testing::Message() << "origin " << x << ", " << y);
            TestDoc o;  // the origin has angle 0, never NaN or 180
            o.doc.m_dX = x, o.doc.m_dY = y;
            o.Press({kF, K::kOne});
            EXPECT_EQ(Stack(o.doc), std::vector<double>({0, 0, 0, 0}));
        }
    }

    TestDoc e;  // ->R commits a typed radius first
    e.doc.m_dX = 30;
    e.Press(K::kEnter);
    e.Type("2");
    e.Press({kF, K::kTwo});
    EXPECT_NEAR(e.doc.m_dX, std::sqrt(3.0), 1e-9);
    EXPECT_NEAR(e.doc.m_dY, 1, 1e-9);
}

}  // namespace
