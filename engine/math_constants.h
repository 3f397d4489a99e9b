// The calculator's numeric constants. They are the doubles nearest to the
// decimals written here; results depend on them to the last bit.
#pragma once

namespace tabrix {

// Ten decimals only, short of pi by about 9e-11: sin of 180 degrees is about
// 8.98e-11 on this calculator, and users' results rely on that.
inline constexpr double kPiConstant = 3.1415926535;
inline constexpr double kOne180th = 1.0 / 180;  // 0.005555555555555556
inline constexpr double kOne200th = 0.005;
// RAN#: an unsigned 32-bit number times this lies in [0, 1], both ends included.
inline constexpr double kRandomScale = 1.0 / 4294967295.0;

// Six-term Lanczos series for the factorial.
inline constexpr double kLanczosStart = 1.000000000190015;
inline constexpr double kLanczosCoefficients[6] = {
    76.18009172947146, -86.50532032941677, 24.01409824083091,
    -1.231739572450155, 0.1208650973866179e-2, -0.5395239384953e-5,
};
inline constexpr double kLanczosScale = 2.5066282746310005;

// The largest magnitude X may hold, and what an overflowing X becomes.
inline constexpr double kOverflowLimit = 9.999999999e+99;
inline constexpr double kOverflowClamp = 9.999999e+99;
// Below this magnitude a nonzero X is flushed to zero.
inline constexpr double kUnderflowLimit = 1e-99;

}  // namespace tabrix
