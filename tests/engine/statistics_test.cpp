// The statistics against exact rational arithmetic: every result of awkward
// data sets (NIST's NumAcc1-4, large offsets with small spreads, mixed
// signs, points on a line) within 1e-12 of the exact answer for the doubles
// given, and the exact sums against rational sums over the whole range of
// doubles.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <boost/multiprecision/cpp_bin_float.hpp>
#include <boost/multiprecision/cpp_int.hpp>

#include "engine/exact_sum.h"
#include "engine/statistics.h"

namespace {

namespace mp = boost::multiprecision;
using tabrix::ExactSum;
using tabrix::Statistics;
using tabrix::StatisticsError;
using Rational = mp::cpp_rational;
using Wide = mp::cpp_bin_float_100;

Rational RationalOf(double v) {
    int exponent = 0;
    const double fraction = std::frexp(v, &exponent);
    Rational r(static_cast<long long>(std::ldexp(fraction, 53)));
    const int shift = exponent - 53;
    const Rational power = Rational(mp::cpp_int(1) << std::abs(shift));
    return shift >= 0 ? Rational(r * power) : Rational(r / power);
}

Rational RationalOf(const ExactSum& sum) {
    const ExactSum::Canonical value = sum.Value();
    mp::cpp_int whole = 0;
    for (std::size_t i = value.digits.size(); i-- > 0;) whole = (whole << 32) + value.digits[i];
    const int shift = 32 * value.low - ExactSum::kUnitBits;
    Rational r(whole);
    if (shift >= 0) {
        r *= Rational(mp::cpp_int(1) << shift);
    } else {
        r /= Rational(mp::cpp_int(1) << -shift);
    }
    return value.negative ? Rational(-r) : r;
}

double Nearest(const Rational& r) { return Wide(r).convert_to<double>(); }
double Root(const Rational& r) { return mp::sqrt(Wide(r)).convert_to<double>(); }

struct Point {
    double x, y;
};

// The exact results of a data set, from the definitions (deviations from
// the exact means), rounded once at the end.
struct Reference {
    explicit Reference(const std::vector<Point>& points) {
        const Rational n(static_cast<long long>(points.size()));
        Rational sx, sy, sxy;
        for (const Point& p : points) {
            sx += RationalOf(p.x);
            sy += RationalOf(p.y);
            sxy += RationalOf(p.x) * RationalOf(p.y);
        }
        mx = sx / n;
        my = sy / n;
        for (const Point& p : points) {
            const Rational dx = RationalOf(p.x) - mx;
            const Rational dy = RationalOf(p.y) - my;
            vxx += dx * dx;
            vyy += dy * dy;
            vxy += dx * dy;
        }
        count = n;
        weighted = sy == 0 ? Rational(0) : sxy / sy;
    }
    Rational count, mx, my, vxx, vyy, vxy, weighted;
    Rational Slope() const { return vxy / vxx; }
    Rational Intercept() const { return my - Slope() * mx; }
    double R() const { return (Wide(vxy) / mp::sqrt(Wide(vxx) * Wide(vyy))).convert_to<double>(); }
};

void ExpectClose(double actual, double expected, const std::string& what) {
    const double tolerance = 1e-12 * std::fabs(expected);
    EXPECT_NEAR(actual, expected, tolerance) << what;
}

Statistics Of(const std::vector<Point>& points) {
    Statistics s;
    for (const Point& p : points) EXPECT_EQ(s.Add(p.x, p.y, 1), StatisticsError::None);
    return s;
}

// NIST StRD NumAcc1-4: a first value, then two others alternately.
std::vector<Point> NumAcc(double first, double low, double high, int pairs) {
    std::vector<Point> points{{first, 0}};
    for (int i = 0; i < pairs; ++i) {
        points.push_back({low, 0});
        points.push_back({high, 0});
    }
    return points;
}

std::vector<Point> Scattered(double offsetX, double spreadX, double offsetY, double spreadY, int n, unsigned seed) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> unit(-1, 1);
    std::vector<Point> points;
    for (int i = 0; i < n; ++i) {
        const double u = unit(random);
        points.push_back({offsetX + spreadX * u, offsetY + spreadY * (0.5 * u + 0.5 * unit(random))});
    }
    return points;
}

struct DataSet {
    const char* name;
    std::function<std::vector<Point>()> points;
};

const DataSet kDataSets[] = {
    {"NumAcc1", [] { return NumAcc(10000001, 10000003, 10000002, 1); }},
    {"NumAcc2", [] { return NumAcc(1.2, 1.1, 1.3, 500); }},
    {"NumAcc3", [] { return NumAcc(1000000.2, 1000000.1, 1000000.3, 500); }},
    {"NumAcc4", [] { return NumAcc(10000000.2, 10000000.1, 10000000.3, 500); }},
    {"offset 1e9, spread 1e-3", [] { return Scattered(1e9, 1e-3, -1e9, 1e-3, 400, 1); }},
    {"offset 1e15, spread 10", [] { return Scattered(1e15, 10, 3e14, 7, 300, 2); }},
    {"offset 1e6, spread 1e-6", [] { return Scattered(1e6, 1e-6, 2, 1e-6, 300, 3); }},
    {"mixed signs and sizes", [] { return Scattered(0, 1e5, -3, 1e-2, 500, 4); }},
    {"tiny numbers", [] { return Scattered(1e-300, 1e-301, -1e-200, 1e-201, 200, 5); }},
    {"huge numbers", [] { return Scattered(1e150, 1e149, -1e140, 1e139, 200, 6); }},
};

class StatisticsDataTest : public testing::TestWithParam<DataSet> {};

TEST_P(StatisticsDataTest, EveryResultIsTheExactOneRoundedOnce) {
    const std::vector<Point> points = GetParam().points();
    const Reference ref(points);
    const Statistics s = Of(points);
    ASSERT_EQ(s.Count(), static_cast<std::int64_t>(points.size()));

    const auto mean = s.Mean();
    ASSERT_TRUE(mean.Ok());
    ExpectClose(mean.values[0], Nearest(ref.mx), "x mean");
    ExpectClose(mean.values[1], Nearest(ref.my), "y mean");
    const auto sample = s.SampleDeviation();
    ASSERT_TRUE(sample.Ok());
    ExpectClose(sample.values[0], Root(ref.vxx / (ref.count - 1)), "sx");
    ExpectClose(sample.values[1], Root(ref.vyy / (ref.count - 1)), "sy");
    const auto population = s.PopulationDeviation();
    ExpectClose(population.values[0], Root(ref.vxx / ref.count), "population x");
    ExpectClose(population.values[1], Root(ref.vyy / ref.count), "population y");
    if (ref.vyy == 0) return;  // the NumAcc sets have no y
    const auto line = s.Regression();
    ASSERT_TRUE(line.Ok());
    ExpectClose(line.values[0], Nearest(ref.Intercept()), "a");
    ExpectClose(line.values[1], Nearest(ref.Slope()), "b");
    ExpectClose(s.Correlation().values[0], ref.R(), "r");
    ExpectClose(s.WeightedMean().values[0], Nearest(ref.weighted), "weighted mean");
    const double x = points[points.size() / 2].x;
    const auto estimate = s.EstimateY(x);
    ExpectClose(estimate.values[0], Nearest(ref.Intercept() + ref.Slope() * RationalOf(x)), "y estimate");
    ExpectClose(estimate.values[1], ref.R(), "r with the estimate");
    const double y = points[1].y;
    ExpectClose(s.EstimateX(y).values[0], Nearest((RationalOf(y) - ref.Intercept()) / ref.Slope()), "x estimate");
}

INSTANTIATE_TEST_SUITE_P(Sets, StatisticsDataTest, testing::ValuesIn(kDataSets),
                         [](const testing::TestParamInfo<DataSet>& info) {
                             std::string name;
                             for (const char c : std::string(info.param.name)) name += std::isalnum(c) ? c : '_';
                             return name;
                         });

// NIST's certified values: the inputs are not exact in binary, so NumAcc4
// keeps 8 digits of its certified s, the others more.
TEST(StatisticsTest, NistCertifiedValues) {
    const struct {
        std::vector<Point> points;
        double mean, s, digits;
    } rows[] = {
        {NumAcc(10000001, 10000003, 10000002, 1), 10000002, 1, 1e-15},
        {NumAcc(1.2, 1.1, 1.3, 500), 1.2, 0.1, 1e-13},
        {NumAcc(1000000.2, 1000000.1, 1000000.3, 500), 1000000.2, 0.1, 1e-9},
        {NumAcc(10000000.2, 10000000.1, 10000000.3, 500), 10000000.2, 0.1, 1e-8},
    };
    for (const auto& row : rows) {
        const Statistics s = Of(row.points);
        EXPECT_NEAR(s.Mean().values[0], row.mean, row.mean * 1e-15);
        EXPECT_NEAR(s.SampleDeviation().values[0], row.s, row.s * row.digits);
    }
}

TEST(StatisticsTest, PointsOnALineGiveItExactly) {
    Statistics s;
    for (const double x : {-3.0, 0.5, 2.0, 1e3, 7.25}) s.Add(x, 3 - 2 * x, 1);
    const auto line = s.Regression();
    EXPECT_EQ(line.values[0], 3);
    EXPECT_EQ(line.values[1], -2);
    EXPECT_EQ(s.Correlation().values[0], -1);
    EXPECT_EQ(s.EstimateY(10).values[0], -17);
    EXPECT_EQ(s.EstimateX(-17).values[0], 10);
}

TEST(StatisticsTest, RemovingEveryPointLeavesNoStatistics) {
    const std::vector<Point> points = Scattered(1e9, 1e-3, 5, 2, 200, 7);
    Statistics s = Of(points);
    const Statistics half = [&] {
        Statistics h;
        for (std::size_t i = 0; i < points.size() / 2; ++i) h.Add(points[i].x, points[i].y, 1);
        return h;
    }();
    // Backwards from the end: at the half-way point the sums are the half's exactly.
    for (std::size_t i = points.size(); i-- > 0;) {
        if (i + 1 == points.size() / 2) {
            EXPECT_EQ(s, half);
        }
        EXPECT_EQ(s.Add(points[i].x, points[i].y, -1), StatisticsError::None);
    }
    EXPECT_TRUE(s.Empty());
    EXPECT_EQ(s, Statistics());
    EXPECT_EQ(s.Add(1, 2, -1), StatisticsError::NothingToRemove);
}

TEST(StatisticsTest, CopiesKeepTheirOwnSums) {
    Statistics a;
    a.Add(1, 2, 1);
    Statistics b = a;
    b.Add(3, 4, 1);
    EXPECT_EQ(a.Count(), 1);
    EXPECT_EQ(b.Count(), 2);
    EXPECT_FALSE(a == b);
}

TEST(StatisticsTest, EachEdgeCaseSaysWhy) {
    using E = StatisticsError;
    const auto with = [](std::vector<Point> points) { return Of(points); };
    const Statistics none;
    const Statistics one = with({{4, 5}});
    const Statistics sameX = with({{2, 1}, {2, 5}, {2, 9}});
    const Statistics sameY = with({{1, 3}, {2, 3}, {5, 3}});
    const Statistics weightless = with({{1, 2}, {3, -2}});
    const Statistics removedStranger = [] {
        Statistics s = Of({{1, 1}, {2, 2}, {3, 3}});
        s.Add(100, -50, -1);
        return s;
    }();
    const struct {
        const char* what;
        StatisticsError got, expected;
    } rows[] = {
        {"mean, no points", none.Mean().error, E::NoPoints},
        {"sdev, no points", none.SampleDeviation().error, E::NoPoints},
        {"sdev, one point", one.SampleDeviation().error, E::OnePoint},
        {"pdev, one point", one.PopulationDeviation().error, E::None},
        {"lr, one point", one.Regression().error, E::OnePoint},
        {"lr, every x equal", sameX.Regression().error, E::EveryXEqual},
        {"r, every x equal", sameX.Correlation().error, E::EveryXEqual},
        {"yhat, every x equal", sameX.EstimateY(1).error, E::EveryXEqual},
        {"lr, every y equal", sameY.Regression().error, E::None},
        {"r, every y equal", sameY.Correlation().error, E::EveryYEqual},
        {"xhat, every y equal", sameY.EstimateX(3).error, E::FlatLine},
        {"wmean, weights add to 0", weightless.WeightedMean().error, E::ZeroWeight},
        {"sdev, a point removed never added", removedStranger.SampleDeviation().error, E::Inconsistent},
        {"sums, no points", none.Sums().error, E::None},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.got, row.expected) << row.what;
    }
    EXPECT_EQ(sameY.Regression().values[1], 0);  // a slope of 0 is an answer
    Statistics s;
    EXPECT_EQ(s.Add(std::nan(""), 1, 1), E::NotFinite);
    EXPECT_TRUE(s.Empty());
    EXPECT_EQ(with({{1e300, 1}, {-1e300, 1}, {1e300, 2}}).Sums().error, E::OutOfRange);  // Σx² is beyond doubles
}

TEST(StatisticsTest, BytesComeBackExactlyAndDamageIsRefused) {
    const Statistics s = Of(Scattered(-1e200, 1e190, 1e-300, 1e-301, 50, 8));
    const auto bytes = s.Bytes();
    const auto back = Statistics::FromBytes(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, s);
    EXPECT_EQ(Statistics::FromHex(s.Hex()), s);
    EXPECT_TRUE(Statistics().Bytes().empty());
    for (std::size_t cut = 1; cut < bytes.size(); cut += 7) {
        EXPECT_FALSE(Statistics::FromBytes(std::span(bytes).first(cut))) << "cut at " << cut;
    }
    auto longer = bytes;
    longer.push_back(0);
    EXPECT_FALSE(Statistics::FromBytes(longer));
}

// Sums and products of doubles from the subnormals to the largest, with
// every sign, against rational sums.
TEST(ExactSumTest, SumsAndProductsAreExact) {
    std::mt19937_64 random(11);
    std::uniform_int_distribution<int> exponent(-1074, 1000);
    std::uniform_real_distribution<double> fraction(0.5, 1);
    for (int trial = 0; trial < 20; ++trial) {
        ExactSum sum, products;
        Rational expectedSum, expectedProducts;
        for (int i = 0; i < 60; ++i) {
            const double a = std::ldexp(fraction(random), exponent(random) / (i % 3 + 1)) * (i % 2 ? -1 : 1);
            const double b = std::ldexp(fraction(random), exponent(random) / 2) * (i % 5 ? 1 : -1);
            const int sign = i % 7 == 0 ? -1 : 1;
            sum.Add(a, sign);
            products.AddProduct(a, b, sign);
            expectedSum += sign * RationalOf(a);
            expectedProducts += sign * RationalOf(a) * RationalOf(b);
        }
        EXPECT_EQ(RationalOf(sum), expectedSum) << "trial " << trial;
        EXPECT_EQ(RationalOf(products), expectedProducts) << "trial " << trial;
    }
    ExactSum smallest;
    smallest.AddProduct(std::ldexp(1.0, -1074), -std::ldexp(1.0, -1074), 1);
    EXPECT_EQ(RationalOf(smallest), -RationalOf(std::ldexp(1.0, -1074)) * RationalOf(std::ldexp(1.0, -1074)));
}

}  // namespace
