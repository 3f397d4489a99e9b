// Samples of a program's f(x) across a range, for the plots of the Solve
// and Integrate dialogs, the Programs editor and the web page: where the
// roots and the trouble (a pole, a gap where f is not defined) are, at a
// glance. They are worked out on a copy of the calculator, so that a plot
// changes nothing: no register, no draw, no undo step, no tape line.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "document/program.h"
#include "engine/calculator_state.h"

namespace tabrix {

struct PlotSample {
    double x;
    double fx;  // a NaN where f gives no value (or took too many steps)
};

// How many points a plot has, and how many steps one point may take.
inline constexpr int kPlotPoints = 161;
inline constexpr std::uint64_t kPlotStepsPerPoint = 20000;

// The range a plot shows for the guesses or limits a and b: the two, in
// order, a little widened so that a root at an end shows; an infinite
// limit (see IsInfiniteLimit) is shown as ten units beyond the other.
struct PlotRange {
    double from;
    double to;
};
PlotRange PlotRangeOf(double a, double b);

// f at `points` points evenly spread over the range, from `state`.
std::vector<PlotSample> SampleProgram(const std::shared_ptr<const Program>& function, const ProgramLibrary& library,
                                      const CalculatorState& state, PlotRange range, int points = kPlotPoints);

// The values a plot's vertical scale spans: the middle nine tenths of the
// finite values, widened by a fifth and always holding 0 when it is near,
// so that one huge value by a pole does not flatten the rest.
struct PlotScale {
    double low;
    double high;
};
PlotScale PlotScaleOf(const std::vector<PlotSample>& samples);

// What a plot shows, for those who cannot see it: how often f changes sign
// between two samples, and where it stops giving values.
struct PlotSummary {
    int signChanges = 0;
    int gaps = 0;
};
PlotSummary SummaryOf(const std::vector<PlotSample>& samples);
// "cubic from 1.9 to 3.1: 1 sign changes, 0 gaps where f gives no value",
// a marked sentence (context "Programs"); numbers to four digits.
std::string PlotDescription(std::string_view name, const std::vector<PlotSample>& samples);

}  // namespace tabrix
