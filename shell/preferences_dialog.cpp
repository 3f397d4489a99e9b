#include "shell/preferences_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/key_codes.h"
#include "engine/key_table.h"
#include "document/function_search.h"
#include "view/key_help.h"
#include "view/qt_text.h"

namespace tabrix {

namespace {

enum MapChoice { kStandard, kLaptop, kCustom };

// The keys the Keyboard page opens with room for.
constexpr int kShownRows = 12;

// What a calculator key does unshifted, as its label says it ("√x").
QString KeyLabel(int code) { return QtText(KeyFunctionOf(static_cast<std::uint32_t>(code), false).label); }

}  // namespace

CPreferencesDialog::CPreferencesDialog(const Values& values, QList<KeyboardKey> reserved, QWidget* parent,
                                       QList<QKeySequence> shortcuts)
    : QDialog(parent),
      m_keys(values.keys),
      m_reserved(std::move(reserved)),
      m_programKeys(values.programKeys),
      m_programs(values.programs),
      m_shortcuts(std::move(shortcuts)) {
    setWindowTitle(tr("Preferences"));
    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    // Room for two lines, kept whether or not it says something: the
    // buttons stay where the mouse left them.
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_status->setMinimumHeight(m_status->fontMetrics().lineSpacing() * 2 + 4);
    auto* pages = new QTabWidget(this);
    pages->addTab(GeneralPage(), tr("&General"));
    pages->addTab(KeyboardPage(), tr("&Keyboard"));
    pages->addTab(FunctionsPage(), tr("F&unctions"));
    m_restore->setChecked(values.restoreAtStart);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
    FillTable();
    FillPrograms();
    FillFunctionKeys();
    SelectCode(keys::kSeven);
    CContentTable::OpenAtContentSize(*this);
}

QWidget* CPreferencesDialog::GeneralPage() {
    auto* page = new QWidget(this);
    m_restore = new QCheckBox(tr("&Restore the calculator when Tabrix starts"), page);
    auto* note = new QLabel(tr("The stack, the registers, the modes and the tape are kept while you work, "
                               "and come back when Tabrix starts without a state file."),
                            page);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_restore);
    layout->addWidget(note);
    layout->addStretch();
    return page;
}

QWidget* CPreferencesDialog::KeyboardPage() {
    auto* page = new QWidget(this);
    m_map = new QComboBox(page);
    m_map->setObjectName(QStringLiteral("keyMap"));
    m_map->addItems({tr("Standard keys"), tr("Laptop keys: also = (ENTER) on the main keyboard"), tr("Custom keys")});
    connect(m_map, &QComboBox::activated, this, &CPreferencesDialog::ChooseMap);
    m_table = new CContentTable(3, kShownRows, page);
    m_table->setObjectName(QStringLiteral("calculatorKeys"));
    m_table->setHorizontalHeaderLabels({tr("Key"), tr("Shifted"), tr("Keyboard keys")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_table, &QTableWidget::currentCellChanged, this, [this] { FillBoundKeys(); });
    // The selected key's keyboard keys, one by one: Remove a Key takes the
    // one chosen here.
    m_bound = new QListWidget(page);
    m_bound->setFlow(QListView::LeftToRight);
    m_bound->setWrapping(false);
    m_bound->setSpacing(4);
    m_bound->setSelectionMode(QAbstractItemView::SingleSelection);
    m_bound->setFixedHeight(m_bound->fontMetrics().height() * 2);
    m_boundLabel = new QLabel(page);
    m_boundLabel->setBuddy(m_bound);

    auto* set = new QPushButton(tr("&Press a Key\u2026"), page);
    auto* add = new QPushButton(tr("&Add a Key\u2026"), page);
    auto* remove = new QPushButton(tr("Re&move a Key"), page);
    remove->setObjectName(QStringLiteral("removeKey"));
    auto* restore = new QPushButton(tr("Restore &Defaults"), page);
    connect(set, &QPushButton::clicked, this, [this] { BeginCapture(Capture::Replace); });
    connect(add, &QPushButton::clicked, this, [this] { BeginCapture(Capture::Add); });
    connect(remove, &QPushButton::clicked, this, &CPreferencesDialog::RemoveKey);
    connect(restore, &QPushButton::clicked, this, [this] { ChooseMap(kStandard); });
    m_keyButtons << set << add << remove << restore;

    auto* layout = new QVBoxLayout(page);
    auto* mapLabel = new QLabel(tr("&Map:"), page);
    mapLabel->setBuddy(m_map);
    auto* mapRow = new QHBoxLayout;
    mapRow->addWidget(mapLabel);
    mapRow->addWidget(m_map, 1);
    layout->addLayout(mapRow);
    layout->addWidget(m_table, 1);
    auto* boundRow = new QHBoxLayout;
    boundRow->addWidget(m_boundLabel);
    boundRow->addWidget(m_bound, 1);
    layout->addLayout(boundRow);
    layout->addLayout(ButtonRow({set, add, remove, restore}));
    ProgramKeysSection(page, layout);
    return page;
}

QHBoxLayout* CPreferencesDialog::ButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    for (QPushButton* button : buttons) row->addWidget(button);
    row->addStretch();
    return row;
}

void CPreferencesDialog::ProgramKeysSection(QWidget* page, QVBoxLayout* layout) {
    // The keys that run programs: a function key, or one with Ctrl or Alt.
    // A few rows, whatever the number of programs: the rest scroll, and the
    // key map above keeps its room.
    constexpr int kShownPrograms = 4;
    m_programTable = new CContentTable(2, std::clamp(static_cast<int>(m_programs.size()), 2, kShownPrograms), page);
    m_programTable->setObjectName(QStringLiteral("programKeys"));
    m_programTable->setHorizontalHeaderLabels({tr("Program"), tr("Key that runs it")});
    m_programTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_programTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_programTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* setProgramKey = new QPushButton(tr("&Set Program Key\u2026"), page);
    auto* clearProgramKey = new QPushButton(tr("&Clear Program Key"), page);
    connect(setProgramKey, &QPushButton::clicked, this, [this] { BeginCapture(Capture::Program); });
    connect(clearProgramKey, &QPushButton::clicked, this, [this] {
        const QString program = SelectedProgram();
        if (program.isEmpty()) return;
        m_programKeys.Unbind(program);
        m_status->setText(tr("No key runs %1.").arg(program));
        FillPrograms();
        SelectProgram(program);
    });
    const bool anyProgram = !m_programs.isEmpty();
    for (QWidget* widget : std::initializer_list<QWidget*>{m_programTable, setProgramKey, clearProgramKey}) {
        widget->setVisible(anyProgram);
    }
    m_keyButtons << setProgramKey << clearProgramKey;
    layout->addWidget(m_programTable);
    layout->addLayout(ButtonRow({setProgramKey, clearProgramKey}));
}

QWidget* CPreferencesDialog::FunctionsPage() {
    auto* page = new QWidget(this);
    // Every function the finder offers that needs no register: a keyboard key can perform it.
    m_function = new QComboBox(page);
    m_function->setObjectName(QStringLiteral("function"));
    for (const catalogue::Function& f : catalogue::All()) {
        if (FunctionSearch::Offered(f) && f.argument == ArgumentKind::None) {
            m_function->addItem(FunctionHelpText(f), QString::fromUtf8(f.token.data(), static_cast<qsizetype>(f.token.size())));
        }
    }
    auto* functionLabel = new QLabel(tr("&Function:"), page);
    functionLabel->setBuddy(m_function);
    m_functionTable = new CContentTable(2, 6, page);
    m_functionTable->setObjectName(QStringLiteral("functionKeys"));
    m_functionTable->setHorizontalHeaderLabels({tr("Function"), tr("Keyboard key")});
    m_functionTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_functionTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_functionTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* give = new QPushButton(tr("&Give It a Key\u2026"), page);
    auto* take = new QPushButton(tr("&Remove the Key"), page);
    connect(give, &QPushButton::clicked, this, [this] { BeginCapture(Capture::Function); });
    connect(take, &QPushButton::clicked, this, &CPreferencesDialog::RemoveFunctionKey);
    m_keyButtons << give << take;
    auto* note = new QLabel(tr("A keyboard key given to a function performs it as Find Function does; it no longer "
                               "presses a calculator key."),
                            page);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(page);
    auto* functionRow = new QHBoxLayout;
    functionRow->addWidget(functionLabel);
    functionRow->addWidget(m_function, 1);
    layout->addLayout(functionRow);
    layout->addLayout(ButtonRow({give}));
    layout->addWidget(m_functionTable, 1);
    layout->addLayout(ButtonRow({take}));
    layout->addWidget(note);
    return page;
}

void CPreferencesDialog::FillFunctionKeys() {
    const QList<FunctionKey>& functions = m_keys.FunctionKeys();
    m_functionTable->setRowCount(static_cast<int>(functions.size()));
    for (int row = 0; row < functions.size(); ++row) {
        const QString texts[] = {FunctionKeyText(functions[row].token), functions[row].key.Spoken()};
        for (int column = 0; column < 2; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setData(Qt::UserRole, row);
            m_functionTable->setItem(row, column, item);
        }
    }
    m_functionTable->FitColumns();
}

void CPreferencesDialog::SelectFunction(const QString& token) {
    const int index = m_function->findData(token);
    if (index >= 0) m_function->setCurrentIndex(index);
}

void CPreferencesDialog::CaptureFunctionKey(const KeyboardKey& key) {
    const std::string token = m_function->currentData().toString().toStdString();
    const int pressed = m_keys.CodeOf(key);
    const std::optional<std::string> performed = m_keys.FunctionOf(key);
    if (!m_keys.BindFunction(token, key)) return;
    const QString now = FunctionKeyText(token);
    if (pressed != 0) {
        m_status->setText(tr("%1 pressed %2; it now performs %3.")
                              .arg(key.Spoken(), KeyLabel(pressed), now));
    } else if (performed && *performed != token) {
        m_status->setText(tr("%1 performed %2; it now performs %3.").arg(key.Spoken(), FunctionKeyText(*performed), now));
    } else {
        m_status->setText(tr("%1 now performs %2.").arg(key.Spoken(), now));
    }
    FillFunctionKeys();
    FillTable();
}

void CPreferencesDialog::RemoveFunctionKey() {
    const int row = m_functionTable->currentRow();
    const QList<FunctionKey>& functions = m_keys.FunctionKeys();
    if (row < 0 || row >= functions.size()) return;
    const FunctionKey bound = functions[row];
    m_keys.UnbindFunction(bound.key);
    m_status->setText(tr("%1 no longer performs %2.").arg(bound.key.Spoken(), FunctionKeyText(bound.token)));
    FillFunctionKeys();
}

CPreferencesDialog::Values CPreferencesDialog::Result() const {
    return {m_keys, m_restore->isChecked(), m_programKeys, m_programs};
}

void CPreferencesDialog::FillPrograms() {
    m_programTable->setRowCount(static_cast<int>(m_programs.size()));
    for (int row = 0; row < m_programs.size(); ++row) {
        const QKeySequence key = m_programKeys.KeyOf(m_programs[row]);
        const QString texts[] = {m_programs[row], key.toString(QKeySequence::NativeText)};
        for (int column = 0; column < 2; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setData(Qt::UserRole, m_programs[row]);
            m_programTable->setItem(row, column, item);
        }
    }
    m_programTable->FitColumns();
    if (m_programTable->currentRow() < 0 && !m_programs.isEmpty()) m_programTable->setCurrentCell(0, 0);
}

QString CPreferencesDialog::SelectedProgram() const {
    const QTableWidgetItem* item = m_programTable->item(m_programTable->currentRow(), 0);
    return item != nullptr ? item->data(Qt::UserRole).toString() : QString();
}

void CPreferencesDialog::SelectProgram(const QString& name) {
    const qsizetype row = m_programs.indexOf(name);
    if (row >= 0) m_programTable->setCurrentCell(static_cast<int>(row), 0);
}

void CPreferencesDialog::CaptureProgramKey(const QKeySequence& key) {
    EndCapture();
    const QString program = SelectedProgram();
    if (program.isEmpty()) return;
    if (const auto why = ProgramKeys::WhyNot(key, m_keys, m_shortcuts)) {
        m_status->setText(*why);
        return;
    }
    const QString name = key.toString(QKeySequence::NativeText);
    const QString before = m_programKeys.Bind(program, key);
    m_status->setText(before.isEmpty() ? tr("%1 now runs %2.").arg(name, program)
                                       : tr("%1 ran %2; it now runs %3.").arg(name, before, program));
    FillPrograms();
    SelectProgram(program);
}

void CPreferencesDialog::FillTable() {
    const QList<int> codes = CalculatorKeyCodes();
    m_table->setRowCount(static_cast<int>(codes.size()));
    for (int row = 0; row < codes.size(); ++row) {
        const auto code = static_cast<std::uint32_t>(codes[row]);
        const QString texts[] = {KeyLabel(codes[row]), QtText(KeyFunctionOf(code, true).label),
                                 KeyboardHelpText(codes[row], m_keys)};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setData(Qt::UserRole, codes[row]);
            if (column < 2) item->setToolTip(KeyHelpText(codes[row], m_keys));
            m_table->setItem(row, column, item);
        }
    }
    m_table->FitColumns();
    const bool standard = m_keys.SameKeypadKeys(KeyMap::Standard()), laptop = m_keys.SameKeypadKeys(KeyMap::Laptop());
    m_map->setCurrentIndex(standard ? kStandard : laptop ? kLaptop : kCustom);
    FillBoundKeys();
}

void CPreferencesDialog::FillBoundKeys() {
    const int code = SelectedCode();
    m_boundLabel->setText(tr("Ke&ys of %1:").arg(KeyLabel(code)));
    m_bound->clear();
    for (const KeyboardKey& key : m_keys.KeysOf(code)) m_bound->addItem(key.Spoken());
    m_bound->setCurrentRow(m_bound->count() - 1);  // the newest, unless another is chosen
}

int CPreferencesDialog::SelectedCode() const {
    const QTableWidgetItem* item = m_table->item(m_table->currentRow(), 0);
    return item != nullptr ? item->data(Qt::UserRole).toInt() : 0;
}

void CPreferencesDialog::SelectCode(int code) {
    const int row = static_cast<int>(CalculatorKeyCodes().indexOf(code));
    if (row >= 0) m_table->setCurrentCell(row, 0);
}

QString CPreferencesDialog::Status() const { return m_status->text(); }

void CPreferencesDialog::ChooseMap(int index) {
    if (index == kCustom) return;
    const int code = SelectedCode();
    // The function keys stay as they are.
    const QList<FunctionKey> functions = m_keys.FunctionKeys();
    m_keys = index == kLaptop ? KeyMap::Laptop() : KeyMap::Standard();
    for (const FunctionKey& bound : functions) m_keys.BindFunction(bound.token, bound.key);
    m_status->setText(index == kLaptop ? tr("The laptop keys are in use.") : tr("The standard keys are in use."));
    FillTable();
    SelectCode(code);
}

void CPreferencesDialog::BeginCapture(Capture capture) {
    const int code = SelectedCode();
    if (capture == Capture::Program) {
        if (SelectedProgram().isEmpty()) return;
        m_status->setText(tr("Press the key that is to run %1 (Escape: no key).").arg(SelectedProgram()));
    } else if (capture == Capture::Function) {
        if (m_function->currentIndex() < 0) return;
        m_status->setText(tr("Press the keyboard key for %1 (Escape: no key).").arg(m_function->currentText()));
    } else if (code == 0) {
        return;
    } else {
        m_status->setText(
            tr("Press the keyboard key for %1 (Escape: no key).").arg(KeyLabel(code)));
    }
    m_capture = capture;
    for (QPushButton* button : m_keyButtons) button->setEnabled(false);
    grabKeyboard();
}

void CPreferencesDialog::EndCapture() {
    m_capture = Capture::None;
    releaseKeyboard();
    for (QPushButton* button : m_keyButtons) button->setEnabled(true);
}

void CPreferencesDialog::CaptureKey(const KeyboardKey& key) {
    const int code = SelectedCode();
    const Capture capture = m_capture;
    EndCapture();
    if (capture == Capture::None || (code == 0 && capture != Capture::Function)) return;
    if (key.key == Qt::Key_Tab || key.key == Qt::Key_Backtab) {
        m_status->setText(tr("Tab moves the keyboard between the calculator and the tape; choose another key."));
        return;
    }
    if (m_reserved.contains(key)) {
        m_status->setText(tr("%1 is a shortcut of the window; choose another key.").arg(key.Spoken()));
        return;
    }
    if (capture == Capture::Function) {
        CaptureFunctionKey(key);
        return;
    }
    const KeyMap::Bound bound = m_keys.Bind(code, key, capture == Capture::Replace);
    const QString label = KeyLabel(code);
    QString status = bound.movedFrom == 0 ? tr("%1 now presses %2.").arg(key.Spoken(), label)
                                          : tr("%1 pressed %2; it now presses %3.")
                                                .arg(key.Spoken(), KeyLabel(bound.movedFrom), label);
    if (bound.dropped) {
        status += QLatin1Char(' ') + tr("%1 no longer presses %2: a key takes %3 keyboard keys at most.")
                                         .arg(bound.dropped->Spoken(), label)
                                         .arg(KeyMap::kMaxKeysPerCode);
    }
    m_status->setText(status);
    FillTable();
    SelectCode(code);
}

void CPreferencesDialog::RemoveKey() {
    const int code = SelectedCode();
    const QList<KeyboardKey> bound = m_keys.KeysOf(code);
    const int chosen = m_bound->currentRow();
    if (chosen < 0 || chosen >= bound.size()) return;
    const KeyboardKey key = bound[chosen];
    m_keys.Unbind(code, key);
    m_status->setText(
        tr("%1 no longer presses %2.").arg(key.Spoken(), KeyLabel(code)));
    FillTable();
    SelectCode(code);
}

void CPreferencesDialog::ChooseBoundKey(int index) { m_bound->setCurrentRow(index); }

bool CPreferencesDialog::event(QEvent* event) {
    // While a key is awaited, every key is that key: Tab, Return and
    // shortcuts too, before focus moves or a button is pressed.
    if (m_capture != Capture::None && event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (m_capture != Capture::None && event->type() == QEvent::KeyPress) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QDialog::event(event);
}

void CPreferencesDialog::keyPressEvent(QKeyEvent* event) {
    if (m_capture == Capture::None || event->isAutoRepeat()) {
        QDialog::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    const bool modifierOnly = key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
                              key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_unknown;
    if (modifierOnly) return;
    if (key == Qt::Key_Escape || key == Qt::Key_Delete) {  // these two keep their own work
        EndCapture();
        m_status->setText(tr("No key was changed."));
        return;
    }
    if (m_capture == Capture::Program) {
        const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
        CaptureProgramKey(QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key))));
        return;
    }
    CaptureKey({key, event->modifiers().testFlag(Qt::KeypadModifier)});
}

}  // namespace tabrix
