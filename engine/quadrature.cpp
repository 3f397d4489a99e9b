#include "engine/quadrature.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

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

// f for the library: the calculator holds a number nearer 0 than its
// smallest as 0, so such a point (next to a limit at 0) is left out. What
// that leaves out is put into the error estimate: ten times x f(x) at the
// point nearest 0 that was evaluated, which bounds ∫ from 0 to x of any
// singularity up to x^-0.9. Once f gives no value, `failure` is what the
// library gets from then on: each method ends soonest on its own kind.
class Integrand {
public:
    Integrand(const RealFunction& f, double failure) : m_f(f), m_failure(failure) {}
    double operator()(double x) {
        if (m_failed) return m_failure;
        if (x != 0 && std::fabs(x) < kUnderflowLimit) {
            m_leftOut = true;
            return 0;
        }
        const double value = m_f(x);
        if (!std::isfinite(value)) {
            m_failed = true;
            m_at = x;
            return m_failure;
        }
        if (x != 0 && std::fabs(x) < m_nearestZero) {
            m_nearestZero = std::fabs(x);
            m_valueNearestZero = std::fabs(value);
        }
        return value;
    }
    bool Failed() const { return m_failed; }
    double At() const { return m_at; }
    // The estimate of what the points left out would have added.
    double LeftOut() const { return m_leftOut ? 10 * m_nearestZero * m_valueNearestZero : 0; }

private:
    const RealFunction& m_f;
    double m_failure;
    bool m_failed = false;
    double m_at = 0;
    bool m_leftOut = false;
    double m_nearestZero = kInfinity;
    double m_valueNearestZero = 0;
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

}  // namespace

bool IsInfiniteLimit(double limit) { return std::fabs(limit) >= kOverflowClamp; }

Quadrature IntegrateTanhSinh(const RealFunction& function, double a, double b) {
    // A NaN ends the library's loop at the end of the level it is in.
    Integrand f(function, std::numeric_limits<double>::quiet_NaN());
    double error = 0, l1 = 0;
    const double value = TanhSinh().integrate([&f](double x) { return f(x); }, Limit(a), Limit(b), kQuadratureAim / 4,
                                              &error, &l1);
    return Finish(f, value, error, l1);
}

Quadrature IntegrateGaussKronrod(const RealFunction& function, double a, double b) {
    // A 0 gives its pieces no error, so that none of them is divided again.
    Integrand f(function, 0);
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
