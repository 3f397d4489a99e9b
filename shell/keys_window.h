// Help > Keys and Keyboard: every key of the calculator with its function,
// its shifted function and the keyboard keys that press it, from the same
// tables the calculator and the view work with.
#pragma once

#include <QCoreApplication>
#include <QDialog>

#include "view/key_map.h"

#include "shell/content_table.h"

namespace tabrix {

class CKeysWindow final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CKeysWindow)

public:
    CKeysWindow(const KeyMap& keys, QWidget* parent = nullptr);
    // The keyboard column follows a changed key map.
    void SetKeyMap(const KeyMap& keys);
    QTableWidget* Table() const { return m_table; }

private:
    CContentTable* m_table;
};

}  // namespace tabrix
