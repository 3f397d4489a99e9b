#include "shell/keys_window.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/key_table.h"
#include "view/key_help.h"

namespace tabrix {

namespace {

enum Column { kFunction, kShifted, kKeyboard, kColumns };

// The rows the window opens with room for: most of the 29 keys.
constexpr int kShownRows = 16;

}  // namespace

CKeysWindow::CKeysWindow(const KeyMap& keys, QWidget* parent)
    : QDialog(parent), m_table(new CContentTable(kColumns, kShownRows, this)) {
    setWindowTitle(tr("Keys and Keyboard"));
    m_table->setObjectName(QStringLiteral("calculatorKeys"));
    m_table->setHorizontalHeaderLabels({tr("Key"), tr("Shifted (after F)"), tr("Keyboard keys")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    auto* note = new QLabel(tr("Delete clears X; Escape clears the stack and the registers and keeps the modes. "
                               "Edit > Preferences changes the keyboard keys."),
                            this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(note);
    layout->addWidget(buttons);
    SetKeyMap(keys);
    CContentTable::OpenAtContentSize(*this);
}

void CKeysWindow::SetKeyMap(const KeyMap& keys) {
    const QList<int> codes = CalculatorKeyCodes();
    const QList<FunctionKey>& functions = keys.FunctionKeys();
    m_table->setRowCount(static_cast<int>(codes.size() + functions.size()));
    const auto fill = [this](int row, const QString (&texts)[kColumns]) {
        for (int column = 0; column < kColumns; ++column) m_table->setItem(row, column, new QTableWidgetItem(texts[column]));
    };
    for (int row = 0; row < codes.size(); ++row) {
        const auto code = static_cast<std::uint32_t>(codes[row]);
        fill(row, {FunctionHelpText(KeyFunctionOf(code, false)), FunctionHelpText(KeyFunctionOf(code, true)),
                   KeyboardHelpText(codes[row], keys)});
    }
    // The keyboard keys that perform a function of their own, after the calculator's keys.
    for (int i = 0; i < functions.size(); ++i) {
        fill(static_cast<int>(codes.size()) + i, {FunctionKeyText(functions[i].token), QString(), functions[i].key.Spoken()});
    }
    m_table->FitColumns();
}

}  // namespace tabrix
