// Angle conversions, inverse hyperbolic functions, the factorial, the
// coordinate conversions, RAN# and the stack rolls. Each product and quotient is evaluated in
// the order written, so results are the same to the bit on every build.
#include <algorithm>
#include <cmath>
#include <tuple>

#include "engine/calculator_state.h"
#include "engine/math_constants.h"
#include "engine/mode_words.h"

namespace tabrix {

double CTabrixDoc::ToRadians(double v) const {
    if (m_strAngle == words::kDeg) return (kPiConstant * v) * kOne180th;
    if (m_strAngle == words::kGrd) return (kPiConstant * v) * kOne200th;
    return v;  // "RAD" and any unknown word
}

double CTabrixDoc::FromRadians(double r) const {
    if (m_strAngle == words::kDeg) return (180 / kPiConstant) * r;
    if (m_strAngle == words::kGrd) return (200 / kPiConstant) * r;
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
    // The two-argument arc tangent puts the angle in the right quadrant, so that
    // ->R of the result gives the original point back. The origin has angle 0
    // (atan2 would give 180 degrees for X = -0).
    const bool origin = m_dX == 0 && m_dY == 0;
    const double theta = origin ? 0.0 : FromRadians(std::atan2(m_dY, m_dX));
    m_dX = std::sqrt((m_dY * m_dY) + (m_dX * m_dX));
    m_dY = theta;
}

void CTabrixDoc::PolarToRectangular() {
    const double theta = ToRadians(m_dY);
    const double s = m_dX * std::sin(theta);
    m_dX = m_dX * std::cos(theta);
    m_dY = s;
}

void CTabrixDoc::RandomNumber() {
    m_dX = static_cast<double>(m_pRandom->NextUInt32()) * kRandomScale;
}

void CTabrixDoc::RollDown() {
    std::tie(m_dX, m_dY, m_dZ, m_dT) = std::make_tuple(m_dY, m_dZ, m_dT, m_dX);
    std::rotate(m_integer.words.begin(), m_integer.words.begin() + 1, m_integer.words.begin() + 4);
}

void CTabrixDoc::RollUp() {
    std::tie(m_dX, m_dY, m_dZ, m_dT) = std::make_tuple(m_dT, m_dX, m_dY, m_dZ);
    std::rotate(m_integer.words.begin(), m_integer.words.begin() + 3, m_integer.words.begin() + 4);
}

}  // namespace tabrix
