// One command of the main window as data: where it stands in the menus, what
// it reads, which keys issue it, what it does and when it is available.
// CMainFrame builds a QAction from each row and routes every command id
// through the same rows.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>

#include "document/services.h"

namespace tabrix {

enum class MenuId { None, File, Edit, Sto, Rcl, More, Programs, Functions, View, Help };

struct CommandRow {
    int id = 0;                     // 0: a separator in `menu`
    MenuId menu = MenuId::None;     // None: reached by its shortcuts and buttons only
    QString text = {};              // the item's text; Qt shows the first shortcut beside it
    QList<QKeySequence> shortcuts = {};
    std::function<void()> handler = {};  // empty: the command does nothing
    // Sets the item's state (enabled, text, check) before its menu opens and
    // after every change, as the document's OnUpdate handlers do; empty:
    // always enabled. A command found disabled is not carried out.
    std::function<void(ICommandUI&)> update = {};
};

}  // namespace tabrix
