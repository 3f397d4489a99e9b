#include "shell/numeric_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "document/number_reading.h"
#include "document/numeric_report.h"
#include "engine/key_codes.h"
#include "engine/number_text.h"
#include "shell/function_plot_view.h"

namespace tabrix {

CNumericDialog::CNumericDialog(Action::Kind kind, const CalculatorSession& session,
                               std::function<void(const Action&)> perform, QWidget* parent)
    : QDialog(parent),
      m_kind(kind),
      m_session(session),
      m_perform(std::move(perform)),
      m_y(session.Doc().m_dY),
      m_x(session.Doc().m_bEntering ? session.Doc().GetEntryValue() : session.Doc().m_dX) {
    const bool solves = kind == Action::Kind::Solve;
    setWindowTitle(solves ? tr("Solve") : tr("Integrate"));
    setObjectName(QStringLiteral("numericDialog"));
    m_programs = new QComboBox(this);
    m_programs->setObjectName(QStringLiteral("numericProgram"));
    for (const auto& program : session.Programs().All()) m_programs->addItem(QString::fromStdString(program->name));
    m_a = new QLineEdit(QString::fromStdString(ExactText(m_y)), this);
    m_b = new QLineEdit(QString::fromStdString(ExactText(m_x)), this);
    m_a->setObjectName(QStringLiteral("numericA"));
    m_b->setObjectName(QStringLiteral("numericB"));
    m_plot = new CFunctionPlotView(this);
    m_why = new QLabel(this);
    m_why->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(tr("&Program f(x):"), m_programs);
    form->addRow(solves ? tr("First &guess (y):") : tr("&From (y):"), m_a);
    form->addRow(solves ? tr("Second g&uess (x):") : tr("&To (x):"), m_b);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(solves ? tr("&Solve") : tr("&Integrate"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_plot, 1);
    layout->addWidget(m_why);
    layout->addWidget(buttons);
    connect(m_programs, &QComboBox::currentTextChanged, this, &CNumericDialog::Replot);
    connect(m_a, &QLineEdit::textChanged, this, &CNumericDialog::Replot);
    connect(m_b, &QLineEdit::textChanged, this, &CNumericDialog::Replot);
    if (m_programs->count() == 0) {
        m_why->setText(QCoreApplication::translate("Programs", kNoProgramText));
        buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
    }
    Replot();
}

std::optional<double> CNumericDialog::Value(int which) const {
    const std::string text = Guess(which)->text().trimmed().toStdString();
    if (const auto exact = ReadExactText(text)) return exact;
    const char decimal = QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
    const PastedNumber read = ReadPastedNumber(text, decimal);
    if (read.outcome == PastedNumber::Outcome::Read) return read.value;
    return std::nullopt;
}

void CNumericDialog::Replot() {
    const auto* program = m_session.Programs().Find(m_programs->currentText().toStdString());
    const std::optional<double> a = Value(0), b = Value(1);
    if (program == nullptr || !a || !b) {
        m_plot->Clear();
        if (m_programs->count() > 0) m_why->setText(!a || !b ? QCoreApplication::translate("Programs", kNoGuessText) : QString());
        return;
    }
    m_why->clear();
    m_plot->Show(*program, m_session.Programs(), m_session.Doc().State(), *a, *b);
}

void CNumericDialog::accept() {
    const std::optional<double> a = Value(0), b = Value(1);
    if (!a || !b || m_programs->currentText().isEmpty()) {
        m_why->setText(QCoreApplication::translate("Programs", kNoGuessText));
        return;
    }
    QDialog::accept();
    // Guesses typed anew go onto the stack as typing them would put them.
    if (!SameBits(*a, m_y) || !SameBits(*b, m_x)) {
        m_perform(Action::PasteValue(*a));
        m_perform(Action::Key(keys::kEnter));
        m_perform(Action::PasteValue(*b));
    }
    m_perform(Action::WithText(m_kind, m_programs->currentText().toStdString()));
}

}  // namespace tabrix
