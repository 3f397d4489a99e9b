#include "shell/steps_edit.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTextBlock>

#include "document/token_completion.h"
#include "view/translated_text.h"

namespace tabrix {

namespace {

// The text a completion puts in the word's place ("sto+:"), beside what the list shows.
constexpr int kTextRole = Qt::UserRole + 1;

}  // namespace

CStepsEdit::CStepsEdit(QWidget* parent)
    : QPlainTextEdit(parent), m_completer(new QCompleter(this)), m_completions(new QStandardItemModel(this)) {
    m_completer->setModel(m_completions);
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setWidget(this);
    m_completer->popup()->setObjectName(QStringLiteral("tokenCompletions"));
    connect(m_completer, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) { Complete(index.data(kTextRole).toString()); });
}

void CStepsEdit::keyPressEvent(QKeyEvent* event) {
    QAbstractItemView* popup = m_completer->popup();
    if (popup->isVisible()) {
        switch (event->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Escape:
                event->ignore();  // the list's own: take the completion, or leave the list
                return;
            default: break;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
    const bool typed = !event->text().isEmpty() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (typed || (popup->isVisible() && event->key() == Qt::Key_Backspace)) {
        Offer();
    } else if (popup->isVisible() && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        popup->hide();
    }
}

QString CStepsEdit::WordBeforeCursor() const {
    const QTextCursor cursor = textCursor();
    const QString line = cursor.block().text().left(cursor.positionInBlock());
    qsizetype start = line.size();
    while (start > 0 && !line.at(start - 1).isSpace()) --start;
    return line.mid(start);
}

void CStepsEdit::Offer() {
    const std::vector<TokenCompletion> found = CompleteToken(WordBeforeCursor().toStdString());
    if (found.empty()) {
        m_completer->popup()->hide();
        return;
    }
    m_completions->clear();
    for (const TokenCompletion& completion : found) {
        auto* item = new QStandardItem(QString::fromStdString(completion.pattern) + QStringLiteral("   ") +
                                       Translated(completion.help));
        item->setData(QString::fromStdString(completion.text), kTextRole);
        item->setEditable(false);
        m_completions->appendRow(item);
    }
    QRect at = cursorRect();
    QAbstractItemView* popup = m_completer->popup();
    at.setWidth(popup->sizeHintForColumn(0) + popup->verticalScrollBar()->sizeHint().width());
    m_completer->complete(at);
    popup->setCurrentIndex(m_completions->index(0, 0));
}

void CStepsEdit::Complete(const QString& text) {
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, static_cast<int>(WordBeforeCursor().size()));
    cursor.insertText(text);
    setTextCursor(cursor);
}

}  // namespace tabrix
