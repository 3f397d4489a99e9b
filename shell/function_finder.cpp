#include "shell/function_finder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "document/function_help.h"
#include "view/key_help.h"
#include "view/translated_text.h"

namespace tabrix {

namespace {

// The rows the list shows before it scrolls.
constexpr int kShownRows = 10;

}  // namespace

CFunctionFinder::CFunctionFinder(std::function<void(const Action&)> perform, std::vector<FunctionId> recent,
                                 QWidget* parent)
    : QDialog(parent),
      m_perform(std::move(perform)),
      m_recent(std::move(recent)),
      m_search(new QLineEdit(this)),
      m_matches(new QListWidget(this)),
      m_hint(new QLabel(this)) {
    setWindowTitle(tr("Find Function"));
    m_search->setPlaceholderText(tr("A few letters of a function: tanh, mod, register\u2026"));
    m_search->setClearButtonEnabled(true);
    m_search->installEventFilter(this);
    m_matches->setUniformItemSizes(true);
    m_matches->setMinimumHeight(m_matches->fontMetrics().lineSpacing() * kShownRows * 5 / 4);
    m_hint->setWordWrap(true);
    // Each function's words in the user's language, for the search too.
    for (const catalogue::Function& f : catalogue::All()) {
        if (!FunctionSearch::Offered(f)) continue;
        m_words.SetTranslation(f.id, FunctionDescription(f).toStdString(),
                               QCoreApplication::translate("Functions", std::string(catalogue::FamilyName(f.family)).c_str())
                                   .toStdString());
    }
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("&Function:"), this);
    label->setBuddy(m_search);
    layout->addWidget(label);
    layout->addWidget(m_search);
    layout->addWidget(m_matches, 1);
    layout->addWidget(m_hint);
    connect(m_search, &QLineEdit::textChanged, this, [this] { Fill(); });
    connect(m_search, &QLineEdit::returnPressed, this, [this] { PerformChosen(true); });
    connect(m_matches, &QListWidget::itemActivated, this, [this] { PerformChosen(false); });
    Fill();
    resize(sizeHint().expandedTo(QSize(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 40, 0)));
}

void CFunctionFinder::Fill() {
    m_matches->clear();
    const std::vector<FunctionId> found = m_words.Find(m_search->text().trimmed().toStdString(), m_recent);
    for (const FunctionId id : found) {
        auto* item = new QListWidgetItem(Translated(FunctionSearch::Row(id)), m_matches);
        item->setData(Qt::UserRole, static_cast<int>(id));
    }
    if (m_matches->count() > 0) m_matches->setCurrentRow(0);
    m_hint->setText(Translated(FunctionSearch::Hint(found.size())));
}

FunctionId CFunctionFinder::ChosenId() const {
    const QListWidgetItem* item = m_matches->currentItem();
    return item != nullptr ? static_cast<FunctionId>(item->data(Qt::UserRole).toInt()) : FunctionId::None;
}

QString CFunctionFinder::Hint() const { return m_hint->text(); }

bool CFunctionFinder::PerformChosen(bool byBox) {
    const FunctionSearch::Choice choice =
        FunctionSearch::Choose(byBox ? m_search->text().trimmed().toStdString() : std::string(), ChosenId());
    if (!choice.action) {
        if (!choice.text.empty()) m_search->setText(QString::fromStdString(choice.text));
        if (!choice.hint.empty()) m_hint->setText(Translated(choice.hint));
        return false;
    }
    m_recent = FunctionSearch::Used(m_recent, FunctionSearch::FunctionOf(*choice.action));
    // The dialog may go once it is accepted: what it performs is kept aside.
    const auto perform = m_perform;
    const Action chosen = *choice.action;
    accept();
    perform(chosen);
    return true;
}

bool CFunctionFinder::eventFilter(QObject* watched, QEvent* event) {
    // Up and Down (and Page Up and Down) move in the list while the box keeps the keyboard.
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            QApplication::sendEvent(m_matches, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tabrix
