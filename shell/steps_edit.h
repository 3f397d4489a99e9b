// The text of a program's steps in Edit Programs: a plain-text editor that
// offers the tokens a program may hold as completions of the word being
// typed ("ta" offers TAN and tanh, "sto" STO and sto+: ...). Up and Down
// choose among them, Return or Tab takes one, Escape or going on typing
// leaves them.
#pragma once

#include <QPlainTextEdit>

class QCompleter;
class QStandardItemModel;

namespace tabrix {

class CStepsEdit final : public QPlainTextEdit {
public:
    explicit CStepsEdit(QWidget* parent = nullptr);

    QCompleter* Completer() const { return m_completer; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString WordBeforeCursor() const;
    // Offers the completions of the word before the cursor, or hides them.
    void Offer();
    void Complete(const QString& text);

    QCompleter* m_completer;
    QStandardItemModel* m_completions;
};

}  // namespace tabrix
