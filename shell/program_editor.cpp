#include "shell/program_editor.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTextBlock>
#include <QVBoxLayout>

#include "engine/number_text.h"
#include "shell/document_texts.h"
#include "shell/function_plot_view.h"
#include "shell/steps_edit.h"
#include "view/translated_text.h"

namespace tabrix {

namespace {

// Typing is checked once it pauses this long.
constexpr int kCheckDelayMs = 250;

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

CProgramEditor::CProgramEditor(ProgramBook& book, const CalculatorSession& session, Hooks hooks, QWidget* parent)
    : QDialog(parent), m_book(book), m_session(session), m_hooks(std::move(hooks)) {
    setWindowTitle(tr("Programs"));
    setObjectName(QStringLiteral("programEditor"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("programList"));
    m_text = new CStepsEdit(this);
    m_text->setObjectName(QStringLiteral("programText"));
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_problems = new QListWidget(this);
    m_problems->setObjectName(QStringLiteral("programProblems"));
    m_problems->setMaximumHeight(m_problems->fontMetrics().height() * 5);
    m_rename = new QPushButton(tr("&Rename\u2026"), this);
    m_delete = new QPushButton(tr("&Delete"), this);
    m_run = new QPushButton(tr("R&un"), this);
    m_step = new QPushButton(tr("S&tep"), this);
    m_run->setObjectName(QStringLiteral("runProgram"));
    m_step->setObjectName(QStringLiteral("stepProgram"));
    m_plot = new CFunctionPlotView(this);
    LayOut(new QPushButton(tr("&New\u2026"), this));
    ConnectEditing();
    resize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 28);
    Refresh();
}

void CProgramEditor::LayOut(QPushButton* add) {
    const auto labelled = [this](const QString& text, QWidget* buddy) {
        auto* label = new QLabel(text, this);
        label->setBuddy(buddy);
        return label;
    };
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(add, &QPushButton::clicked, this, &CProgramEditor::NewProgram);
    auto* left = new QVBoxLayout;
    left->addWidget(labelled(tr("&Programs:"), m_list));
    left->addWidget(m_list, 1);
    for (QPushButton* button : {add, m_rename, m_delete}) left->addWidget(button);
    auto* right = new QVBoxLayout;
    right->addWidget(labelled(tr("&Steps:"), m_text));
    right->addWidget(m_text, 1);
    right->addWidget(labelled(tr("Pro&blems:"), m_problems));
    right->addWidget(m_problems);
    // f(x) over what a solve or an integration would take: Y and X.
    right->addWidget(new QLabel(tr("f(x) from y to x, as solve and integrate see it:"), this));
    right->addWidget(m_plot);
    auto* runRow = new QHBoxLayout;
    runRow->addWidget(m_run);
    runRow->addWidget(m_step);
    runRow->addStretch();
    right->addLayout(runRow);
    m_list->setMinimumWidth(fontMetrics().averageCharWidth() * 30);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 2);
    columns->addLayout(right, 5);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(close);
}

void CProgramEditor::ConnectEditing() {
    connect(m_rename, &QPushButton::clicked, this, &CProgramEditor::RenameProgram);
    connect(m_delete, &QPushButton::clicked, this, &CProgramEditor::DeleteProgram);
    connect(m_run, &QPushButton::clicked, this, [this] {
        CheckNow();
        m_hooks.run(Selected());
    });
    connect(m_step, &QPushButton::clicked, this, [this] {
        CheckNow();
        m_hooks.step(Selected());
    });
    m_check.setSingleShot(true);
    m_check.setInterval(kCheckDelayMs);
    connect(&m_check, &QTimer::timeout, this, &CProgramEditor::CheckNow);
    connect(m_text, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_filling) m_check.start();
    });
    connect(m_list, &QListWidget::currentTextChanged, this, [this] {
        CheckNow();  // what was typed into the program shown before stays with it
        ShowSelected();
    });
    connect(m_problems, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        // To the problem's line.
        const QTextBlock block = m_text->document()->findBlockByNumber(item->data(Qt::UserRole).toInt() - 1);
        if (!block.isValid()) return;
        QTextCursor cursor(block);
        m_text->setTextCursor(cursor);
        m_text->setFocus();
    });
}

QString CProgramEditor::Selected() const {
    const QListWidgetItem* item = m_list->currentItem();
    return item != nullptr ? item->data(Qt::UserRole).toString() : QString();
}

void CProgramEditor::Select(const QString& name) {
    const std::string key = ProgramKey(name.toStdString());
    for (int row = 0; row < m_list->count(); ++row) {
        if (ProgramKey(m_list->item(row)->data(Qt::UserRole).toString().toStdString()) == key) {
            m_list->setCurrentRow(row);
            return;
        }
    }
}

void CProgramEditor::Refresh() {
    const QString selected = Selected();
    m_filling = true;
    m_list->clear();
    for (const ProgramBook::Entry& entry : m_book.Entries()) {
        const QString name = FromUtf8(entry.name);
        // A program with a problem says so in the list, for eyes and ears.
        auto* item = new QListWidgetItem(Translated(entry.ListLabel()), m_list);
        item->setData(Qt::UserRole, name);
    }
    m_filling = false;
    Select(selected);
    if (m_list->currentRow() < 0 && m_list->count() > 0) m_list->setCurrentRow(0);
    ShowSelected();
}

void CProgramEditor::ShowSelected() {
    const QString name = Selected();
    const ProgramBook::Entry* entry = m_book.Find(name.toStdString());
    const QString body = entry != nullptr ? FromUtf8(entry->body) : QString();
    if (name != m_shown || m_text->toPlainText() != body) {
        m_filling = true;
        m_text->setPlainText(body);
        m_filling = false;
    }
    m_shown = name;
    m_text->setEnabled(entry != nullptr);
    ShowProblems();
    ShowPosition();
    EnableButtons();
}

void CProgramEditor::Replot() {
    if (m_session.Running()) return;
    const CTabrixDoc& doc = m_session.Doc();
    const double x = doc.m_bEntering ? doc.GetEntryValue() : doc.m_dX;
    const auto* program = m_session.Programs().Find(m_shown.toStdString());
    const std::shared_ptr<const Program> shown = program != nullptr ? *program : nullptr;
    // A plot costs up to a few million steps: made again only when what it shows changed.
    if (shown == m_plotted && SameBits(x, m_plottedX) && SameBits(doc.m_dY, m_plottedY) &&
        doc.m_strAngle == m_plottedAngle) {
        return;
    }
    m_plotted = shown;
    m_plottedX = x;
    m_plottedY = doc.m_dY;
    m_plottedAngle = doc.m_strAngle;
    m_plot->Show(shown, m_session.Programs(), doc.State(), doc.m_dY, x);
}

void CProgramEditor::CheckNow() {
    m_check.stop();
    if (m_shown.isEmpty()) return;
    const ProgramBook::Entry* entry = m_book.Find(m_shown.toStdString());
    const std::string text = m_text->toPlainText().toStdString();
    if (entry == nullptr || entry->body == text) return;
    const bool hadProblems = !entry->problems.empty();
    m_book.Set(entry->name, text);
    m_hooks.changed();
    ShowProblems();
    ShowPosition();
    // The list's mark follows.
    if (hadProblems != !m_book.Find(m_shown.toStdString())->problems.empty()) {
        QListWidgetItem* item = m_list->currentItem();
        if (item != nullptr) {
            m_filling = true;
            item->setText(Translated(m_book.Find(m_shown.toStdString())->ListLabel()));
            m_filling = false;
        }
    }
    EnableButtons();
}

void CProgramEditor::ShowProblems() {
    m_problems->clear();
    const ProgramBook::Entry* entry = m_book.Find(m_shown.toStdString());
    if (entry == nullptr) return;
    for (const ProgramProblem& problem : entry->problems) {
        auto* item = new QListWidgetItem(Translated(ProblemSentence(problem)), m_problems);
        item->setData(Qt::UserRole, static_cast<int>(problem.line));
    }
    if (entry->problems.empty()) new QListWidgetItem(tr("None: the program runs."), m_problems);
}

void CProgramEditor::ShowPosition() {
    QList<QTextEdit::ExtraSelection> marks;
    const ProgramRunner::Position where = m_session.RunPosition();
    const ProgramBook::Entry* entry = m_book.Find(m_shown.toStdString());
    // Only while the text is the one the run has: an edited text has other steps.
    if (where.program != nullptr && entry != nullptr && where.program->key == ProgramKey(entry->name) &&
        where.program->body == entry->body && where.step < where.program->steps.size()) {
        const ProgramStep& step = where.program->steps[where.step];
        const QString before = FromUtf8(entry->body.substr(0, step.tokenStart));
        const QString token = FromUtf8(entry->body.substr(step.tokenStart, step.tokenLength));
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(m_text->document());
        mark.cursor.setPosition(static_cast<int>(before.size()));
        mark.cursor.setPosition(static_cast<int>(before.size() + token.size()), QTextCursor::KeepAnchor);
        mark.format.setBackground(palette().highlight());
        mark.format.setForeground(palette().highlightedText());
        marks.append(mark);
        QTextCursor visible = mark.cursor;
        visible.clearSelection();
        m_text->setTextCursor(visible);
    }
    m_text->setExtraSelections(marks);
    Replot();
}

void CProgramEditor::EnableButtons() {
    const ProgramBook::Entry* entry = m_book.Find(m_shown.toStdString());
    const bool runs = entry != nullptr && entry->problems.empty();
    m_run->setEnabled(runs);
    m_step->setEnabled(runs);
    m_rename->setEnabled(entry != nullptr);
    m_delete->setEnabled(entry != nullptr);
}

void CProgramEditor::reject() {
    if (m_session.Running() && m_hooks.interrupt) {
        m_hooks.interrupt();
        return;
    }
    QDialog::reject();
}

void CProgramEditor::NewProgram() {
    CheckNow();
    const QString name = m_hooks.askName(tr("New Program"), QString());
    // The keyboard comes back to the editor, not to the calculator under it.
    raise();
    activateWindow();
    if (name.isEmpty()) return;
    if (m_book.Find(name.toStdString()) == nullptr) {
        m_book.Set(name.toStdString(), {});
        m_hooks.changed();
    }
    Refresh();
    Select(name);
    m_text->setFocus();
}

void CProgramEditor::RenameProgram() {
    CheckNow();
    const QString from = Selected();
    if (from.isEmpty()) return;
    const QString to = m_hooks.askName(tr("Rename Program"), from);
    if (to.isEmpty() || to == from) return;
    if (!m_book.Rename(from.toStdString(), to.toStdString())) {
        m_hooks.tell(tr("Rename Program"), tr("There is a program %1 already.").arg(to));
        return;
    }
    m_hooks.renamed(from, to);
    m_hooks.changed();
    m_shown = to;
    Refresh();
    Select(to);
}

void CProgramEditor::DeleteProgram() {
    const QString name = Selected();
    if (name.isEmpty()) return;
    if (!m_hooks.confirm(tr("Delete Program"), tr("Delete the program %1?").arg(name))) return;
    m_check.stop();
    m_book.Remove(name.toStdString());
    m_shown.clear();
    m_hooks.changed();
    Refresh();
}

}  // namespace tabrix
