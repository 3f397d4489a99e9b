// The Statistics panel: a dock beside the calculator listing n, x̄, ȳ, sx,
// sy, r, a and b of the points Σ+ added, as the document's report gives
// them, redrawn after every action while it is shown. It takes no keyboard
// focus: keys typed while it is shown still go to the calculator.
#pragma once

#include <QCoreApplication>
#include <QDockWidget>
#include <vector>

#include "engine/statistics.h"

class QLabel;

namespace tabrix {

class CStatisticsPanel final : public QDockWidget {
    Q_DECLARE_TR_FUNCTIONS(CStatisticsPanel)

public:
    explicit CStatisticsPanel(QWidget* parent = nullptr);

    // Shows the results of `stats`; a result there is none of shows "—",
    // with the reason as its tooltip.
    void Show(const Statistics& stats);
    // A row's value as shown ("3", "—").
    QString ValueText(int row) const;

private:
    std::vector<QLabel*> m_names;
    std::vector<QLabel*> m_values;
};

}  // namespace tabrix
