// Functions > Solve… and Integrate…: which program, and the two guesses
// (or limits), prefilled from Y and X, with a plot of the program over
// them that follows what is chosen and typed. OK puts guesses that were
// changed onto the stack (as typing them would) and performs the solve or
// the integration; what it does and records is the calculator session's.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <functional>
#include <optional>

#include "document/calculator_session.h"

class QComboBox;
class QLineEdit;
class QLabel;

namespace tabrix {

class CFunctionPlotView;

class CNumericDialog final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CNumericDialog)

public:
    CNumericDialog(Action::Kind kind, const CalculatorSession& session, std::function<void(const Action&)> perform,
                   QWidget* parent = nullptr);

    QComboBox* Programs() const { return m_programs; }
    QLineEdit* Guess(int which) const { return which == 0 ? m_a : m_b; }
    CFunctionPlotView* Plot() const { return m_plot; }
    // A guess as typed: C notation, or a number as Paste Number reads it.
    std::optional<double> Value(int which) const;

    void accept() override;

private:
    void Replot();

    Action::Kind m_kind;
    const CalculatorSession& m_session;
    std::function<void(const Action&)> m_perform;
    QComboBox* m_programs = nullptr;
    QLineEdit* m_a = nullptr;
    QLineEdit* m_b = nullptr;
    QLabel* m_why = nullptr;
    CFunctionPlotView* m_plot = nullptr;
    double m_y, m_x;  // the stack's, when the dialog opened
};

}  // namespace tabrix
