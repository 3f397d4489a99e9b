// Programs > Edit Programs: the list of programs and a plain-text editor
// for the one chosen, in the console's token language, which offers the
// tokens as completions. What is typed is
// checked as it is typed, by the same checker the console uses; the
// problems are listed with their lines, and a program with one does not
// run. Run runs it; Step carries it out one step at a time, the step to
// come marked in the text.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

#include "document/calculator_session.h"
#include "document/program_book.h"

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace tabrix {

class CFunctionPlotView;

class CProgramEditor final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CProgramEditor)

public:
    // What the window does for the editor.
    struct Hooks {
        std::function<void()> changed;                                 // the book changed
        std::function<void(const QString& name)> run;                  // Run
        std::function<void(const QString& name)> step;                 // Step
        std::function<void(const QString& from, const QString& to)> renamed;
        // Asks for a name (New, Rename); empty when cancelled.
        std::function<QString(const QString& title, const QString& current)> askName;
        // Asks a yes-or-no question; tells something that needs no answer.
        std::function<bool(const QString& title, const QString& question)> confirm;
        std::function<void(const QString& title, const QString& text)> tell;
        std::function<void()> interrupt;  // stops the running program where it stands
    };

    CProgramEditor(ProgramBook& book, const CalculatorSession& session, Hooks hooks, QWidget* parent = nullptr);

    // The book changed elsewhere (a recording, an import): the list again.
    void Refresh();
    // Marks the step the stopped run stands at, when it is in the program shown.
    void ShowPosition();
    QString Selected() const;
    void Select(const QString& name);
    QPlainTextEdit* Text() const { return m_text; }
    QListWidget* Problems() const { return m_problems; }
    CFunctionPlotView* Plot() const { return m_plot; }
    // Takes what is typed now, without waiting for the pause in typing.
    void CheckNow();
    void NewProgram();
    void RenameProgram();
    void DeleteProgram();

protected:
    // Escape (and Close) while a program runs stops the run first; the
    // editor stays, to show where it stopped.
    void reject() override;

private:
    void LayOut(QPushButton* add);
    void ConnectEditing();
    void ShowSelected();
    void ShowProblems();
    void EnableButtons();
    // The plot of the program shown, over Y and X.
    void Replot();

    ProgramBook& m_book;
    const CalculatorSession& m_session;
    Hooks m_hooks;
    QListWidget* m_list = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QListWidget* m_problems = nullptr;
    QPushButton* m_run = nullptr;
    QPushButton* m_step = nullptr;
    QPushButton* m_rename = nullptr;
    QPushButton* m_delete = nullptr;
    CFunctionPlotView* m_plot = nullptr;
    std::shared_ptr<const Program> m_plotted;
    double m_plottedX = 0, m_plottedY = 0;
    std::string m_plottedAngle;
    QTimer m_check;
    bool m_filling = false;  // the text is being set, not typed
    QString m_shown;         // the program the text belongs to
};

}  // namespace tabrix
