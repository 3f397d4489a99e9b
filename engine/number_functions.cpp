// Combinations and permutations are products kept in double-double form
// (a pair of doubles whose sum carries about 106 bits), so that the one
// rounding at the end gives the nearest double. The hours conversions count
// whole microseconds (or ten-thousandths of a second) in integers, so that
// each ends with a single division.
#include "engine/number_functions.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tabrix {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A number as hi + lo, |lo| at most half a unit in the last place of hi.
struct DoubleDouble {
    double hi;
    double lo;
};

DoubleDouble QuickSum(double a, double b) {  // |a| >= |b|
    const double s = a + b;
    return {s, b - (s - a)};
}

DoubleDouble Times(DoubleDouble a, double b) {
    const double p = a.hi * b;
    if (std::isinf(p)) return {p, 0};  // beyond the doubles: the error term would be NaN
    const double e = std::fma(a.hi, b, -p) + a.lo * b;
    return QuickSum(p, e);
}

DoubleDouble DividedBy(DoubleDouble a, double b) {
    if (std::isinf(a.hi)) return {a.hi, 0};
    const double q = a.hi / b;
    // a - q * b, exactly for the high part.
    const double r = (a.hi - q * b) - std::fma(q, b, -(q * b)) + a.lo;
    return QuickSum(q, r / b);
}

bool IsWhole(double x) { return std::isfinite(x) && x >= 0 && std::trunc(x) == x; }

// p + e rounded to a whole number, halves up, where p + e is exact and e is
// at most half a unit in the last place of p (p below 2^52): e decides only
// where p lies exactly half way.
double RoundSum(double p, double e) {
    const double whole = std::floor(p);
    const double rest = p - whole;  // exact
    return rest > 0.5 || (rest == 0.5 && e >= 0) ? whole + 1 : whole;
}

// The fraction x * scale rounded to a whole number, exactly.
double ScaledWhole(double fraction, double scale) {
    const double p = fraction * scale;
    return RoundSum(p, std::fma(fraction, scale, -p));
}

// Splits |x| into whole units and a count of `parts` parts of a unit,
// rounded (a count of `parts` carries into the whole).
struct Split {
    double whole;
    double count;
};
Split SplitUnits(double magnitude, double parts) {
    Split split{std::floor(magnitude), 0};
    split.count = ScaledWhole(magnitude - split.whole, parts);
    if (split.count >= parts) {
        split.whole += 1;
        split.count = 0;
    }
    return split;
}

// whole + count / parts with one rounding where the numerator is an exact
// integer (below 2^53), two beyond.
double Compose(double whole, double count, double parts) {
    constexpr double kExactIntegers = 9007199254740992.0;  // 2^53
    if (whole * parts + count < kExactIntegers) return (whole * parts + count) / parts;
    return whole + count / parts;
}

}  // namespace

double Modulo(double y, double x) {
    if (x == 0 || std::isnan(x) || std::isnan(y) || std::isinf(y)) return kNaN;
    double r = std::fmod(y, x);  // exact, with y's sign
    if (r != 0 && (r < 0) != (x < 0)) r += x;
    return r == 0 ? std::copysign(0.0, x) : r;
}

double IntegerPart(double x) { return std::trunc(x); }

double FractionalPart(double x) {
    if (std::isinf(x)) return kNaN;
    return x - std::trunc(x);
}

double Combinations(double n, double k) {
    if (!IsWhole(n) || !IsWhole(k)) return kNaN;
    if (k > n) return 0;
    k = std::min(k, n - k);
    // C(n, k) is at least 2^k when k <= n / 2: beyond the doubles from k = 1025.
    if (k > 1024) return kInfinity;
    // C(n - k + i, i) for i = 1 ... k: whole numbers all, growing to the result.
    DoubleDouble c{1, 0};
    for (double i = 1; i <= k; ++i) {
        c = DividedBy(Times(c, n - k + i), i);
        if (std::isinf(c.hi)) return kInfinity;
    }
    return c.hi + c.lo;
}

double Permutations(double n, double k) {
    if (!IsWhole(n) || !IsWhole(k)) return kNaN;
    if (k > n) return 0;
    // n (n - 1) ... (n - k + 1) is at least k!, beyond the doubles from k = 171.
    if (k > 171) return kInfinity;
    DoubleDouble p{1, 0};
    for (double i = 0; i < k; ++i) {
        p = Times(p, n - i);
        if (std::isinf(p.hi)) return kInfinity;
    }
    return p.hi + p.lo;
}

namespace {

// A time's fraction counted in one writing's units, a minute being
// `fromMinute` of them and the whole `fromWhole`, written again in another's:
// the whole minutes and what is left of the last, to the microsecond.
double Regroup(double time, double fromWhole, double fromMinute, double toMinute, double toWhole) {
    if (!std::isfinite(time)) return time;
    const Split split = SplitUnits(std::fabs(time), fromWhole);
    const double minutes = std::floor(split.count / fromMinute);
    const double rest = split.count - minutes * fromMinute;
    return std::copysign(Compose(split.whole, minutes * toMinute + rest, toWhole), time);
}

// An hour in microseconds, and a minute; H.MMSSssssss has the minutes at
// 1e-2 and the microseconds at 1e-10.
constexpr double kMicrosPerHour = 3.6e9, kMicrosPerMinute = 6e7;
constexpr double kHmsPerHour = 1e10, kHmsPerMinute = 1e8;

}  // namespace

double HoursToHms(double hours) { return Regroup(hours, kMicrosPerHour, kMicrosPerMinute, kHmsPerMinute, kHmsPerHour); }

double HmsToHours(double hms) { return Regroup(hms, kHmsPerHour, kHmsPerMinute, kMicrosPerMinute, kMicrosPerHour); }

}  // namespace tabrix
