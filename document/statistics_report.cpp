#include "document/statistics_report.h"

#include "engine/number_text.h"

namespace tabrix {

Notice FailureSentences(const catalogue::Function& function, StatisticsError error) {
    return {{"Statistics", QT_TRANSLATE_NOOP("Statistics", "No result from %1."), {std::string(function.label)}},
            {"Statistics", StatisticsErrorText(error), {}}};
}

namespace {

// Ten significant digits, written back as the shortest text of that value.
std::string PanelText(double v) { return ExactText(ParseLeadingDouble(FormatExponent(v, 9))); }

}  // namespace

std::vector<StatisticsRow> StatisticsRows(const Statistics& stats) {
    std::vector<StatisticsRow> rows;
    rows.push_back({"n", QT_TRANSLATE_NOOP("Statistics", "the number of points"), std::to_string(stats.Count())});
    const auto add = [&rows](const char* name, const char* meaning, const StatisticsAnswer& answer, std::size_t which) {
        if (answer.Ok()) {
            rows.push_back({name, meaning, PanelText(answer.values[which])});
        } else {
            rows.push_back({name, meaning, {}, StatisticsErrorText(answer.error)});
        }
    };
    const StatisticsAnswer mean = stats.Mean();
    const StatisticsAnswer deviation = stats.SampleDeviation();
    const StatisticsAnswer line = stats.Regression();
    add("x̄", QT_TRANSLATE_NOOP("Statistics", "the mean of x"), mean, 0);
    add("ȳ", QT_TRANSLATE_NOOP("Statistics", "the mean of y"), mean, 1);
    add("sx", QT_TRANSLATE_NOOP("Statistics", "the sample standard deviation of x"), deviation, 0);
    add("sy", QT_TRANSLATE_NOOP("Statistics", "the sample standard deviation of y"), deviation, 1);
    add("r", QT_TRANSLATE_NOOP("Statistics", "the correlation coefficient"), stats.Correlation(), 0);
    add("a", QT_TRANSLATE_NOOP("Statistics", "the intercept of the line y = a + b·x"), line, 0);
    add("b", QT_TRANSLATE_NOOP("Statistics", "the slope of the line y = a + b·x"), line, 1);
    return rows;
}

}  // namespace tabrix
