#include "engine/root_search.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include <boost/math/tools/minima.hpp>
#include <boost/math/tools/toms748_solve.hpp>

#include "engine/math_constants.h"

namespace tabrix {

namespace {

// Beyond this the calculator holds no number: the search stays inside.
constexpr double kFarthest = kOverflowLimit;
// How much farther each step outward looks, as a share of the span so far.
constexpr double kWiden = 1.6;

bool Opposite(double a, double b) { return (a < 0 && b > 0) || (a > 0 && b < 0); }

struct Point {
    double x;
    double fx;
};

// Every evaluation the search makes goes through here: it remembers them,
// and once f gives no value it gives 0 to the library's loops (which end at
// a 0 at once) and remembers where and what it gave.
class Evaluations {
public:
    explicit Evaluations(const RealFunction& f) : m_f(f) {}

    std::optional<double> operator()(double x) {
        if (m_failed) return std::nullopt;
        const double value = m_f(x);
        if (!std::isfinite(value)) {
            m_failed = true;
            m_failedAt = x;
            m_infinite = !std::isnan(value);
            return std::nullopt;
        }
        m_points.push_back({x, value});
        return value;
    }
    double ForLibrary(double x) { return (*this)(x).value_or(0.0); }

    bool Failed() const { return m_failed; }
    double FailedAt() const { return m_failedAt; }
    // f was infinite where it failed, not undefined.
    bool FailedInfinite() const { return m_infinite; }
    const std::vector<Point>& Points() const { return m_points; }
    // f at x as it was worked out (the last time, if more than once).
    double ValueAt(double x) const {
        for (auto point = m_points.rbegin(); point != m_points.rend(); ++point) {
            if (point->x == x) return point->fx;
        }
        return 0;
    }
    // The point with the smallest |f|, and the one before it in x or after.
    const Point& Best() const {
        return *std::min_element(m_points.begin(), m_points.end(),
                                 [](const Point& a, const Point& b) { return std::fabs(a.fx) < std::fabs(b.fx); });
    }
    // A point where f has the sign opposite to f(x), the nearest to x.
    std::optional<Point> NearestOpposite(const Point& to) const {
        std::optional<Point> nearest;
        for (const Point& point : m_points) {
            if (!Opposite(point.fx, to.fx)) continue;
            if (!nearest || std::fabs(point.x - to.x) < std::fabs(nearest->x - to.x)) nearest = point;
        }
        return nearest;
    }
    bool Seen(double x) const {
        return std::any_of(m_points.begin(), m_points.end(), [x](const Point& p) { return p.x == x; });
    }
    int Count() const { return static_cast<int>(m_points.size()); }

private:
    const RealFunction& m_f;
    std::vector<Point> m_points;
    bool m_failed = false;
    bool m_infinite = false;
    double m_failedAt = 0;
};

RootSearch NoValue(const Evaluations& f) {
    if (f.Points().empty()) return {RootSearch::End::NoValue, f.FailedAt(), f.FailedAt(), 0, f.FailedAt()};
    const Point best = f.Best();
    return {RootSearch::End::NoValue, best.x, best.x, best.fx, f.FailedAt()};
}

RootSearch Pole(double x) { return {RootSearch::End::Jump, x, x, 0, x}; }

RootSearch NoRoot(const Evaluations& f) {
    const Point best = f.Best();
    // The estimate before it: the nearest other point.
    double other = best.x;
    for (const Point& point : f.Points()) {
        if (point.x != best.x && (other == best.x || std::fabs(point.x - best.x) < std::fabs(other - best.x))) {
            other = point.x;
        }
    }
    return {RootSearch::End::NoSignChange, best.x, other, best.fx, best.x};
}

// Whether no double lies strictly between a and b.
bool Adjacent(double a, double b) { return a == b || std::nextafter(a, b) == b; }

// From a sign change between a and b to the two neighbouring doubles it lies
// between; the root is the one where |f| is smaller.
RootSearch Converge(Evaluations& f, Point a, Point b) {
    if (a.x > b.x) std::swap(a, b);
    const Point first[2] = {a, b};
    // Toward a root at 0 the doubles grow ever denser: 0 itself first.
    if (a.x < 0 && b.x > 0) {
        const std::optional<double> atZero = f(0.0);
        if (!atZero) {
            if (f.FailedInfinite()) return Pole(0.0);
            return NoValue(f);
        }
        if (*atZero == 0) return {RootSearch::End::Root, 0.0, std::fabs(a.x) < b.x ? a.x : b.x, 0};
        (Opposite(*atZero, a.fx) ? b : a) = {0.0, *atZero};
    }
    std::uintmax_t iterations = kMostConvergeIterations;
    auto g = [&f](double x) { return f.ForLibrary(x); };
    const auto tolerance = [](double lo, double hi) { return Adjacent(lo, hi); };
    std::pair<double, double> bracket{a.x, b.x};
    if (!Adjacent(a.x, b.x)) {
        bracket = boost::math::tools::toms748_solve(g, a.x, b.x, a.fx, b.fx, tolerance, iterations);
    }
    // Infinite between two values of opposite signs: a pole.
    if (f.Failed() && f.FailedInfinite()) return Pole(f.FailedAt());
    if (f.Failed()) return NoValue(f);
    const Point lo{bracket.first, bracket.first == a.x ? a.fx : f.ValueAt(bracket.first)};
    const Point hi{bracket.second, bracket.second == b.x ? b.fx : f.ValueAt(bracket.second)};
    // The library ends at a 0 with both ends on it.
    for (const Point& point : {lo, hi}) {
        if (point.fx == 0) return {RootSearch::End::Root, point.x, point.x == lo.x ? hi.x : lo.x, 0};
    }
    const bool loBest = std::fabs(lo.fx) <= std::fabs(hi.fx);
    const Point& root = loBest ? lo : hi;
    const Point& other = loBest ? hi : lo;
    // Where f crosses 0 its values beside the crossing are far smaller than
    // at the ends of the first bracket; where it jumps (a pole, a step) they
    // are not. A first bracket only a few doubles wide says nothing either way.
    const double smallest = std::min(std::fabs(lo.fx), std::fabs(hi.fx));
    const double firstSmallest = std::min(std::fabs(first[0].fx), std::fabs(first[1].fx));
    const bool wide = std::fabs(first[1].x - first[0].x) > 16 * std::fabs(hi.x - lo.x);
    if (wide && smallest >= 0.5 * firstSmallest) return {RootSearch::End::Jump, root.x, other.x, root.fx, root.x};
    return {RootSearch::End::Root, root.x, other.x, root.fx};
}

// f kept its sign at three points with the smallest |f| in the middle: look
// for the lowest |f| between them. A sign change or a 0 met on the way is a
// root after all (a double root touches 0 without crossing it).
RootSearch Minimum(Evaluations& f, double lo, double hi) {
    std::uintmax_t iterations = 200;
    const double sign = f.Best().fx > 0 ? 1 : -1;
    auto g = [&](double x) { return sign * f.ForLibrary(x); };
    boost::math::tools::brent_find_minima(g, lo, hi, 40, iterations);
    if (f.Failed()) return NoValue(f);
    Point best = f.Best();
    if (best.fx == 0) return {RootSearch::End::Root, best.x, best.x, 0};
    if (const auto opposite = f.NearestOpposite(best)) return Converge(f, best, *opposite);
    // Toward a double root f falls with the square of the distance: secant
    // steps from the two nearest points on one side still close in on it.
    Point near = best;
    for (const Point& point : f.Points()) {
        if (point.x != best.x && (near.x == best.x || std::fabs(point.x - best.x) < std::fabs(near.x - best.x))) near = point;
    }
    for (int step = 0; step < 200 && near.x != best.x && near.fx != best.fx; ++step) {
        const double next = best.x - best.fx * (best.x - near.x) / (best.fx - near.fx);
        if (!std::isfinite(next) || f.Seen(next)) break;
        const std::optional<double> value = f(next);
        if (!value) return NoValue(f);
        if (*value == 0) return {RootSearch::End::Root, next, best.x, 0};
        if (Opposite(*value, best.fx)) return Converge(f, best, {next, *value});
        if (std::fabs(*value) >= std::fabs(best.fx)) break;
        near = best;
        best = {next, *value};
    }
    // The secant stalls a double or two from where f is 0.
    for (const double toward : {-kFarthest, kFarthest}) {
        double x = best.x;
        for (int ulp = 0; ulp < 2; ++ulp) {
            x = std::nextafter(x, toward);
            if (f.Seen(x)) continue;
            const std::optional<double> value = f(x);
            if (!value) return NoValue(f);
            if (*value == 0) return {RootSearch::End::Root, x, best.x, 0};
            if (Opposite(*value, best.fx)) return Converge(f, best, {x, *value});
        }
    }
    return NoRoot(f);
}

// No sign change between the guesses yet: follow the secant through the two
// best points, and widen the span on the side where |f| is smaller, until f
// changes sign or three points hold a minimum of |f| between them.
RootSearch SearchOutward(Evaluations& f) {
    while (f.Count() < kMostBracketEvaluations) {
        const Point best = f.Best();
        Point second = best;
        for (const Point& point : f.Points()) {
            if (point.x != best.x && (second.x == best.x || std::fabs(point.fx) < std::fabs(second.fx))) second = point;
        }
        double lo = best.x, hi = best.x;
        for (const Point& point : f.Points()) {
            lo = std::min(lo, point.x);
            hi = std::max(hi, point.x);
        }
        const double span = hi - lo;
        std::vector<double> tries;
        if (second.fx != best.fx) {
            const double secant = best.x - best.fx * (best.x - second.x) / (best.fx - second.fx);
            if (std::isfinite(secant) && secant >= lo - 10 * span && secant <= hi + 10 * span &&
                std::fabs(secant) <= kFarthest) {
                tries.push_back(secant);
            }
        }
        const bool leftLower = std::fabs(f.ValueAt(lo)) < std::fabs(f.ValueAt(hi));
        const double outward = leftLower ? std::max(lo - kWiden * span, -kFarthest) : std::min(hi + kWiden * span, kFarthest);
        const double otherWay = leftLower ? std::min(hi + kWiden * span, kFarthest) : std::max(lo - kWiden * span, -kFarthest);
        tries.push_back(f.Seen(outward) ? otherWay : outward);
        bool moved = false;
        for (const double x : tries) {
            if (f.Seen(x)) continue;
            moved = true;
            const std::optional<double> value = f(x);
            if (!value) return NoValue(f);
            const Point point{x, *value};
            if (point.fx == 0) return {RootSearch::End::Root, x, best.x, 0};
            if (const auto opposite = f.NearestOpposite(point)) return Converge(f, point, *opposite);
        }
        if (!moved) break;  // the span reached the calculator's range on both sides
        // A minimum of |f| held between two points on either side of the best.
        const Point now = f.Best();
        std::optional<double> left, right;
        for (const Point& point : f.Points()) {
            if (point.x < now.x && std::fabs(point.fx) > std::fabs(now.fx) && (!left || point.x > *left)) left = point.x;
            if (point.x > now.x && std::fabs(point.fx) > std::fabs(now.fx) && (!right || point.x < *right)) right = point.x;
        }
        if (left && right && f.Count() >= 4) return Minimum(f, *left, *right);
    }
    return NoRoot(f);
}

}  // namespace

RootSearch FindRoot(const RealFunction& function, double a, double b) {
    Evaluations f(function);
    a = std::clamp(a, -kFarthest, kFarthest);
    b = std::clamp(b, -kFarthest, kFarthest);
    if (a == b) b = a == 0 ? 1 : a + std::fabs(a) * 1e-3;
    for (const double x : {a, b}) {
        const std::optional<double> value = f(x);
        if (!value) return NoValue(f);
        if (*value == 0) return {RootSearch::End::Root, x, x == a ? b : a, 0};
    }
    Point pa{a, f.ValueAt(a)};
    Point pb{b, f.ValueAt(b)};
    if (Opposite(pa.fx, pb.fx)) return Converge(f, pa, pb);
    return SearchOutward(f);
}

}  // namespace tabrix
