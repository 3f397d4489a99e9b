// The desktop program's side of programs: the Programs menu, with an item
// (and its key) for each program; Record Program and Stop Recording; Edit,
// Import and Export; the keys that run programs; the file the programs are
// kept in; and a run that goes on in slices between the window's events,
// with a notice while it runs. What a run does, and what it records, is the
// calculator session's.
#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "document/calculator_session.h"
#include "document/program_book.h"
#include "document/services.h"
#include "shell/program_editor.h"
#include "shell/program_keys.h"
#include "shell/program_store.h"
#include "view/key_map.h"

class QAction;
class QMenu;
class QWidget;

namespace tabrix {

class CProgramsController final : public QObject {
    Q_DECLARE_TR_FUNCTIONS(CProgramsController)

public:
    // What the controller needs of the main window.
    struct Window {
        QWidget* widget = nullptr;  // the main window: program keys act in it, dialogs stand over it
        std::function<Outcome(const Action&)> perform;
        // A notice under the LCD for `milliseconds` (0: until replaced); an
        // empty text takes the notice away.
        std::function<void(const QString& text, int milliseconds)> notice;
        IFileDialog* fileDialog = nullptr;
        IMessageBox* messageBox = nullptr;
        std::function<QList<QKeySequence>()> windowShortcuts;
        std::function<KeyMap()> calculatorKeys;
        // Asks for a program's name, a yes or no (dialogs; tests answer instead).
        std::function<QString(const QString& title, const QString& label, const QString& current)> askName;
        std::function<bool(const QString& title, const QString& question)> confirm;
    };

    // `folder` holds programs.txt.
    CProgramsController(CalculatorSession& session, QString folder, Window window);
    ~CProgramsController() override;

    // The Programs menu: an item for each program is put before `fixed`.
    void SetMenu(QMenu* menu, QAction* fixed);

    void Record();
    void StopRecording();
    void Continue();
    void Edit();
    void Import();
    void Export();
    void Run(const QString& name);
    void Step(const QString& name);
    bool Recording() const { return m_session.Recording(); }
    bool CanContinue() const;

    // After every action: a run that has more to do goes on after the
    // window's events; what a run came to is told.
    void Follow(const Outcome& outcome);

    ProgramBook& Book() { return m_book; }
    ProgramStore& Store() { return *m_store; }
    const ProgramKeys& Keys() const { return m_keys; }
    // New program keys, from Preferences: kept in the settings, and in use.
    void SetKeys(const ProgramKeys& keys);
    CProgramEditor* Editor() const { return m_editor; }
    // The action that runs `name` (its menu item, with its key), for tests.
    QAction* ActionOf(const QString& name) const;

private:
    // The items and keys again, after the book or the keys changed.
    void Rebuild();
    void BookChanged();
    // A name, or a yes or no, asked over `over` (the main window when null).
    QString AskName(const QString& title, const QString& current, QWidget* over = nullptr);
    bool Confirm(const QString& title, const QString& question, QWidget* over = nullptr);
    void Tell(const QString& text, const QString& details = {});

    CalculatorSession& m_session;
    Window m_window;
    ProgramBook m_book;
    std::unique_ptr<ProgramStore> m_store;
    ProgramKeys m_keys;
    QPointer<QMenu> m_menu;
    QAction* m_fixed = nullptr;
    std::vector<QAction*> m_programActions;
    QPointer<CProgramEditor> m_editor;
};

}  // namespace tabrix
