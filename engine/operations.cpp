// Angle conversions, inverse hyperbolic functions, the factorial, the
// coordinate conversions and RAN#. Each product and quotient is evaluated in
// the order written, so results are the same to the bit on every build.
#include <cmath>

#include "engine/calculator_state.h"
#include "engine/math_constants.h"

namespace tabrix {

double CTabrixDoc::ToRadians(double v) const {
    if (m_strAngle == "DEG") return (kPiConstant * v) * kOne180th;
    if (m_strAngle == "GRD") return (kPiConstant * v) * kOne200th;
    return v;  // "RAD" and any unknown word
}

double CTabrixDoc::FromRadians(double r) const {
    if (m_strAngle == "DEG") return (180 / kPiConstant) * r;
    if (m_strAngle == "GRD") return (200 / kPiConstant) * r;
    return r;
}

double CTabrixDoc::ArcSinh(double x) const {
    // For x < 0 the square root and the sum below cancel to 0 (asinh(-1e9) would
    // be log 0); the function is odd, so compute it on |x| instead.
    if (x < 0) return -ArcSinh(-x);
    double t = x * x;
    t = t + 1;
    t = std::sqrt(t);
    t = t + x;
    return std::log(t);
}

double CTabrixDoc::ArcCosh(double x) const {
    double t = x * x;
    t = t - 1;
    t = std::sqrt(t);
    t = t + x;
    return std::log(t);
}

double CTabrixDoc::ArcTanh(double x) const {
    const double a = x + 1;
    const double b = 1 - x;
    const double q = a / b;
    return std::log(q) * 0.5;
}

double CTabrixDoc::Factorial(double x) const {
    const double xx = x + 1;
    const double tmp = xx + 5.5;
    const double a = ((xx + 0.5) * std::log(tmp)) - tmp;
    double ser = kLanczosStart;
    double y = xx;
    for (double c : kLanczosCoefficients) {
        y = y + 1;
        ser = (c / y) + ser;
    }
    return ((kLanczosScale / xx) * std::exp(a)) * ser;
}

void CTabrixDoc::RectangularToPolar() {
    CommitEntry();
    // The two-argument arc tangent puts the angle in the right quadrant, so that
    // ->R of the result gives the original point back. The origin has angle 0
    // (atan2 would give 180 degrees for X = -0).
    const bool origin = m_dX == 0 && m_dY == 0;
    const double theta = origin ? 0.0 : FromRadians(std::atan2(m_dY, m_dX));
    m_dX = std::sqrt((m_dY * m_dY) + (m_dX * m_dX));
    m_dY = theta;
    m_bLift = true;
}

void CTabrixDoc::PolarToRectangular() {
    CommitEntry();
    const double theta = ToRadians(m_dY);
    const double s = m_dX * std::sin(theta);
    m_dX = m_dX * std::cos(theta);
    m_dY = s;
    m_bLift = true;
}

void CTabrixDoc::RandomNumber() {
    // A number being typed is committed first and then replaced, as a committed
    // X would be: the random number is what the user sees.
    CommitEntry();
    m_dX = static_cast<double>(m_pRandom->NextUInt32()) * kRandomScale;
}

}  // namespace tabrix
