// The integrator of integrate:NAME. It knows nothing of programs: f is any
// function of one double, which may give no value (an error in the
// program, or an integration told to stop). Double-exponential (tanh-sinh)
// quadrature first: it never evaluates the ends, so that singularities
// there do no harm, and its error estimate is the change between its last
// two levels. Where that estimate misses the aim, adaptive Gauss-Kronrod
// (31 points, the piece with the largest error halved first) tries too,
// and the better estimate is kept.
#pragma once

#include <cstdint>

#include "engine/root_search.h"

namespace tabrix {

// The relative error aimed at: |error| <= kQuadratureAim * ∫|f|.
inline constexpr double kQuadratureAim = 1e-12;
// The most evaluations adaptive Gauss-Kronrod makes (after tanh-sinh's
// nine levels, some 7000 at most).
inline constexpr int kMostGaussKronrodEvaluations = 20000;

struct Quadrature {
    enum class End : std::uint8_t {
        Done,     // `value` with its error estimate (see Met for whether it meets the aim)
        NoValue,  // f gave no value at `at`
    };
    End end = End::Done;
    double value = 0;
    double error = 0;  // the estimate of |value - ∫f|
    double l1 = 0;     // the estimate of ∫|f|
    double at = 0;     // where f gave no value
    bool Met() const { return error <= kQuadratureAim * l1 || error == 0; }
};

// A limit at or beyond the largest number the calculator holds (what an
// overflow leaves in X) stands for an infinite one.
bool IsInfiniteLimit(double limit);

// ∫ f from a to b (b < a gives the negative of ∫ from b to a).
Quadrature Integrate(const RealFunction& f, double a, double b);

// The two methods alone, for comparing them.
Quadrature IntegrateTanhSinh(const RealFunction& f, double a, double b);
Quadrature IntegrateGaussKronrod(const RealFunction& f, double a, double b);

}  // namespace tabrix
