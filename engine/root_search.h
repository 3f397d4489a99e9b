// The root finder of solve:NAME. It knows nothing of programs: f is any
// function of one double, which may give no value (an error in the
// program, or a search told to stop). Two guesses bracket a root or only
// start the search: without a sign change between them it follows the
// secant and widens outward until f changes sign, then converges with
// TOMS 748 until the bracket holds no double between its ends. The result
// is the double where f changes sign or is 0, whatever the display shows.
#pragma once

#include <cstdint>
#include <functional>

namespace tabrix {

// f(x): a NaN where f gives no value, an infinity where f is infinite.
using RealFunction = std::function<double(double x)>;

struct RootSearch {
    enum class End : std::uint8_t {
        Root,          // f is 0 at `x`, or changes sign between `x` and `other`
        NoSignChange,  // f kept its sign: |f| was smallest at `x`
        Jump,          // f changes sign at `x` but does not get small there: a pole or a step
        NoValue,       // f gave no value at `x`
    };
    End end = End::Root;
    double x = 0;      // the root, or the best x found
    double other = 0;  // the previous estimate: the bracket's other end, or the x before `x`
    double fx = 0;     // f(x)
    double at = 0;     // where f jumps, or gave no value (x is then the best x found before)
};

// The most evaluations the search for a sign change makes before it gives up.
inline constexpr int kMostBracketEvaluations = 600;
// The most TOMS 748 iterations once f changes sign (each one or two evaluations).
inline constexpr std::uintmax_t kMostConvergeIterations = 1200;

RootSearch FindRoot(const RealFunction& f, double guessA, double guessB);

}  // namespace tabrix
