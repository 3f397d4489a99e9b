// Solve and ∫: the methods chosen against those not chosen, on the same
// problems (C++ functions, so that only the methods are measured): each
// reports its evaluations and its worst error against the exact answer.
// And the whole path once, through programs in the calculator session.
#include <benchmark/benchmark.h>

#include <boost/math/tools/roots.hpp>
#include <cmath>
#include <functional>
#include <vector>

#include "document/calculator_session.h"
#include "document/program.h"
#include "engine/quadrature.h"
#include "engine/root_search.h"

namespace {

using namespace tabrix;

struct RootProblem {
    std::function<double(double)> f;
    double a, b, root;
};

// Bracketing guesses, so that the two methods start alike.
const std::vector<RootProblem>& Roots() {
    static const std::vector<RootProblem> problems = {
        {[](double x) { return std::pow(x, 137) + 3 * std::pow(x, 56) + 8 * x * x + 5 * x - 2002; }, 0, 2,
         1.0567413181191763},
        {[](double x) { return std::cos(x) - x; }, 0, 1, 0.7390851332151607},
        {[](double x) { return x * x * x - 2 * x - 5; }, 2, 3, 2.0945514815423265},
        {[](double x) { return x * x - 2; }, 1, 2, 1.4142135623730951},
        {[](double x) { return std::log(x) - 1; }, 1, 5, 2.718281828459045},
        {[](double x) { return x * std::exp(x) - 1; }, 0, 1, 0.5671432904097838},
        {[](double x) { return x - 0.9 * std::sin(x) - 0.5; }, 0, 2, 1.3844127202021626},
        {[](double x) { return std::tanh(1e4 * (x - 0.3)); }, 0, 1, 0.3},
        {[](double x) { return std::exp(x) - 10; }, 0, 5, 2.302585092994046},
        {[](double x) { return (x - 2) * (x - 2) * (x - 2); }, 0, 5, 2},
    };
    return problems;
}

struct IntegralProblem {
    std::function<double(double)> f;
    double a, b, value;
};

const std::vector<IntegralProblem>& Integrals() {
    static const std::vector<IntegralProblem> problems = {
        {[](double x) { return std::sqrt(x) * std::log(x); }, 0, 1, -4.0 / 9},
        {[](double x) { return 1 / std::sqrt(x); }, 0, 1, 2},
        {[](double x) { return 1 / (1 + 25 * x * x); }, -1, 1, 0.5493603067780064},
        {[](double x) { return std::sin(x); }, 0, 100, 0.13768112771231607},
        {[](double x) { return std::cos(10 * x) * std::cos(10 * x); }, 0, 2 * 3.141592653589793, 3.141592653589793},
        {[](double x) { return std::fabs(x - 1.0 / 3); }, 0, 1, 0.2777777777777778},
        {[](double x) { return std::exp(x); }, 0, 1, 1.718281828459045},
        {[](double x) { return std::log(x); }, 0, 1, -1},
        {[](double x) { return std::sqrt(1 - x * x); }, -1, 1, 1.5707963267948966},
        {[](double x) { return std::log(std::sin(x)); }, 0, 3.141592653589793 / 2, -1.088793045151801},
        {[](double x) { return std::exp(-x) * std::sin(x); }, 0, 10, 0.5000313961543547},
        {[](double x) { return std::pow(x, -0.9); }, 0, 1, 10},
    };
    return problems;
}

template <typename Method>
void RunRoots(benchmark::State& state, Method method) {
    double evaluations = 0, worst = 0;
    for (auto _ : state) {
        evaluations = 0;
        worst = 0;
        for (const RootProblem& p : Roots()) {
            const RealFunction f = [&](double x) {
                ++evaluations;
                return p.f(x);
            };
            const double x = method(f, p.a, p.b);
            worst = std::max(worst, std::fabs(x - p.root) / std::fabs(p.root));
        }
    }
    state.counters["evaluations"] = evaluations;
    state.counters["worst_relative_error"] = worst;
}

void BM_RootsToms748(benchmark::State& state) {
    RunRoots(state, [](const RealFunction& f, double a, double b) { return FindRoot(f, a, b).x; });
}
void BM_RootsBisection(benchmark::State& state) {
    RunRoots(state, [](const RealFunction& f, double a, double b) {
        const auto adjacent = [](double lo, double hi) { return lo == hi || std::nextafter(lo, hi) == hi; };
        const auto bracket = boost::math::tools::bisect(f, a, b, adjacent);
        return std::fabs(f(bracket.first)) <= std::fabs(f(bracket.second)) ? bracket.first : bracket.second;
    });
}
BENCHMARK(BM_RootsToms748)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RootsBisection)->Unit(benchmark::kMicrosecond);

template <typename Method>
void RunIntegrals(benchmark::State& state, Method method) {
    double evaluations = 0, worst = 0, missed = 0;
    for (auto _ : state) {
        evaluations = worst = missed = 0;
        for (const IntegralProblem& p : Integrals()) {
            const RealFunction f = [&](double x) {
                ++evaluations;
                return p.f(x);
            };
            const Quadrature q = method(f, p.a, p.b);
            const double error = std::fabs(q.value - p.value) / std::fabs(p.value);
            // The worst where the method says it met the aim.
            if (q.Met()) worst = std::max(worst, error);
            if (!q.Met()) ++missed;
        }
    }
    state.counters["evaluations"] = evaluations;
    state.counters["worst_relative_error_when_met"] = worst;
    state.counters["aim_missed"] = missed;
}

void BM_IntegralsTanhSinhThenGaussKronrod(benchmark::State& state) { RunIntegrals(state, Integrate); }
void BM_IntegralsTanhSinhAlone(benchmark::State& state) { RunIntegrals(state, IntegrateTanhSinh); }
void BM_IntegralsGaussKronrodAlone(benchmark::State& state) { RunIntegrals(state, IntegrateGaussKronrod); }
BENCHMARK(BM_IntegralsTanhSinhThenGaussKronrod)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IntegralsTanhSinhAlone)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IntegralsGaussKronrodAlone)->Unit(benchmark::kMicrosecond);

// The whole path: a solve and an integral of programs, undo step and tape
// line included.
void RunSession(benchmark::State& state, Action::Kind kind, const char* body, double a, double b) {
    CalculatorSession session;
    std::vector<ProgramProblem> problems;
    session.DefineProgram(CompileProgram(Definition{"f", body, 1, 1}, [](std::string_view) { return true; }, problems));
    session.Doc().m_strAngle = "RAD";
    std::uint64_t evaluations = 0;
    session.SetEvaluationObserver([&](const Program&, double, double) { ++evaluations; });
    for (auto _ : state) {
        evaluations = 0;
        session.Doc().m_dY = a;
        session.Doc().m_dX = b;
        benchmark::DoNotOptimize(session.Perform(Action::WithText(kind, "f")));
    }
    state.counters["evaluations"] = static_cast<double>(evaluations);
}
void BM_SessionSolvePoly137(benchmark::State& state) {
    RunSession(state, Action::Kind::Solve, "137 POW SWAP 56 POW 3 * + SWAP SQ 8 * + SWAP 5 * + 2002 -", 0, 2);
}
void BM_SessionIntegrateRunge(benchmark::State& state) {
    RunSession(state, Action::Kind::Integrate, "SQ 25 * 1 + INV", -1, 1);
}
BENCHMARK(BM_SessionSolvePoly137)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SessionIntegrateRunge)->Unit(benchmark::kMicrosecond);

}  // namespace
