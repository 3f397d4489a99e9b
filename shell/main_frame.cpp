#include "shell/main_frame.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLayout>
#include <QLocale>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyle>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QToolBar>
#include <QKeyEvent>
#include <QTimer>
#include <QDebug>
#include <algorithm>

#include "document/file_io.h"
#include "shell/app_folders.h"
#include "shell/command_ids.h"
#include "shell/document_texts.h"
#include "shell/numeric_dialog.h"
#include "shell/toolbar_icons.h"
#include "view/keypad_geometry.h"
#include "view/picture_rect.h"
#include "view/qt_text.h"
#include "view/translated_text.h"

namespace tabrix {

namespace {

// Menu titles, in menu-bar order. The calculator's own menus stand in the
// bar; those it grew since (programs, functions, the view) wait under More,
// a title drawn as three lines, so that the bar fits the 240-pixel window in
// every language.
struct MenuTitle {
    MenuId id;
    const char* title;
    MenuId parent = MenuId::None;  // a submenu of this menu
};
const MenuTitle kMenuTitles[] = {
    {MenuId::File, QT_TRANSLATE_NOOP("CMainFrame", "&File")}, {MenuId::Edit, QT_TRANSLATE_NOOP("CMainFrame", "&Edit")},
    {MenuId::Sto, QT_TRANSLATE_NOOP("CMainFrame", "&STO")},   {MenuId::Rcl, QT_TRANSLATE_NOOP("CMainFrame", "&RCL")},
    {MenuId::More, QT_TRANSLATE_NOOP("CMainFrame", "&More")},
    {MenuId::Programs, QT_TRANSLATE_NOOP("CMainFrame", "&Programs"), MenuId::More},
    {MenuId::Functions, QT_TRANSLATE_NOOP("CMainFrame", "F&unctions"), MenuId::More},
    {MenuId::View, QT_TRANSLATE_NOOP("CMainFrame", "&View"), MenuId::More},
    {MenuId::Help, QT_TRANSLATE_NOOP("CMainFrame", "&Help")},
};

// The menu bar's titles closer together than the style has them.
class CompactMenuBarStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_MenuBarItemSpacing) return 0;
        if (metric == PM_MenuBarHMargin) return 1;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_MenuBarItem) result.rwidth() = std::min(result.width(), size.width() + 6);
        return result;
    }
};

using K = QKeySequence;

QSize AvailableScreen(const FrameServices& services) {
    if (services.availableScreen) return services.availableScreen();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry().size() : QSize(kFaceWidth, kFaceHeight);
}

// An item's state as its update handler leaves it, without an item.
class EnabledProbe final : public ICommandUI {
public:
    void Enable(bool enabled) override { m_enabled = enabled; }
    void SetText(const std::string&) override {}
    bool Enabled() const { return m_enabled; }

private:
    bool m_enabled = true;
};

}  // namespace

CMainFrame::CMainFrame(CalculatorSession& session, const FrameServices& services, QWidget* parent)
    : QMainWindow(parent),
      m_calculator(session),
      m_doc(session.Doc()),
      m_services(services),
      m_view(new CTabrixView(session, this)) {
    setWindowTitle(QStringLiteral("Tabrix"));
    setCentralWidget(m_view);
    m_view->onPerformed = [this](const Outcome& outcome) { AfterAction(outcome); };
    m_doc.SetShellRequests(this);

    // The first picture is drawn on another core while the window is made,
    // at the zoom the user left (a first start, which has none, draws it
    // when it paints).
    LoadKeyMap();
    if (!m_services.faceFolder.isEmpty()) m_view->KeepFacesIn(m_services.faceFolder);
    const QVariant remembered = QSettings().value(QStringLiteral("View/Zoom"));
    if (remembered.isValid()) m_view->DrawFirstPictureAhead(remembered.toInt() / 100.0);

    CreatePrograms();
    m_functions = std::make_unique<CFunctionsController>([this](const Action& action) { Perform(action); }, this);
    m_functions->askNumeric = [this](Action::Kind kind) { AskNumeric(kind); };
    CreateActions();
    CreateToolBar();
    // The tape's panel is made when it is first shown: a hidden one would
    // only slow the start.
    if (QSettings().value(QStringLiteral("View/Tape"), false).toBool()) CreateTapePanel();
    CreateSessionStore();
    if (QSettings().value(QStringLiteral("View/Statistics"), false).toBool()) ShowStatistics(true);
    if (QSettings().value(QStringLiteral("View/Bits"), false).toBool()) ShowBits(true);

    m_view->setFocus();
    ApplyZoom(StartZoom(remembered.isValid() ? std::optional<int>(remembered.toInt()) : std::nullopt,
                        AvailableScreen(m_services), [this](int percent) { return WindowSizeAt(percent); }));

    if (m_services.recentFiles != nullptr) {
        m_services.recentFiles->SetChangedCallback([this] { RebuildRecentFiles(); });
    }
    RebuildRecentFiles();
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] { UpdateCommandUI(); });
    UpdateCommandUI();
}

CMainFrame::~CMainFrame() {
    m_programs.reset();  // a recording still on is kept, and the programs saved
    m_store.reset();     // kept once more, while the window's panels still look on
    delete m_tapePanel;  // its list lets go of the tape, which goes before the window's children
    if (m_services.recentFiles != nullptr) m_services.recentFiles->SetChangedCallback(nullptr);
    m_doc.SetShellRequests(nullptr);
}

std::vector<CommandRow> CMainFrame::CommandTable() {
    std::vector<CommandRow> rows;
    using Part = std::vector<CommandRow> (CMainFrame::*)();
    for (Part part : {&CMainFrame::FileCommands, &CMainFrame::EditCommands, &CMainFrame::RegisterCommands,
                      &CMainFrame::ProgramCommands, &CMainFrame::FunctionCommands, &CMainFrame::ViewAndHelpCommands}) {
        std::vector<CommandRow> more = (this->*part)();
        rows.insert(rows.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    }
    return rows;
}

std::vector<CommandRow> CMainFrame::FileCommands() {
    using Kind = Action::Kind;
    std::vector<CommandRow> rows = {
        {cmd::kFileSaveState, MenuId::File, tr("&Save State"), {}, [this] { Perform(Action::Command(Kind::Save)); }},
        {cmd::kFileLoadState, MenuId::File, tr("&Load State"), {}, [this] { Perform(Action::Command(Kind::Load)); }},
        {.menu = MenuId::File},
    };
    for (int i = 0; i < RecentFileList::kMaxEntries; ++i) {
        rows.push_back({cmd::kFileMruFirst + i, MenuId::File, {}, {}, [this, i] { OpenRecentFile(i); }});
    }
    rows.insert(rows.end(), {
        {.menu = MenuId::File},
        {cmd::kFileResetState, MenuId::File, tr("R&eset State"), {}, [this] { Perform(Action::Command(Kind::Reset)); }},
        {cmd::kAppExit, MenuId::File, tr("E&xit"), {K(Qt::CTRL | Qt::Key_Q)}, [this] { close(); }},
        // Keys without a menu item. Ctrl+S never writes an empty file: it
        // saves the state like Save State.
        {cmd::kFileNew, MenuId::None, {}, {K(Qt::CTRL | Qt::Key_N)}, [this] { Perform(Action::Command(Kind::New)); }},
        {cmd::kFileOpen, MenuId::None, {}, {K(Qt::CTRL | Qt::Key_O)}, [this] { OpenDocument(); }},
        {cmd::kFileSave, MenuId::None, {}, {K(Qt::CTRL | Qt::Key_S)}, [this] { Perform(Action::Command(Kind::Save)); }},
    });
    return rows;
}

std::vector<CommandRow> CMainFrame::EditCommands() {
    using Kind = Action::Kind;
    const auto perform = [this](Kind kind) { return [this, kind] { Perform(Action::Command(kind)); }; };
    const auto paste = [this](ICommandUI& ui) { m_calculator.Commands().OnUpdateEditPaste(ui); };
    return {
        {cmd::kEditUndo, MenuId::Edit, tr("&Undo"), {K(Qt::CTRL | Qt::Key_Z), K(Qt::ALT | Qt::Key_Backspace)},
         perform(Kind::Undo), [this](ICommandUI& ui) { ui.Enable(m_calculator.CanUndo()); }},
        {cmd::kEditRedo, MenuId::Edit, tr("&Redo"), {K(Qt::CTRL | Qt::Key_Y), K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
         perform(Kind::Redo), [this](ICommandUI& ui) { ui.Enable(m_calculator.CanRedo()); }},
        {.menu = MenuId::Edit},
        {cmd::kEditCut, MenuId::Edit, tr("Cu&t"), {K(Qt::CTRL | Qt::Key_X), K(Qt::SHIFT | Qt::Key_Delete)},
         perform(Kind::Cut)},
        {cmd::kEditCopy, MenuId::Edit, tr("&Copy"), {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)},
         perform(Kind::Copy)},
        {cmd::kEditPaste, MenuId::Edit, tr("&Paste"), {K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)},
         perform(Kind::Paste), paste},
        {.menu = MenuId::Edit},
        {cmd::kEditCopyExact, MenuId::Edit, tr("Copy &Exact"), {K(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
         perform(Kind::CopyExact)},
        {cmd::kEditPasteNumber, MenuId::Edit, tr("Paste &Number"), {K(Qt::CTRL | Qt::SHIFT | Qt::Key_V)},
         perform(Kind::PasteNumber), paste},
        {cmd::kEditPasteData, MenuId::Edit, tr("Paste &Data"), {}, perform(Kind::PasteData), paste},
        {cmd::kEditCopyBasePrefix, MenuId::Edit, tr("Copy Words with &Base Prefix"), {},
         [this] { SetCopyBasePrefix(!m_copyBasePrefix); }, [this](ICommandUI& ui) { ui.SetCheck(m_copyBasePrefix); }},
        {.menu = MenuId::Edit},
        {cmd::kEditPreferences, MenuId::Edit, tr("Pre&ferences\u2026"), {K(Qt::CTRL | Qt::Key_Comma)},
         [this] { EditPreferences(); }},
    };
}

std::vector<CommandRow> CMainFrame::RegisterCommands() {
    // The items read "0" to "9" until their menu first opens; then they show
    // the registers in the current format.
    using Kind = Action::Kind;
    std::vector<CommandRow> rows;
    for (int n = 0; n < 10; ++n) {
        rows.push_back({kStoreCommandIds[n], MenuId::Sto, QString::number(n), {},
                        [this, n] { Perform(Action::Register(Kind::Store, n)); },
                        [this, n](ICommandUI& ui) { m_calculator.Commands().OnUpdateStoreRegister(n, ui); }});
    }
    for (int n = 0; n < 10; ++n) {
        rows.push_back({kRecallCommandIds[n], MenuId::Rcl, QString::number(n), {},
                        [this, n] { Perform(Action::Register(Kind::Recall, n)); },
                        [this, n](ICommandUI& ui) { m_calculator.Commands().OnUpdateRecallRegister(n, ui); }});
    }
    return rows;
}

std::vector<CommandRow> CMainFrame::ProgramCommands() {
    // Each program's item stands before these, put there by the controller.
    const auto whenNotRunning = [this](ICommandUI& ui) { ui.Enable(!m_calculator.Running()); };
    return {
        {.menu = MenuId::Programs},
        {cmd::kProgramsRecord, MenuId::Programs, tr("&Record Program\u2026"), {}, [this] { m_programs->Record(); },
         [this](ICommandUI& ui) { ui.Enable(!m_programs->Recording() && !m_calculator.Running()); }},
        {cmd::kProgramsStopRecording, MenuId::Programs, tr("&Stop Recording"), {}, [this] { m_programs->StopRecording(); },
         [this](ICommandUI& ui) { ui.Enable(m_programs->Recording()); }},
        {cmd::kProgramsContinue, MenuId::Programs, tr("&Continue"), {}, [this] { m_programs->Continue(); },
         [this](ICommandUI& ui) { ui.Enable(m_programs->CanContinue()); }},
        {.menu = MenuId::Programs},
        {cmd::kProgramsEdit, MenuId::Programs, tr("&Edit Programs\u2026"), {}, [this] { m_programs->Edit(); }},
        {cmd::kProgramsImport, MenuId::Programs, tr("&Import Programs\u2026"), {}, [this] { m_programs->Import(); },
         whenNotRunning},
        {cmd::kProgramsExport, MenuId::Programs, tr("E&xport Programs\u2026"), {}, [this] { m_programs->Export(); }},
    };
}

std::vector<CommandRow> CMainFrame::FunctionCommands() {
    // The families' submenus follow, from the catalogue.
    return {
        {cmd::kFunctionsFind, MenuId::Functions, tr("&Find Function\u2026"), {K(Qt::CTRL | Qt::Key_K)},
         [this] { m_functions->Find(); }, [this](ICommandUI& ui) { ui.Enable(!m_calculator.Running()); }},
        {cmd::kFunctionsSolve, MenuId::Functions, tr("&Solve\u2026"), {}, [this] { AskNumeric(Action::Kind::Solve); },
         [this](ICommandUI& ui) { ui.Enable(!m_calculator.Running()); }},
        {cmd::kFunctionsIntegrate, MenuId::Functions, tr("&Integrate\u2026"), {},
         [this] { AskNumeric(Action::Kind::Integrate); }, [this](ICommandUI& ui) { ui.Enable(!m_calculator.Running()); }},
    };
}

void CMainFrame::AskNumeric(Action::Kind kind) {
    auto* dialog = new CNumericDialog(kind, m_calculator, [this](const Action& action) { Perform(action); }, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void CMainFrame::CreatePrograms() {
    CProgramsController::Window window;
    window.widget = this;
    window.perform = [this](const Action& action) { return Perform(action); };
    window.notice = [this](const QString& text, int milliseconds) { ShowNotice(text, milliseconds); };
    window.fileDialog = m_services.fileDialog;
    window.messageBox = m_services.messageBox;
    window.windowShortcuts = [this] {
        QList<QKeySequence> shortcuts;
        for (const auto& [id, action] : m_actions) shortcuts += action->shortcuts();
        return shortcuts;
    };
    window.calculatorKeys = [this] { return m_view->Keys(); };
    window.askName = m_services.askName;
    window.confirm = m_services.confirm;
    m_programs = std::make_unique<CProgramsController>(
        m_calculator, m_services.programFolder.isEmpty() ? DataFolder() : m_services.programFolder, std::move(window));
}

void CMainFrame::ClearTape() {
    // The tape and Undo begin again together: say so while there is something to undo.
    if (m_calculator.CanUndo()) {
        const QString question = tr("Clear the tape? Undo then begins again with it: what was done before can no "
                                    "longer be undone.");
        const bool clear = m_services.confirm ? m_services.confirm(tr("Clear Tape"), question)
                                              : QMessageBox::question(this, tr("Clear Tape"), question) == QMessageBox::Yes;
        if (!clear) return;
    }
    Perform(Action::Command(Action::Kind::ClearTape));
}

std::vector<CommandRow> CMainFrame::ViewAndHelpCommands() {
    return {
        {cmd::kViewZoomIn, MenuId::View, tr("&Zoom In"), {K(Qt::CTRL | Qt::Key_Plus), K(Qt::CTRL | Qt::Key_Equal)},
         [this] { StepZoom(+1); }, [this](ICommandUI& ui) { ui.Enable(NextZoom(+1).has_value()); }},
        {cmd::kViewZoomOut, MenuId::View, tr("Zoom &Out"), {K(Qt::CTRL | Qt::Key_Minus)}, [this] { StepZoom(-1); },
         [this](ICommandUI& ui) { ui.Enable(m_zoomPercent > kZoomSteps.front()); }},
        {cmd::kViewActualSize, MenuId::View, tr("&Actual Size"), {K(Qt::CTRL | Qt::Key_0)},
         [this] { SetZoomPercent(100); }},
        {.menu = MenuId::View},
        {cmd::kViewTape, MenuId::View, tr("&Tape"), {K(Qt::CTRL | Qt::Key_T)}, [this] { ShowTape(m_tapePanel == nullptr || m_tapePanel->isHidden()); },
         [this](ICommandUI& ui) { ui.SetCheck(m_tapePanel != nullptr && !m_tapePanel->isHidden()); }},
        {cmd::kViewStatistics, MenuId::View, tr("Stat&istics"), {},
         [this] { ShowStatistics(m_statisticsPanel == nullptr || m_statisticsPanel->isHidden()); },
         [this](ICommandUI& ui) { ui.SetCheck(m_statisticsPanel != nullptr && !m_statisticsPanel->isHidden()); }},
        {cmd::kViewBits, MenuId::View, tr("&Bits"), {}, [this] { ShowBits(m_bitsPanel == nullptr || m_bitsPanel->isHidden()); },
         [this](ICommandUI& ui) { ui.SetCheck(m_bitsPanel != nullptr && !m_bitsPanel->isHidden()); }},
        {cmd::kViewClearTape, MenuId::View, tr("&Clear Tape"), {},
         [this] { ClearTape(); }},
        {cmd::kViewSaveTapeAs, MenuId::View, tr("&Save Tape As\u2026"), {K(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
         [this] { SaveTapeAs(); }},
        {.menu = MenuId::View},
        {cmd::kViewKeyboardKeys, MenuId::View, tr("&Keyboard Keys"), {}, [this] { ShowKeyboardKeys(!m_view->ShowsKeyboardKeys()); },
         [this](ICommandUI& ui) { ui.SetCheck(m_view->ShowsKeyboardKeys()); }},
        {cmd::kViewHighContrastLcd, MenuId::View, tr("&High-Contrast LCD"), {},
         [this] { SetHighContrastLcd(!m_view->HighContrastLcd()); },
         [this](ICommandUI& ui) { ui.SetCheck(m_view->HighContrastLcd()); }},
        {cmd::kHelpKeys, MenuId::Help, tr("&Keys and Keyboard"), {K(Qt::Key_F1)}, [this] { ShowKeysWindow(); }},
        {cmd::kAppAbout, MenuId::Help, tr("&About Tabrix..."), {}, [this] {
             if (m_services.showAbout) m_services.showAbout();
         }},
        // The pane keys have no command behind them and do nothing.
        {cmd::kNextPane, MenuId::None, {}, {K(Qt::Key_F6)}},
        {cmd::kPrevPane, MenuId::None, {}, {K(Qt::SHIFT | Qt::Key_F6)}},
    };
}

void CMainFrame::CreateActions() {
    m_rows = CommandTable();
    std::map<MenuId, QMenu*> menus;
    auto* compact = new CompactMenuBarStyle(menuBar()->style()->name());
    compact->setParent(menuBar());
    menuBar()->setStyle(compact);
    for (const auto& [id, title, parent] : kMenuTitles) {
        QMenu* menu = parent == MenuId::None ? menuBar()->addMenu(tr(title)) : menus[parent]->addMenu(tr(title));
        if (id == MenuId::More) menu->menuAction()->setIcon(MoreIcon(menuBar()->palette().color(QPalette::ButtonText)));
        menus[id] = menu;
        connect(menu, &QMenu::aboutToShow, this, [this, id = id] { UpdateCommandUI(id); });
        // A menu closed with Escape leaves the menu bar waiting for keys,
        // unlit: once no menu is open, the keyboard goes back to the calculator.
        connect(menu, &QMenu::aboutToHide, this, [this] {
            QTimer::singleShot(0, this, [this] {
                if (QApplication::activePopupWidget() == nullptr && menuBar()->hasFocus()) m_view->setFocus();
            });
        });
        menu->setToolTipsVisible(true);  // a recent file's tooltip is its whole path
    }
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const CommandRow& row = m_rows[i];
        QMenu* menu = row.menu == MenuId::None ? nullptr : menus[row.menu];
        if (row.id == 0) {
            if (menu != nullptr) menu->addSeparator();
            continue;
        }
        auto* action = new QAction(row.text, this);
        action->setData(row.id);
        action->setShortcuts(row.shortcuts);
        connect(action, &QAction::triggered, this, [this, id = row.id] { OnCommand(id); });
        if (menu != nullptr) menu->addAction(action);
        addAction(action);
        m_actions[row.id] = action;
        m_rowOfId[row.id] = i;
    }
    m_functions->FillMenu(menus[MenuId::Functions]);
    // The programs' items go in front of the menu's first separator.
    QMenu* programs = menus[MenuId::Programs];
    m_programs->SetMenu(programs, programs->actions().value(0));
    m_actions[cmd::kEditCut]->setIcon(CutIcon());
    m_actions[cmd::kEditCopy]->setIcon(CopyIcon());
    m_actions[cmd::kEditPaste]->setIcon(PasteIcon());
    m_actions[cmd::kAppAbout]->setIcon(AboutIcon());
}

void CMainFrame::CreateToolBar() {
    QToolBar* bar = addToolBar(tr("Commands"));
    bar->setObjectName(QStringLiteral("commandBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    bar->toggleViewAction()->setEnabled(false);
    const std::pair<int, const char*> buttons[] = {
        {cmd::kEditCut, QT_TR_NOOP("Cut")}, {cmd::kEditCopy, QT_TR_NOOP("Copy")}, {cmd::kEditPaste, QT_TR_NOOP("Paste")},
        {0, nullptr}, {cmd::kAppAbout, QT_TR_NOOP("About")}};
    bar->addSeparator();
    for (const auto& [id, tip] : buttons) {
        if (id == 0) {
            bar->addSeparator();
            continue;
        }
        QAction* action = m_actions[id];
        action->setToolTip(tr(tip));
        bar->addAction(action);
    }
    bar->addSeparator();
}

void CMainFrame::UpdateCommandUI(std::optional<MenuId> menu) {
    for (const CommandRow& row : m_rows) {
        if (row.id == 0 || !row.update) continue;
        if (menu ? row.menu != *menu : row.shortcuts.isEmpty()) continue;
        QtCommandUI ui(m_actions[row.id]);
        row.update(ui);
    }
}

bool CMainFrame::OnCommand(int commandId) {
    const auto found = m_rowOfId.find(commandId);
    if (found == m_rowOfId.end() || !m_rows[found->second].handler) return false;
    const CommandRow& row = m_rows[found->second];
    if (row.update) {
        EnabledProbe probe;
        row.update(probe);
        if (!probe.Enabled()) return true;  // a greyed item does nothing
    }
    row.handler();
    UpdateCommandUI();
    return true;
}

void CMainFrame::keyPressEvent(QKeyEvent* event) {
    if (m_view->hasFocus()) {
        QMainWindow::keyPressEvent(event);
    } else {
        m_view->TakeKeyPress(event);
    }
}

void CMainFrame::keyReleaseEvent(QKeyEvent* event) {
    if (m_view->hasFocus()) {
        QMainWindow::keyReleaseEvent(event);
    } else {
        m_view->TakeKeyRelease(event);
    }
}

Outcome CMainFrame::Perform(const Action& action) {
    const Outcome outcome = m_calculator.Perform(action);
    AfterAction(outcome);
    return outcome;
}

void CMainFrame::AfterAction(const Outcome& outcome) {
    // While a program runs, its lasting notice says how to stop it, and what
    // is refused meanwhile says nothing; the run's end takes the notice away
    // or says how it ended.
    if (!outcome.notice.empty() && (outcome.noticeLasts || !m_calculator.Running())) {
        ShowNotice(Translated(outcome.notice), outcome.noticeLasts ? 0 : 5000);
    } else if (outcome.run.state != RunReport::State::None && !m_calculator.Running()) {
        ShowNotice({}, 0);
    }
    m_programs->Follow(outcome);
    if (outcome.changed && m_statisticsPanel != nullptr && !m_statisticsPanel->isHidden()) {
        m_statisticsPanel->Show(m_doc.m_stats);
    }
    if (outcome.changed && m_bitsPanel != nullptr && !m_bitsPanel->isHidden()) m_bitsPanel->Show(DescribeBits(m_doc));
    if (outcome.changed && m_store) m_store->Changed();
    // An action changes what can be undone; the clipboard and the window,
    // which the other items follow, tell of their own changes.
    for (const int id : {cmd::kEditUndo, cmd::kEditRedo}) {
        QtCommandUI ui(m_actions[id]);
        m_rows[m_rowOfId[id]].update(ui);
    }
}

void CMainFrame::SetZoomPercent(int percent) {
    ApplyZoom(percent);
    QSettings().setValue(QStringLiteral("View/Zoom"), m_zoomPercent);
}

void CMainFrame::ApplyZoom(int percent) {
    // An unknown value (from an edited settings file) falls back to 100 %.
    if (std::find(kZoomSteps.begin(), kZoomSteps.end(), percent) == kZoomSteps.end()) percent = 100;
    m_zoomPercent = percent;
    m_view->SetZoom(percent / 100.0);
    if (m_tapePanel != nullptr) m_tapePanel->SetZoom(percent / 100.0);
    UpdateCommandUI(MenuId::View);
    // The window takes the size the picture asks for at this zoom.
    if (QLayout* frameLayout = layout()) frameLayout->activate();
    resize(sizeHint());
}

QSize CMainFrame::WindowSizeAt(int percent) {
    // Menu bar and tool bar around the picture, as the layout has them; the
    // title bar and borders the window manager adds are not known before the
    // window is shown, so a generous allowance is made for them.
    const QSize kDecorations(16, 48);
    if (QLayout* frameLayout = layout()) frameLayout->activate();
    const QSize chrome = sizeHint() - m_view->sizeHint();
    return QSize(kFaceWidth, kFaceHeight) * (percent / 100.0) + chrome + kDecorations;
}

std::optional<int> CMainFrame::NextZoom(int direction) {
    const auto current = std::find(kZoomSteps.begin(), kZoomSteps.end(), m_zoomPercent);
    const std::ptrdiff_t index = (current - kZoomSteps.begin()) + direction;
    if (index < 0 || index >= static_cast<std::ptrdiff_t>(kZoomSteps.size())) return std::nullopt;
    const int step = kZoomSteps[static_cast<std::size_t>(index)];
    // A larger step is offered only when the whole window, the tape
    // included, still fits the screen at it.
    if (direction > 0) {
        const QSize window = WindowSizeAt(step);
        const QSize screen = AvailableScreen(m_services);
        if (window.width() > screen.width() || window.height() > screen.height()) return std::nullopt;
    }
    return step;
}

void CMainFrame::StepZoom(int direction) {
    if (const std::optional<int> step = NextZoom(direction)) SetZoomPercent(*step);
}

QAction* CMainFrame::ActionFor(int commandId) const {
    const auto found = m_actions.find(commandId);
    return found == m_actions.end() ? nullptr : found->second;
}

void CMainFrame::RequestClick() { QApplication::beep(); }

void CMainFrame::RequestAbout() {
    QMetaObject::invokeMethod(this, [this] { OnCommand(cmd::kAppAbout); }, Qt::QueuedConnection);
}

void CMainFrame::RebuildRecentFiles() {
    const QStringList paths = m_services.recentFiles != nullptr ? m_services.recentFiles->Paths() : QStringList();
    const QStringList texts = RecentFileMenuTexts(paths);
    for (int i = 0; i < RecentFileList::kMaxEntries; ++i) {
        QAction* action = m_actions[cmd::kFileMruFirst + i];
        if (i < paths.size()) {
            action->setText(texts[i]);
            action->setToolTip(paths[i]);  // the whole path, whatever the text shows
            action->setStatusTip(paths[i]);
            action->setEnabled(true);
            action->setVisible(true);
        } else {
            // An empty list shows one greyed placeholder item.
            action->setText(tr("Recent File"));
            action->setEnabled(false);
            action->setVisible(i == 0 && paths.isEmpty());
        }
    }
}

void CMainFrame::OpenRecentFile(int index) {
    if (m_services.recentFiles == nullptr || index >= m_services.recentFiles->Paths().size()) return;
    const std::string path = m_services.recentFiles->Paths()[index].toStdString();
    m_services.recentFiles->AddToRecentFileList(path);
    LoadFile(path);
}

void CMainFrame::ShowNotice(const QString& text, int milliseconds) {
    // Under the LCD, for a few seconds; no box to dismiss. It wraps within
    // the window, from the LCD's left edge to the window's right edge. An
    // empty text takes the notice away.
    if (text.isEmpty()) {
        if (m_notice != nullptr) m_notice->hide();
        return;
    }
    if (m_notice == nullptr) m_notice = new CNotice(this);
    const QPoint below = m_view->mapToGlobal(
        (m_view->PictureOrigin() + QPointF(kLcdWindow.left, kLcdWindow.bottom + 1) * m_view->PictureScale()).toPoint());
    const int right = mapToGlobal(QPoint(width(), 0)).x();
    m_notice->Show(text, below, right - below.x() - 4, milliseconds);
}

void CMainFrame::CreateTapePanel() {
    m_tapePanel = new CTapePanel(m_calculator.Tape(), m_actions[cmd::kViewClearTape], m_actions[cmd::kViewSaveTapeAs],
                                 [this](double value) { Perform(Action::PasteValue(value)); }, this);
    m_tapePanel->SetZoom(m_zoomPercent / 100.0);
    addDockWidget(Qt::RightDockWidgetArea, m_tapePanel);
    // Closed by its own button: remembered as hidden (not when the window goes).
    connect(m_tapePanel, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!visible && m_tapePanel->isHidden()) ShowTape(false);
    });
}

void CMainFrame::ShowTape(bool shown) {
    QSettings().setValue(QStringLiteral("View/Tape"), shown);
    if (shown && m_tapePanel == nullptr) CreateTapePanel();
    if (m_tapePanel == nullptr || shown == !m_tapePanel->isHidden()) return;
    m_tapePanel->setVisible(shown);
    // The face keeps its size: the window grows by the tape, and shrinks back.
    if (QLayout* frameLayout = layout()) frameLayout->activate();
    resize(sizeHint());
    UpdateCommandUI(MenuId::View);
}

void CMainFrame::ShowStatistics(bool shown) {
    QSettings().setValue(QStringLiteral("View/Statistics"), shown);
    if (shown && m_statisticsPanel == nullptr) {
        m_statisticsPanel = new CStatisticsPanel(this);
        addDockWidget(Qt::RightDockWidgetArea, m_statisticsPanel);
        connect(m_statisticsPanel, &QDockWidget::visibilityChanged, this, [this](bool visible) {
            if (!visible && m_statisticsPanel->isHidden()) ShowStatistics(false);
        });
    }
    if (m_statisticsPanel == nullptr) return;
    if (shown) m_statisticsPanel->Show(m_doc.m_stats);
    if (shown == !m_statisticsPanel->isHidden()) return;
    m_statisticsPanel->setVisible(shown);
    if (QLayout* frameLayout = layout()) frameLayout->activate();
    resize(sizeHint());
    UpdateCommandUI(MenuId::View);
}

void CMainFrame::ShowBits(bool shown) {
    QSettings().setValue(QStringLiteral("View/Bits"), shown);
    if (shown && m_bitsPanel == nullptr) {
        m_bitsPanel = new CBitsPanel([this](int position) { Perform(FlipBitAction(position)); }, this);
        addDockWidget(Qt::RightDockWidgetArea, m_bitsPanel);
        connect(m_bitsPanel, &QDockWidget::visibilityChanged, this, [this](bool visible) {
            if (!visible && m_bitsPanel->isHidden()) ShowBits(false);
        });
    }
    if (m_bitsPanel == nullptr) return;
    if (shown) m_bitsPanel->Show(DescribeBits(m_doc));
    if (shown == !m_bitsPanel->isHidden()) return;
    m_bitsPanel->setVisible(shown);
    if (QLayout* frameLayout = layout()) frameLayout->activate();
    resize(sizeHint());
    UpdateCommandUI(MenuId::View);
}

void CMainFrame::SaveTapeAs() {
    if (m_services.fileDialog == nullptr) return;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.title = tr("Save Tape").toStdString();
    request.filter = tr("Tabrix tape (*.txt)").toStdString() + "|*.txt";
    request.defaultExtension = "*.txt";
    request.confirmOverwrite = true;
    const auto path = m_services.fileDialog->Choose(request);
    if (!path) return;
    std::string why;
    if (!WriteFileText(*path, m_calculator.Tape().Script(), &why) && m_services.messageBox != nullptr) {
        m_services.messageBox->ShowMessage(kFileError, *path + ": " + why);
    }
}

void CMainFrame::OpenStateFileAtStart(const QString& path) { LoadFile(path.toStdString()); }

void CMainFrame::LoadFile(const std::string& path) {
    // Opening a document reports success even after "File Error"; the tape
    // writes a load only when the state was read.
    Perform(Action::WithText(Action::Kind::Load, path));
}

void CMainFrame::CreateSessionStore() {
    const QString folder = m_services.sessionFolder.isEmpty() ? DataFolder() : m_services.sessionFolder;
    m_store = std::make_unique<SessionStore>(m_calculator, folder, [this](const QString& text) {
        // Told once the window shows, where the notice goes.
        QMetaObject::invokeMethod(this, [this, text] { ShowNotice(text); }, Qt::QueuedConnection);
    });
    m_store->SetEnabled(QSettings().value(QStringLiteral("Session/RestoreAtStart"), false).toBool());
}

bool CMainFrame::RestoreSession() { return m_store->Enabled() && m_store->Restore(); }

void CMainFrame::LoadKeyMap() {
    QSettings settings;
    QStringList warnings;
    m_view->SetKeyMap(KeyMap::Load(settings, &warnings));
    for (const QString& warning : warnings) qWarning().noquote() << "tabrix:" << warning;
    m_view->SetShowKeyboardKeys(settings.value(QStringLiteral("View/KeyboardKeys"), false).toBool());
    m_view->SetHighContrastLcd(settings.value(QStringLiteral("View/HighContrastLcd"), false).toBool());
    m_copyBasePrefix = settings.value(QStringLiteral("Edit/CopyBasePrefix"), false).toBool();
    m_calculator.Commands().SetCopyBasePrefix(m_copyBasePrefix);
}

void CMainFrame::SetCopyBasePrefix(bool on) {
    m_copyBasePrefix = on;
    m_calculator.Commands().SetCopyBasePrefix(on);
    QSettings().setValue(QStringLiteral("Edit/CopyBasePrefix"), on);
}

void CMainFrame::SetHighContrastLcd(bool high) {
    m_view->SetHighContrastLcd(high);
    QSettings().setValue(QStringLiteral("View/HighContrastLcd"), high);
}

void CMainFrame::ShowKeyboardKeys(bool shown) {
    m_view->SetShowKeyboardKeys(shown);
    QSettings().setValue(QStringLiteral("View/KeyboardKeys"), shown);
}

CPreferencesDialog::Values CMainFrame::Preferences() const {
    QStringList programs;
    for (const ProgramBook::Entry& entry : m_programs->Book().Entries()) programs << QString::fromStdString(entry.name);
    return {m_view->Keys(), m_store->Enabled(), m_programs->Keys(), programs};
}

void CMainFrame::ApplyPreferences(const CPreferencesDialog::Values& values) {
    QSettings settings;
    values.keys.Save(settings);
    m_view->SetKeyMap(values.keys);
    settings.setValue(QStringLiteral("Session/RestoreAtStart"), values.restoreAtStart);
    const bool wasOn = m_store->Enabled();
    m_store->SetEnabled(values.restoreAtStart);
    // Turned on: kept from now, so that the next start finds this calculator.
    if (values.restoreAtStart && !wasOn) m_store->SaveNow();
    if (m_keysWindow != nullptr) m_keysWindow->SetKeyMap(values.keys);
    if (!(values.programKeys == m_programs->Keys())) m_programs->SetKeys(values.programKeys);
}

QList<KeyboardKey> CMainFrame::ReservedKeys() const {
    // Shortcuts without a modifier take their key before the calculator sees it.
    QList<KeyboardKey> reserved;
    for (const auto& [id, action] : m_actions) {
        for (const QKeySequence& shortcut : action->shortcuts()) {
            if (shortcut.count() == 1 && shortcut[0].keyboardModifiers() == Qt::NoModifier) {
                reserved.append({shortcut[0].key(), false});
            }
        }
    }
    return reserved;
}

void CMainFrame::EditPreferences() {
    std::optional<CPreferencesDialog::Values> chosen;
    if (m_services.editPreferences) {
        chosen = m_services.editPreferences(Preferences());
    } else {
        QList<QKeySequence> shortcuts;
        for (const auto& [id, action] : m_actions) shortcuts += action->shortcuts();
        CPreferencesDialog dialog(Preferences(), ReservedKeys(), this, shortcuts);
        if (dialog.exec() == QDialog::Accepted) chosen = dialog.Result();
    }
    if (chosen) ApplyPreferences(*chosen);
}

void CMainFrame::ShowKeysWindow() {
    if (m_keysWindow == nullptr) m_keysWindow = new CKeysWindow(m_view->Keys(), this);
    m_keysWindow->show();
    m_keysWindow->raise();
    m_keysWindow->activateWindow();
}

void CMainFrame::OpenDocument() {
    if (m_services.fileDialog == nullptr) return;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.title = tr("Open").toStdString();
    request.filter = kStateFileFilter;
    request.defaultExtension = kStateFileExtension;
    const auto path = m_services.fileDialog->Choose(request);
    if (!path) return;
    if (m_services.recentFiles != nullptr) m_services.recentFiles->AddToRecentFileList(*path);
    LoadFile(*path);
}

}  // namespace tabrix
