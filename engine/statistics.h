// Two-variable statistics over the points Σ+ added: the count and the exact
// sums Σx, Σy, Σx², Σy² and Σxy. Sums of doubles and of their products are
// kept without rounding (ExactSum), and each result is worked out from them
// exactly (differences such as nΣx² − (Σx)² in whole numbers) before one
// rounding at its end: a result is the double nearest to the true value for
// the points given, whatever their offset and spread, and Σ− of a point
// takes its Σ+ back exactly.
//
// A Statistics is a value: copies share their sums until one changes, so
// that the state record that holds it copies cheaply for undo.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/exact_sum.h"

namespace tabrix {

// Why a result cannot be given.
enum class StatisticsError : std::uint8_t {
    None,
    NoPoints,          // n = 0
    OnePoint,          // n = 1 where a spread or a line is wanted
    EveryXEqual,       // no line fits: the x have no spread
    EveryYEqual,       // r is undefined: the y have no spread
    FlatLine,          // the slope is 0: no x gives a y
    ZeroWeight,        // Σy = 0 under a weighted mean
    Inconsistent,      // Σ− took away points never added: a negative spread
    OutOfRange,        // the result is beyond the range of doubles
    NotFinite,         // a point is not a finite number
    NothingToRemove,   // Σ− with no points
    DivisionByZero,    // an integer ÷ or rmd by 0 (integer mode has no infinity)
};

// The reason as a sentence (English; translated with context "Statistics").
const char* StatisticsErrorText(StatisticsError error);

// Up to four results, X's first, or why there are none.
struct StatisticsAnswer {
    StatisticsError error = StatisticsError::None;
    std::array<double, 4> values{};
    bool Ok() const { return error == StatisticsError::None; }
};

class Statistics {
public:
    std::int64_t Count() const { return m_data ? m_data->n : 0; }
    // No points and no sums: what a fresh calculator has.
    bool Empty() const { return !m_data; }

    // Σ+ (sign 1) or Σ− (sign -1) of the point (x, y). Refused (nothing
    // changes) for a point that is not finite, and Σ− with no points.
    StatisticsError Add(double x, double y, int sign);
    void Clear() { m_data.reset(); }

    // The results. Mean: x̄, ȳ. Deviations: sx, sy (sample) or σx, σy
    // (population). Weighted mean: Σxy / Σy. Regression y = a + b·x: a, b.
    // EstimateY: ŷ for x, and r. EstimateX: x̂ for y. Correlation: r. Sums:
    // Σx, Σy, Σx², Σy².
    StatisticsAnswer Mean() const;
    StatisticsAnswer SampleDeviation() const;
    StatisticsAnswer PopulationDeviation() const;
    StatisticsAnswer WeightedMean() const;
    StatisticsAnswer Regression() const;
    StatisticsAnswer EstimateY(double x) const;
    StatisticsAnswer EstimateX(double y) const;
    StatisticsAnswer Correlation() const;
    StatisticsAnswer Sums() const;

    // The count and the sums as bytes (i64 n, then the five sums as
    // ExactSum writes them), and back; nothing for bytes that are not that.
    std::vector<std::uint8_t> Bytes() const;
    static std::optional<Statistics> FromBytes(std::span<const std::uint8_t> bytes);
    // The same in hexadecimal ("" for Empty), for texts such as the console's JSON.
    std::string Hex() const;
    static std::optional<Statistics> FromHex(std::string_view text);

    friend bool operator==(const Statistics& a, const Statistics& b);

    // The count and the sums the results are made of.
    struct Data {
        std::int64_t n = 0;
        ExactSum x, y, xx, yy, xy;
    };

private:
    std::shared_ptr<Data> m_data;  // null: Empty; shared by copies until one changes
};

}  // namespace tabrix
