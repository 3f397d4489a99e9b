#include "document/function_plot.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "document/notice.h"
#include "document/program_runner.h"
#include "engine/number_text.h"
#include "engine/quadrature.h"

namespace tabrix {

PlotRange PlotRangeOf(double a, double b) {
    const bool aInfinite = IsInfiniteLimit(a), bInfinite = IsInfiniteLimit(b);
    if (aInfinite && bInfinite) return {-10, 10};
    if (aInfinite) a = b + (a < 0 ? -10 : 10);
    if (bInfinite) b = a + (b < 0 ? -10 : 10);
    if (a > b) std::swap(a, b);
    if (a == b) return {a - std::max(1.0, std::fabs(a)), b + std::max(1.0, std::fabs(b))};
    const double margin = (b - a) / 10;
    return {a - margin, b + margin};
}

std::vector<PlotSample> SampleProgram(const std::shared_ptr<const Program>& function, const ProgramLibrary& library,
                                      const CalculatorState& state, PlotRange range, int points) {
    CTabrixDoc doc;
    doc.SetState(state);
    doc.m_bEntering = false;
    doc.DeferDisplay(true);
    // Menu commands in f (a paste, a copy) do nothing here.
    ProgramRunner runner(doc, library, [](const Action&) {});
    std::vector<PlotSample> samples;
    samples.reserve(static_cast<std::size_t>(points));
    for (int i = 0; i < points; ++i) {
        const double x = points == 1 ? range.from : range.from + (range.to - range.from) * i / (points - 1);
        doc.m_dX = doc.m_dY = doc.m_dZ = doc.m_dT = x;
        doc.m_bLift = true;
        doc.WatchRangeErrors();
        runner.Begin(function);
        ProgramRunner::Budget budget;
        budget.maxSteps = kPlotStepsPerPoint;
        ProgramRunner::End end = runner.Go(budget);
        double fx = std::numeric_limits<double>::quiet_NaN();
        if (end == ProgramRunner::End::Finished || end == ProgramRunner::End::Stopped) {
            if (doc.m_bEntering) {
                doc.CommitEntry();
                doc.UpdateDisplay();
            }
            if (doc.CaughtRangeError() == nullptr) fx = doc.m_dX;
        }
        runner.Forget();
        samples.push_back({x, fx});
    }
    return samples;
}

PlotSummary SummaryOf(const std::vector<PlotSample>& samples) {
    PlotSummary summary;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const double p = samples[i - 1].fx, q = samples[i].fx;
        if ((p < 0 && q > 0) || (p > 0 && q < 0)) ++summary.signChanges;
        if (std::isnan(q) && !std::isnan(p)) ++summary.gaps;
    }
    return summary;
}

std::string PlotDescription(std::string_view name, const std::vector<PlotSample>& samples) {
    if (samples.empty()) return {};
    const PlotSummary summary = SummaryOf(samples);
    return Marked("Programs",
                  QT_TRANSLATE_NOOP("Programs", "%1 from %2 to %3: %4 sign changes, %5 gaps where f gives no value"),
                  {std::string(name), ShortText(samples.front().x, 4), ShortText(samples.back().x, 4),
                   std::to_string(summary.signChanges), std::to_string(summary.gaps)});
}

PlotScale PlotScaleOf(const std::vector<PlotSample>& samples) {
    std::vector<double> values;
    for (const PlotSample& sample : samples) {
        if (std::isfinite(sample.fx)) values.push_back(sample.fx);
    }
    if (values.empty()) return {-1, 1};
    std::sort(values.begin(), values.end());
    const auto at = [&](double share) { return values[static_cast<std::size_t>(share * (values.size() - 1))]; };
    double low = at(0.05), high = at(0.95);
    const double span = high - low;
    low -= span / 5;
    high += span / 5;
    // 0 in sight where it is within the span's reach.
    if (low > 0 && low < span) low = 0;
    if (high < 0 && -high < span) high = 0;
    if (low == high) {
        const double pad = std::max(1.0, std::fabs(low)) / 2;
        low -= pad;
        high += pad;
    }
    return {low, high};
}

}  // namespace tabrix
