#include "shell/statistics_panel.h"

#include <QGridLayout>
#include <QLabel>

#include "document/statistics_report.h"

namespace tabrix {

namespace {

QString StatisticsText(const char* english) { return QCoreApplication::translate("Statistics", english); }

}  // namespace

CStatisticsPanel::CStatisticsPanel(QWidget* parent) : QDockWidget(tr("Statistics"), parent) {
    setObjectName(QStringLiteral("StatisticsPanel"));
    setFocusPolicy(Qt::NoFocus);
    auto* body = new QWidget(this);
    auto* grid = new QGridLayout(body);
    grid->setColumnStretch(1, 1);
    const std::vector<StatisticsRow> rows = StatisticsRows(Statistics());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto* name = new QLabel(QString::fromStdString(rows[i].name), body);
        auto* value = new QLabel(body);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setFocusPolicy(Qt::NoFocus);
        const QString meaning = StatisticsText(rows[i].meaning);
        name->setToolTip(meaning);
        name->setBuddy(value);
        value->setAccessibleName(QString::fromStdString(rows[i].name) + QStringLiteral(", ") + meaning);
        grid->addWidget(name, static_cast<int>(i), 0);
        grid->addWidget(value, static_cast<int>(i), 1);
        m_names.push_back(name);
        m_values.push_back(value);
    }
    grid->setRowStretch(static_cast<int>(rows.size()), 1);
    setWidget(body);
    Show(Statistics());
}

void CStatisticsPanel::Show(const Statistics& stats) {
    const std::vector<StatisticsRow> rows = StatisticsRows(stats);
    for (std::size_t i = 0; i < rows.size() && i < m_values.size(); ++i) {
        QLabel* value = m_values[i];
        if (rows[i].why == nullptr) {
            value->setText(QString::fromStdString(rows[i].value));
            value->setToolTip({});
            value->setAccessibleDescription({});
        } else {
            value->setText(QStringLiteral("\u2014"));
            value->setToolTip(StatisticsText(rows[i].why));
            value->setAccessibleDescription(StatisticsText(rows[i].why));
        }
    }
}

QString CStatisticsPanel::ValueText(int row) const {
    return row >= 0 && row < static_cast<int>(m_values.size()) ? m_values[static_cast<std::size_t>(row)]->text()
                                                                : QString();
}

}  // namespace tabrix
