// Functions > Find Function (Ctrl+K): a small search box over every function
// the calculator has. A few letters of a token, a label or a description
// (in the user's language too) list the matches, each with what it does and
// the key that gives it; Return performs the chosen one as a key would. A
// function that takes a register asks for it: "sto+:" and a digit. The last
// few used come first.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <functional>
#include <vector>

#include "document/function_search.h"
#include "document/session_action.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace tabrix {

class CFunctionFinder final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CFunctionFinder)

public:
    // `perform` carries out the chosen function's action; `recent` is the
    // list the finder starts with, most recent first.
    CFunctionFinder(std::function<void(const Action&)> perform, std::vector<FunctionId> recent,
                    QWidget* parent = nullptr);

    QLineEdit* Search() const { return m_search; }
    QListWidget* Matches() const { return m_matches; }
    // What the hint under the box says (a register asked for, no match).
    QString Hint() const;
    // The recent list, after what was performed.
    const std::vector<FunctionId>& Recent() const { return m_recent; }

    // Performs the current match, or (`byBox`, Return in the box) what the
    // box names exactly ("sto+:3"); asks for a register first where one is
    // missing. Whether it performed.
    bool PerformChosen(bool byBox = true);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill();
    FunctionId ChosenId() const;

    std::function<void(const Action&)> m_perform;
    std::vector<FunctionId> m_recent;
    FunctionSearch m_words;
    QLineEdit* m_search;
    QListWidget* m_matches;
    QLabel* m_hint;
};

}  // namespace tabrix
