// The results from the exact sums. Each sum S is a whole number I in units
// of 2^-k, so that with n points
//   Qxx = n·Ixx·2^k − Ix²   (= (nΣx² − (Σx)²)·2^2k, likewise Qyy and Qxy)
//   Na  = Iy·Ixx − Ix·Ixy   (a = Na / Qxx, b = Qxy / Qxx)
// are exact in whole numbers; only the last division, square root and
// scaling round, in 128-bit binary floating point, before the one rounding
// to a double.
#include "engine/statistics.h"

#include "engine/hex_text.h"

#include <cmath>
#include <cstring>

// GCC 12 sees Boost's whole numbers, inlined here, as maybe uninitialized
// where they are not (a false alarm inside the library's small-number store).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <boost/multiprecision/cpp_int.hpp>

namespace tabrix {

namespace {

namespace mp = boost::multiprecision;
using Whole = mp::cpp_int;
using Real = mp::number<mp::cpp_bin_float<128, mp::digit_base_2>, mp::et_off>;

using Error = StatisticsError;

Whole WholeOf(const ExactSum::Canonical& value, int unitDigit) {
    Whole whole;
    if (value.digits.empty()) return whole;
    mp::import_bits(whole, value.digits.begin(), value.digits.end(), ExactSum::kDigitBits, false);
    whole <<= static_cast<unsigned>(ExactSum::kDigitBits * (value.low - unitDigit));
    return value.negative ? Whole(-whole) : whole;
}

// A finite double as a whole number times 2^exponent.
struct Dyadic {
    Whole m;
    int exponent = 0;
};
Dyadic DyadicOf(double v) {
    int exponent = 0;
    const double fraction = std::frexp(v, &exponent);
    // 53 bits of the fraction as a whole number, exactly.
    const auto m = static_cast<std::int64_t>(std::ldexp(fraction, 53));
    return {Whole(m), exponent - 53};
}

double ToDouble(const Real& r) { return r.convert_to<double>(); }

// Every exact quantity the results are made of.
struct Exact {
    std::int64_t n = 0;
    int k = 0;  // the sums' unit is 2^-k
    Whole x, y, xx, yy, xy;
    Whole qxx, qyy, qxy, na;

    // w·2^(-k·times): a sum (times 1) or a Q (times 2) in its own units.
    Real Scaled(const Whole& w, int times) const { return mp::ldexp(Real(w), -k * times); }
};

Real Ratio(const Whole& p, const Whole& q) { return Real(p) / Real(q); }

Exact ExactOf(const Statistics::Data* data) {
    const Statistics::Data none;
    const Statistics::Data& d = data != nullptr ? *data : none;
    const ExactSum* const sums[5] = {&d.x, &d.y, &d.xx, &d.yy, &d.xy};
    ExactSum::Canonical values[5];
    // The unit: the lowest digit any sum uses, but never above 2^0, so that
    // 2^k is whole.
    int unit = ExactSum::kUnitBits / ExactSum::kDigitBits;
    for (int i = 0; i < 5; ++i) {
        values[i] = sums[i]->Value();
        if (!values[i].digits.empty() && values[i].low < unit) unit = values[i].low;
    }
    Exact e;
    e.n = d.n;
    e.k = ExactSum::kUnitBits - ExactSum::kDigitBits * unit;
    e.x = WholeOf(values[0], unit);
    e.y = WholeOf(values[1], unit);
    e.xx = WholeOf(values[2], unit);
    e.yy = WholeOf(values[3], unit);
    e.xy = WholeOf(values[4], unit);
    const Whole nScaled = Whole(d.n) << static_cast<unsigned>(e.k);
    e.qxx = nScaled * e.xx - e.x * e.x;
    e.qyy = nScaled * e.yy - e.y * e.y;
    e.qxy = nScaled * e.xy - e.x * e.y;
    e.na = e.y * e.xx - e.x * e.xy;
    return e;
}

StatisticsAnswer Answer(std::initializer_list<Real> values) {
    StatisticsAnswer answer;
    std::size_t i = 0;
    for (const Real& value : values) {
        answer.values[i] = ToDouble(value);
        if (!std::isfinite(answer.values[i])) return {Error::OutOfRange, {}};
        ++i;
    }
    return answer;
}

StatisticsAnswer Refusal(Error error) { return {error, {}}; }

// What a spread (needs) of the points allows: two points at least, and no
// negative spread.
Error SpreadError(const Exact& e, std::int64_t least) {
    if (e.n == 0) return Error::NoPoints;
    if (e.n < least) return Error::OnePoint;
    if (e.qxx < 0 || e.qyy < 0) return Error::Inconsistent;
    return Error::None;
}

Error LineError(const Exact& e) {
    const Error spread = SpreadError(e, 2);
    if (spread != Error::None) return spread;
    return e.qxx == 0 ? Error::EveryXEqual : Error::None;
}

// (p + q·v) / d for a double v, exactly before the division.
Real Affine(const Whole& p, const Whole& q, double v, const Whole& d) {
    const Dyadic dv = DyadicOf(v);
    if (dv.exponent >= 0) return Ratio(p + q * (dv.m << static_cast<unsigned>(dv.exponent)), d);
    const auto shift = static_cast<unsigned>(-dv.exponent);
    return Ratio((p << shift) + q * dv.m, d << shift);
}

Real CorrelationOf(const Exact& e) {
    Real r = Real(e.qxy) / mp::sqrt(Real(e.qxx) * Real(e.qyy));
    if (r > 1) r = 1;
    if (r < -1) r = -1;
    return r;
}

}  // namespace

StatisticsError Statistics::Add(double x, double y, int sign) {
    if (!std::isfinite(x) || !std::isfinite(y)) return Error::NotFinite;
    if (sign < 0 && Count() == 0) return Error::NothingToRemove;
    if (!m_data) {
        m_data = std::make_shared<Data>();
    } else if (m_data.use_count() > 1) {
        m_data = std::make_shared<Data>(*m_data);
    }
    Data& d = *m_data;
    d.n += sign;
    d.x.Add(x, sign);
    d.y.Add(y, sign);
    d.xx.AddProduct(x, x, sign);
    d.yy.AddProduct(y, y, sign);
    d.xy.AddProduct(x, y, sign);
    // Every point taken back: the calculator has no statistics again.
    if (d.n == 0 && d.x.IsZero() && d.y.IsZero() && d.xx.IsZero() && d.yy.IsZero() && d.xy.IsZero()) m_data.reset();
    return Error::None;
}

StatisticsAnswer Statistics::Mean() const {
    const Exact e = ExactOf(m_data.get());
    if (e.n == 0) return Refusal(Error::NoPoints);
    return Answer({e.Scaled(e.x, 1) / e.n, e.Scaled(e.y, 1) / e.n});
}

StatisticsAnswer Statistics::SampleDeviation() const {
    const Exact e = ExactOf(m_data.get());
    if (const Error error = SpreadError(e, 2); error != Error::None) return Refusal(error);
    const Real pairs = Real(e.n) * Real(e.n - 1);
    return Answer({mp::sqrt(e.Scaled(e.qxx, 2) / pairs), mp::sqrt(e.Scaled(e.qyy, 2) / pairs)});
}

StatisticsAnswer Statistics::PopulationDeviation() const {
    const Exact e = ExactOf(m_data.get());
    if (const Error error = SpreadError(e, 1); error != Error::None) return Refusal(error);
    const Real squared = Real(e.n) * Real(e.n);
    return Answer({mp::sqrt(e.Scaled(e.qxx, 2) / squared), mp::sqrt(e.Scaled(e.qyy, 2) / squared)});
}

StatisticsAnswer Statistics::WeightedMean() const {
    const Exact e = ExactOf(m_data.get());
    if (e.n == 0) return Refusal(Error::NoPoints);
    if (e.y == 0) return Refusal(Error::ZeroWeight);
    return Answer({Ratio(e.xy, e.y)});
}

StatisticsAnswer Statistics::Regression() const {
    const Exact e = ExactOf(m_data.get());
    if (const Error error = LineError(e); error != Error::None) return Refusal(error);
    return Answer({Ratio(e.na, e.qxx), Ratio(e.qxy, e.qxx)});
}

StatisticsAnswer Statistics::EstimateY(double x) const {
    const Exact e = ExactOf(m_data.get());
    if (const Error error = LineError(e); error != Error::None) return Refusal(error);
    if (e.qyy == 0) return Refusal(Error::EveryYEqual);
    return Answer({Affine(e.na, e.qxy, x, e.qxx), CorrelationOf(e)});
}

StatisticsAnswer Statistics::EstimateX(double y) const {
    const Exact e = ExactOf(m_data.get());
    if (const Error error = LineError(e); error != Error::None) return Refusal(error);
    if (e.qxy == 0) return Refusal(Error::FlatLine);
    return Answer({Affine(-e.na, e.qxx, y, e.qxy)});
}

StatisticsAnswer Statistics::Correlation() const {
    const Exact e = ExactOf(m_data.get());
    if (const Error error = LineError(e); error != Error::None) return Refusal(error);
    if (e.qyy == 0) return Refusal(Error::EveryYEqual);
    return Answer({CorrelationOf(e)});
}

StatisticsAnswer Statistics::Sums() const {
    const Exact e = ExactOf(m_data.get());
    return Answer({e.Scaled(e.x, 1), e.Scaled(e.y, 1), e.Scaled(e.xx, 1), e.Scaled(e.yy, 1)});
}

bool operator==(const Statistics& a, const Statistics& b) {
    if (a.m_data == b.m_data) return true;
    if (!a.m_data || !b.m_data) return false;
    const auto& p = *a.m_data;
    const auto& q = *b.m_data;
    return p.n == q.n && p.x == q.x && p.y == q.y && p.xx == q.xx && p.yy == q.yy && p.xy == q.xy;
}

std::vector<std::uint8_t> Statistics::Bytes() const {
    std::vector<std::uint8_t> out;
    if (!m_data) return out;
    const auto n = static_cast<std::uint64_t>(m_data->n);
    for (int i = 0; i < 8; ++i) out.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
    for (const ExactSum* sum : {&m_data->x, &m_data->y, &m_data->xx, &m_data->yy, &m_data->xy}) sum->AppendBytes(out);
    return out;
}

std::optional<Statistics> Statistics::FromBytes(std::span<const std::uint8_t> bytes) {
    Statistics s;
    if (bytes.empty()) return s;
    if (bytes.size() < 8) return std::nullopt;
    std::uint64_t n = 0;
    for (std::size_t i = 0; i < 8; ++i) n |= std::uint64_t{bytes[i]} << (8 * i);
    bytes = bytes.subspan(8);
    auto data = std::make_shared<Data>();
    data->n = static_cast<std::int64_t>(n);
    for (ExactSum* sum : {&data->x, &data->y, &data->xx, &data->yy, &data->xy}) {
        std::optional<ExactSum> read = ExactSum::FromBytes(bytes);
        if (!read) return std::nullopt;
        *sum = *read;
    }
    if (!bytes.empty() || data->n < 0) return std::nullopt;
    const bool none = data->n == 0 && data->x.IsZero() && data->y.IsZero() && data->xx.IsZero() &&
                      data->yy.IsZero() && data->xy.IsZero();
    if (!none) s.m_data = std::move(data);
    return s;
}

std::string Statistics::Hex() const { return HexText(Bytes()); }

std::optional<Statistics> Statistics::FromHex(std::string_view text) {
    const std::optional<std::vector<std::uint8_t>> bytes = ReadHexText(text);
    if (!bytes) return std::nullopt;
    return FromBytes(*bytes);
}

}  // namespace tabrix
