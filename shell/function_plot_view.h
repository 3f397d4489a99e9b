// A small plot of a program's f(x) over the guesses or limits of a solve or
// an integration: the curve, the line f = 0, the guesses as two marks, the
// gaps where f gives no value, and each sign change marked on the axis, so
// that roots and poles show at a glance. The samples come from the
// session's programs (document/function_plot.h); the view only draws them.
#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <memory>
#include <vector>

#include "document/function_plot.h"

namespace tabrix {

class CFunctionPlotView final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(CFunctionPlotView)

public:
    explicit CFunctionPlotView(QWidget* parent = nullptr);

    // f over the range for the guesses a and b, worked out now; nothing to
    // show without a program.
    void Show(const std::shared_ptr<const Program>& function, const ProgramLibrary& library,
              const CalculatorState& state, double a, double b);
    void Clear();
    const std::vector<PlotSample>& Samples() const { return m_samples; }
    QSize sizeHint() const override { return {260, 120}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<PlotSample> m_samples;
    double m_a = 0, m_b = 0;
    QString m_name;
};

}  // namespace tabrix
