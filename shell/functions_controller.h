// The desktop program's Functions menu: Find Function (Ctrl+K), which
// opens the finder, and a submenu for each family with every function of
// the catalogue, so that a function no key gives is a click away. What a
// function does, and what performing it records, is the calculator
// session's; the last few used are kept in the settings.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

#include "document/session_action.h"
#include "shell/function_finder.h"

class QMenu;
class QWidget;

namespace tabrix {

class CFunctionsController final : public QObject {
    Q_DECLARE_TR_FUNCTIONS(CFunctionsController)

public:
    // `perform` carries out an action as the window does; the finder stands over `window`.
    CFunctionsController(std::function<void(const Action&)> perform, QWidget* window);

    // The families' submenus, after the menu's items so far.
    void FillMenu(QMenu* menu);
    // Opens the finder with `text` in its box (a function that takes a
    // register, from its menu item: "sto+:").
    void Find(const QString& text = {});
    // The finder while it is open, for tests.
    CFunctionFinder* Finder() const { return m_finder; }
    // What solve and integrate do from the menu: ask for the program and
    // the guesses (the window's Solve… and Integrate…).
    std::function<void(Action::Kind kind)> askNumeric;

private:
    void Perform(const Action& action);

    std::function<void(const Action&)> m_perform;
    QWidget* m_window;
    std::vector<FunctionId> m_recent;
    QPointer<CFunctionFinder> m_finder;
};

}  // namespace tabrix
