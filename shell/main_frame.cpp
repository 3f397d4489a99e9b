#include "shell/main_frame.h"

#include <QApplication>
#include <algorithm>
#include <QClipboard>
#include <QFileInfo>
#include <QLayout>
#include <QMenuBar>
#include <QSettings>
#include <QShortcut>
#include <QToolBar>

#include "shell/command_ids.h"
#include "shell/toolbar_icons.h"

namespace tabrix {

namespace {

constexpr const char* kRecentPlaceholder = "Recent File";

}  // namespace

CMainFrame::CMainFrame(CTabrixDoc& doc, const FrameServices& services, QWidget* parent)
    : QMainWindow(parent),
      m_doc(doc),
      m_services(services),
      m_commands(doc, DocumentServices{services.fileDialog, services.messageBox, services.recentFiles,
                                       services.clipboard}),
      m_history(doc),
      m_view(new CTabrixView(doc, this)) {
    setWindowTitle(QStringLiteral("Tabrix"));
    setCentralWidget(m_view);
    m_view->SetChangeRecorder(&m_history);
    m_doc.SetShellRequests(this);

    CreateCommands();
    CreateMenus();
    CreateToolBar();
    CreateShortcuts();

    m_view->setFocus();
    m_history.SetChangedCallback([this] { UpdateUndoActions(); });
    UpdateUndoActions();
    ApplyZoom(QSettings().value(QStringLiteral("View/Zoom"), 100).toInt());

    if (m_services.recentFiles != nullptr) {
        m_services.recentFiles->SetChangedCallback([this] { RebuildRecentFiles(); });
    }
    RebuildRecentFiles();
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] { UpdatePasteAction(); });
    UpdatePasteAction();
}

CMainFrame::~CMainFrame() {
    m_view->SetChangeRecorder(nullptr);  // the history goes before the view
    if (m_services.recentFiles != nullptr) m_services.recentFiles->SetChangedCallback(nullptr);
    m_doc.SetShellRequests(nullptr);
}

void CMainFrame::CreateCommands() {
    auto& h = m_handlers;
    h[cmd::kFileSaveState] = [this] { m_commands.OnSaveState(); };
    // Ctrl+S never writes an empty file: it saves the state like Save State.
    h[cmd::kFileSave] = [this] { m_commands.OnSaveState(); };
    h[cmd::kFileLoadState] = [this] { m_commands.OnLoadState(); };
    h[cmd::kFileResetState] = [this] { m_doc.OnResetState(); };
    h[cmd::kFileNew] = [this] {
        m_doc.OnNewDocument();
        m_doc.UpdateAllViews();
    };
    h[cmd::kFileOpen] = [this] { OpenDocument(); };
    h[cmd::kAppExit] = [this] { close(); };
    h[cmd::kAppAbout] = [this] {
        if (m_services.showAbout) m_services.showAbout();
    };
    h[cmd::kEditCut] = [this] { m_commands.OnEditCut(); };
    h[cmd::kEditCopy] = [this] { m_commands.OnEditCopy(); };
    h[cmd::kEditPaste] = [this] { m_commands.OnEditPaste(); };
    h[cmd::kEditUndo] = [this] { m_history.Undo(); };
    h[cmd::kEditRedo] = [this] { m_history.Redo(); };
    h[cmd::kViewZoomIn] = [this] { StepZoom(+1); };
    h[cmd::kViewZoomOut] = [this] { StepZoom(-1); };
    h[cmd::kViewActualSize] = [this] { SetZoomPercent(100); };
    for (int n = 0; n < 10; ++n) {
        h[kStoreCommandIds[n]] = [this, n] { m_commands.OnStoreRegister(n); };
        h[kRecallCommandIds[n]] = [this, n] { m_commands.OnRecallRegister(n); };
    }
    for (int i = 0; i < RecentFileList::kMaxEntries; ++i) {
        h[cmd::kFileMruFirst + i] = [this, i] {
            if (m_services.recentFiles == nullptr || i >= m_services.recentFiles->Paths().size()) return;
            const std::string path = m_services.recentFiles->Paths()[i].toStdString();
            m_services.recentFiles->AddToRecentFileList(path);
            m_commands.OnOpenDocument(path);
        };
    }
}

QAction* CMainFrame::AddCommand(QMenu* menu, int commandId, const QString& text) {
    auto* action = new QAction(text, this);
    action->setData(commandId);
    connect(action, &QAction::triggered, this, [this, commandId] { OnCommand(commandId); });
    if (menu != nullptr) menu->addAction(action);
    m_actions[commandId] = action;
    return action;
}

void CMainFrame::CreateMenus() {
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    AddCommand(m_fileMenu, cmd::kFileSaveState, QStringLiteral("&Save State"));
    AddCommand(m_fileMenu, cmd::kFileLoadState, QStringLiteral("&Load State"));
    m_fileMenu->addSeparator();
    m_recentPlaceholder = AddCommand(m_fileMenu, cmd::kFileMruFirst, QString::fromLatin1(kRecentPlaceholder));
    for (int i = 0; i < RecentFileList::kMaxEntries; ++i) {
        m_recentActions[i] = i == 0 ? m_recentPlaceholder : AddCommand(m_fileMenu, cmd::kFileMruFirst + i, {});
    }
    m_fileMenu->addSeparator();
    AddCommand(m_fileMenu, cmd::kFileResetState, QStringLiteral("R&eset State"));
    AddCommand(m_fileMenu, cmd::kAppExit, QStringLiteral("E&xit"));

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    AddCommand(edit, cmd::kEditUndo, QStringLiteral("&Undo\tCtrl+Z"));
    AddCommand(edit, cmd::kEditRedo, QStringLiteral("&Redo\tCtrl+Y"));
    edit->addSeparator();
    AddCommand(edit, cmd::kEditCut, QStringLiteral("Cu&t\tCtrl+X"))->setIcon(CutIcon());
    AddCommand(edit, cmd::kEditCopy, QStringLiteral("&Copy\tCtrl+C"))->setIcon(CopyIcon());
    AddCommand(edit, cmd::kEditPaste, QStringLiteral("&Paste\tCtrl+V"))->setIcon(PasteIcon());
    connect(edit, &QMenu::aboutToShow, this, [this] { UpdatePasteAction(); });

    QMenu* sto = menuBar()->addMenu(QStringLiteral("&STO"));
    QMenu* rcl = menuBar()->addMenu(QStringLiteral("&RCL"));
    for (int n = 0; n < 10; ++n) {
        AddCommand(sto, kStoreCommandIds[n], QString::number(n));
        AddCommand(rcl, kRecallCommandIds[n], QString::number(n));
    }
    // The labels show the registers in the current format when a menu opens.
    connect(sto, &QMenu::aboutToShow, this, [this] {
        for (int n = 0; n < 10; ++n) {
            QtCommandUI item(m_actions[kStoreCommandIds[n]]);
            m_commands.OnUpdateStoreRegister(n, item);
        }
    });
    connect(rcl, &QMenu::aboutToShow, this, [this] {
        for (int n = 0; n < 10; ++n) {
            QtCommandUI item(m_actions[kRecallCommandIds[n]]);
            m_commands.OnUpdateRecallRegister(n, item);
        }
    });

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    AddCommand(view, cmd::kViewZoomIn, QStringLiteral("Zoom &In\tCtrl++"));
    AddCommand(view, cmd::kViewZoomOut, QStringLiteral("Zoom &Out\tCtrl+-"));
    AddCommand(view, cmd::kViewActualSize, QStringLiteral("&Actual Size\tCtrl+0"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    AddCommand(help, cmd::kAppAbout, QStringLiteral("&About Tabrix..."))->setIcon(AboutIcon());
}

void CMainFrame::CreateToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("Commands"));
    bar->setObjectName(QStringLiteral("commandBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    bar->toggleViewAction()->setEnabled(false);
    const std::pair<int, const char*> buttons[] = {
        {cmd::kEditCut, "Cut"}, {cmd::kEditCopy, "Copy"}, {cmd::kEditPaste, "Paste"}, {0, nullptr},
        {cmd::kAppAbout, "About"}};
    bar->addSeparator();
    for (const auto& [id, tip] : buttons) {
        if (id == 0) {
            bar->addSeparator();
            continue;
        }
        QAction* action = m_actions[id];
        action->setToolTip(QString::fromLatin1(tip));
        bar->addAction(action);
    }
    bar->addSeparator();
}

void CMainFrame::CreateShortcuts() {
    // The accelerator table: each key sequence issues a command id. The pane
    // keys have no command behind them and do nothing.
    const std::pair<QKeySequence, int> accelerators[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), cmd::kFileNew},
        {QKeySequence(Qt::CTRL | Qt::Key_O), cmd::kFileOpen},
        {QKeySequence(Qt::CTRL | Qt::Key_S), cmd::kFileSave},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), cmd::kEditUndo},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), cmd::kEditUndo},
        {QKeySequence(Qt::CTRL | Qt::Key_X), cmd::kEditCut},
        {QKeySequence(Qt::SHIFT | Qt::Key_Delete), cmd::kEditCut},
        {QKeySequence(Qt::CTRL | Qt::Key_C), cmd::kEditCopy},
        {QKeySequence(Qt::CTRL | Qt::Key_Insert), cmd::kEditCopy},
        {QKeySequence(Qt::CTRL | Qt::Key_V), cmd::kEditPaste},
        {QKeySequence(Qt::SHIFT | Qt::Key_Insert), cmd::kEditPaste},
        {QKeySequence(Qt::Key_F6), cmd::kNextPane},
        {QKeySequence(Qt::SHIFT | Qt::Key_F6), cmd::kPrevPane},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), cmd::kEditRedo},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), cmd::kEditRedo},
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), cmd::kViewZoomIn},
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), cmd::kViewZoomIn},
        {QKeySequence(Qt::CTRL | Qt::Key_Minus), cmd::kViewZoomOut},
        {QKeySequence(Qt::CTRL | Qt::Key_0), cmd::kViewActualSize},
    };
    for (const auto& [keys, id] : accelerators) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, id = id] { OnCommand(id); });
    }
}

bool CMainFrame::OnCommand(int commandId) {
    const auto handler = m_handlers.find(commandId);
    if (handler == m_handlers.end()) return false;
    if (const QAction* action = ActionFor(commandId); action != nullptr && !action->isEnabled()) return true;
    if (commandId == cmd::kEditUndo || commandId == cmd::kEditRedo) {
        handler->second();
    } else {
        // Every other command is one change for undo (if it changes anything).
        m_history.Record(handler->second);
    }
    return true;
}

void CMainFrame::UpdateUndoActions() {
    m_actions[cmd::kEditUndo]->setEnabled(m_history.CanUndo());
    m_actions[cmd::kEditRedo]->setEnabled(m_history.CanRedo());
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
    m_actions[cmd::kViewZoomIn]->setEnabled(percent < kZoomSteps.back());
    m_actions[cmd::kViewZoomOut]->setEnabled(percent > kZoomSteps.front());
    // The window takes the size the picture asks for at this zoom.
    if (QLayout* frameLayout = layout()) frameLayout->activate();
    resize(sizeHint());
}

void CMainFrame::StepZoom(int direction) {
    const auto current = std::find(kZoomSteps.begin(), kZoomSteps.end(), m_zoomPercent);
    const auto index = std::clamp<std::ptrdiff_t>((current - kZoomSteps.begin()) + direction, 0,
                                                  static_cast<std::ptrdiff_t>(kZoomSteps.size()) - 1);
    SetZoomPercent(kZoomSteps[static_cast<std::size_t>(index)]);
}

QAction* CMainFrame::ActionFor(int commandId) const {
    const auto found = m_actions.find(commandId);
    return found == m_actions.end() ? nullptr : found->second;
}

void CMainFrame::RequestAbout() {
    QMetaObject::invokeMethod(this, [this] { OnCommand(cmd::kAppAbout); }, Qt::QueuedConnection);
}

void CMainFrame::RebuildRecentFiles() {
    const QStringList paths = m_services.recentFiles != nullptr ? m_services.recentFiles->Paths() : QStringList();
    for (int i = 0; i < RecentFileList::kMaxEntries; ++i) {
        QAction* action = m_recentActions[i];
        if (i < paths.size()) {
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(paths[i]).fileName()));
            action->setToolTip(paths[i]);
            action->setEnabled(true);
            action->setVisible(true);
        } else {
            // An empty list shows one greyed placeholder item.
            action->setText(QString::fromLatin1(kRecentPlaceholder));
            action->setEnabled(false);
            action->setVisible(i == 0 && paths.isEmpty());
        }
    }
}

void CMainFrame::UpdatePasteAction() {
    QtCommandUI paste(m_actions[cmd::kEditPaste]);
    m_commands.OnUpdateEditPaste(paste);
}

void CMainFrame::OpenFileFromCommandLine(const QStringList& arguments) {
    if (arguments.size() > 1) m_commands.OnOpenDocument(arguments.at(1).toStdString());
}

void CMainFrame::OpenDocument() {
    if (m_services.fileDialog == nullptr) return;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.title = "Open";
    request.filter = kStateFileFilter;
    request.defaultExtension = kStateFileExtension;
    const auto path = m_services.fileDialog->Choose(request);
    if (!path) return;
    if (m_services.recentFiles != nullptr) m_services.recentFiles->AddToRecentFileList(*path);
    m_commands.OnOpenDocument(*path);
}

}  // namespace tabrix
