#include "engine/quadrature.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

// The library asserts that no point of tanh-sinh falls on a limit, which
// rounding makes it do (1.5 + 616 × 4e-19 is 1.5); such a point is left out
// here instead (see Integrand), in every build.
#define BOOST_DISABLE_ASSERTS
#include <boost/math/policies/policy.hpp>
#include <boost/math/quadrature/gauss_kronrod.hpp>
#include <boost/math/quadrature/tanh_sinh.hpp>

#include "engine/math_constants.h"

namespace tabrix {

namespace {

// The library's errors come back as values, never as exceptions: the web
// page's build has none.
using namespace boost::math::policies;
using QuietPolicy = policy<domain_error<ignore_error>, pole_error<ignore_error>, overflow_error<ignore_error>,
                           underflow_error<ignore_error>, evaluation_error<ignore_error>, rounding_error<ignore_error>>;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// f for the library. A point the calculator cannot tell from a limit (the
// double next to 1.5 is 1.5 + 2.2e-16: tanh-sinh's points come closer) or
// from 0 (it holds a number nearer 0 than 1e-99 as 0) is left out rather
// than evaluated at the limit, where f may be singular. What the doubles
// cannot resolve there goes into the error estimate: ten times the
// distance times |f| at the point nearest each such limit that was
// evaluated, which bounds the integral there of any singularity up to
// x^-0.9. Once f gives no value,
// `failure` is what the library gets from then on: each method ends
// soonest on its own kind.
class Integrand {
public:
    Integrand(const RealFunction& f, double failure, double a, double b) : m_f(f), m_failure(failure) {
        m_ends[0].at = a;
        m_ends[1].at = b;
    }
    double operator()(double x) {
        if (m_failed) return m_failure;
        for (End& end : m_ends) {
            if (x == end.at) {
                end.leftOut = true;
                return 0;
            }
        }
        if (x != 0 && std::fabs(x) < kUnderflowLimit) {
            m_zero.leftOut = true;
            return 0;
        }
        const double value = m_f(x);
        if (!std::isfinite(value)) {
            m_failed = true;
            m_at = x;
            return m_failure;
        }
        for (End& end : m_ends) end.Nearer(x, value);
        m_zero.Nearer(x, value);
        return value;
    }
    bool Failed() const { return m_failed; }
    double At() const { return m_at; }
    // The estimate of what the points left out would have added.
    double LeftOut() const { return m_ends[0].Share() + m_ends[1].Share() + m_zero.Share(); }

private:
    struct End {
        double at = 0;
        bool leftOut = false;
        double distance = kInfinity;  // of the nearest point evaluated
        double value = 0;             // |f| there
        void Nearer(double x, double fx) {
            const double d = std::fabs(x - at);
            if (d > 0 && d < distance) {
                distance = d;
                value = std::fabs(fx);
            }
        }
        // Also where the points reached the last doubles before the limit:
        // f(1 + 2.2e-16) then stands for all the points closer still.
        double Share() const {
            const double ulp = std::nextafter(std::fabs(at), kInfinity) - std::fabs(at);
            const bool atTheEdge = leftOut || distance <= 4 * ulp;
            return atTheEdge && std::isfinite(distance) ? 10 * distance * value : 0;
        }
    };
    const RealFunction& m_f;
    double m_failure;
    bool m_failed = false;
    double m_at = 0;
    End m_ends[2];
    End m_zero;
};

double Limit(double limit) {
    if (!IsInfiniteLimit(limit)) return limit;
    return limit > 0 ? kInfinity : -kInfinity;
}

// Its tables grow as deeper levels are first needed, and stay.
boost::math::quadrature::tanh_sinh<double, QuietPolicy>& TanhSinh() {
    // Nine levels (some 7000 points) reach the aim for smooth integrands long
    // before; past them Gauss-Kronrod does better.
    static boost::math::quadrature::tanh_sinh<double, QuietPolicy> integrator(9);
    return integrator;
}

// The method's own estimate is the change between its last two tries; the
// rounding of its sum (a few units of the last place of ∫|f|) and the
// points left out come on top.
Quadrature Finish(const Integrand& f, double value, double error, double l1) {
    if (f.Failed()) return {Quadrature::End::NoValue, 0, 0, 0, f.At()};
    // A result that is no number (the integrand overflowed its sums) is no result.
    if (!std::isfinite(value)) return {Quadrature::End::NoValue, 0, 0, 0, 0};
    const double rounding = 8 * std::numeric_limits<double>::epsilon() * l1;
    const double estimate = std::isfinite(error) ? std::max(error, rounding) + f.LeftOut() : kInfinity;
    return {Quadrature::End::Done, value, estimate, l1};
}

// A range so narrow beside its distance from 0 that tanh-sinh's points near
// its ends would fall on them (the library insists they do not).
bool TooNarrowForTanhSinh(double a, double b) {
    if (IsInfiniteLimit(a) || IsInfiniteLimit(b)) return false;
    return std::fabs(b - a) < 1e-9 * std::max(std::fabs(a), std::fabs(b));
}

}  // namespace

bool IsInfiniteLimit(double limit) { return std::fabs(limit) >= kOverflowClamp; }

Quadrature IntegrateTanhSinh(const RealFunction& function, double a, double b) {
    if (a == b) return {};
    if (TooNarrowForTanhSinh(a, b)) return IntegrateGaussKronrod(function, a, b);
    // A NaN ends the library's loop at the end of the level it is in.
    Integrand f(function, std::numeric_limits<double>::quiet_NaN(), a, b);
    double error = 0, l1 = 0;
    const double value = TanhSinh().integrate([&f](double x) { return f(x); }, Limit(a), Limit(b), kQuadratureAim / 4,
                                              &error, &l1);
    return Finish(f, value, error, l1);
}

Quadrature IntegrateGaussKronrod(const RealFunction& function, double a, double b) {
    // A 0 gives its pieces no error, so that none of them is divided again.
    Integrand f(function, 0, a, b);
    if (IsInfiniteLimit(a) || IsInfiniteLimit(b)) {
        // The library maps an infinite range onto a finite one itself.
        double error = 0, l1 = 0;
        const double value = boost::math::quadrature::gauss_kronrod<double, 31, QuietPolicy>::integrate(
            [&f](double x) { return f(x); }, Limit(a), Limit(b), 10, kQuadratureAim / 4, &error, &l1);
        return Finish(f, value, error, l1);
    }
    // The piece with the largest error is halved, again and again, until
    // the errors together meet the aim or the evaluations are spent: the
    // effort goes where the trouble is (a kink, a peak), and a noisy f
    // costs a bounded number of evaluations.
    struct Piece {
        double a, b, value, error, l1;
        bool operator<(const Piece& other) const { return error < other.error; }
    };
    const auto rule = [&f](double from, double to) {
        Piece piece{from, to, 0, 0, 0};
        piece.value = boost::math::quadrature::gauss_kronrod<double, 31, QuietPolicy>::integrate(
            [&f](double x) { return f(x); }, from, to, 0, 0.0, &piece.error, &piece.l1);
        return piece;
    };
    std::vector<Piece> pieces{rule(a, b)};
    double value = 0, error = 0, l1 = 0;
    for (int evaluations = 31; !f.Failed(); evaluations += 62) {
        value = error = l1 = 0;
        for (const Piece& piece : pieces) {
            value += piece.value;
            error += piece.error;
            l1 += piece.l1;
        }
        if (error <= kQuadratureAim / 4 * l1 || evaluations + 62 > kMostGaussKronrodEvaluations) break;
        std::pop_heap(pieces.begin(), pieces.end());
        const Piece worst = pieces.back();
        const double middle = worst.a + (worst.b - worst.a) / 2;
        if (middle == worst.a || middle == worst.b) {
            std::push_heap(pieces.begin(), pieces.end());
            break;  // no double left between its ends
        }
        pieces.back() = rule(worst.a, middle);
        std::push_heap(pieces.begin(), pieces.end());
        pieces.push_back(rule(middle, worst.b));
        std::push_heap(pieces.begin(), pieces.end());
    }
    return Finish(f, value, error, l1);
}

Quadrature Integrate(const RealFunction& f, double a, double b) {
    if (a == b) return {};
    const Quadrature first = IntegrateTanhSinh(f, a, b);
    if (first.end != Quadrature::End::Done || first.Met()) return first;
    const Quadrature second = IntegrateGaussKronrod(f, a, b);
    if (second.end != Quadrature::End::Done) return first;
    return second.error < first.error ? second : first;
}

}  // namespace tabrix
