// CMainFrame: the main window. It holds the calculator view, the menu bar
// (File, Edit, STO, RCL, Programs, Functions, View, Help), the tool bar (Cut, Copy, Paste, About),
// the shortcuts, the dialogs, the zoom and the tape's panel, and routes every
// command id to its action: most of them to the calculator session, which
// alone decides what is one undo step and what the tape writes.
#pragma once

#include <QCoreApplication>
#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "document/calculator_session.h"
#include "platform/services.h"
#include "shell/command_row.h"
#include "shell/functions_controller.h"
#include "shell/keys_window.h"
#include "shell/notice.h"
#include "shell/preferences_dialog.h"
#include "shell/programs_controller.h"
#include "shell/qt_services.h"
#include "shell/recent_files.h"
#include "shell/session_store.h"
#include "shell/bits_panel.h"
#include "shell/statistics_panel.h"
#include "shell/tape_panel.h"
#include "shell/zoom_steps.h"
#include "view/tabrix_view.h"

class QMenu;

namespace tabrix {

// What the main window works with; the program passes Qt implementations,
// tests pass fakes for the dialogs.
struct FrameServices {
    IFileDialog* fileDialog = nullptr;
    IMessageBox* messageBox = nullptr;
    IClipboard* clipboard = nullptr;
    RecentFileList* recentFiles = nullptr;
    std::function<void()> showAbout;  // runs the About box
    // The screen's area for windows, where the window starts; the primary
    // screen's when not given.
    std::function<QSize()> availableScreen;
    // Where the calculator of the last session is kept; the program's data
    // folder (~/.local/share/tabrix) when empty.
    QString sessionFolder;
    // Where programs.txt is kept; the program's data folder when empty.
    QString programFolder;
    // Asks for a program's name and a yes or no; dialogs when not given.
    std::function<QString(const QString& title, const QString& label, const QString& current)> askName;
    std::function<bool(const QString& title, const QString& question)> confirm;
    // Where the faces, once drawn, are kept for later starts (the program
    // gives ~/.cache/tabrix); none are kept when empty.
    QString faceFolder;
    // Shows the preferences and returns what the user chose (nothing for
    // Cancel); the Preferences dialog when not given.
    std::function<std::optional<CPreferencesDialog::Values>(const CPreferencesDialog::Values&)> editPreferences;
};

class CMainFrame : public QMainWindow, public IShellRequests {
    Q_DECLARE_TR_FUNCTIONS(CMainFrame)

public:
    // `session` has the same file dialog, message box, recent files and
    // clipboard as `services`.
    CMainFrame(CalculatorSession& session, const FrameServices& services, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Carries out a command id as a menu item, button or shortcut would.
    // Returns false for an id nothing handles.
    bool OnCommand(int commandId);

    // Start-up: the state file named on the command line is opened as the
    // document ("File Error" leaves the defaults).
    void OpenStateFileAtStart(const QString& path);
    // Start-up without a file: the calculator of the last session comes back
    // when the user asked for it. A damaged file says so, without a box.
    bool RestoreSession();
    // The preferences as they are, and as the user sets them (the key map,
    // and whether the calculator is kept between sessions).
    CPreferencesDialog::Values Preferences() const;
    void ApplyPreferences(const CPreferencesDialog::Values& values);
    SessionStore& Store() { return *m_store; }

    // The ? key: opens the About box once the key has finished executing.
    void RequestAbout() override;
    void RequestClick() override;

    // Carries out an action on the calculator session, then shows what the
    // window shows of it: the menus' state, a notice, the session kept.
    Outcome Perform(const Action& action);

    CalculatorSession& Calculator() { return m_calculator; }
    // The notice under the LCD, once one has been shown.
    CNotice* NoticeLabel() const { return m_notice; }
    // The tape's panel, once it has been shown.
    CTapePanel* TapePanel() const { return m_tapePanel; }
    // View > Statistics, once it has been shown.
    CStatisticsPanel* StatisticsPanel() const { return m_statisticsPanel; }
    // View > Bits, once it has been shown.
    CBitsPanel* BitsPanel() const { return m_bitsPanel; }
    CProgramsController& Programs() { return *m_programs; }
    CFunctionsController& Functions() { return *m_functions; }
    // Help > Keys and Keyboard, once it has been opened.
    CKeysWindow* KeysWindow() const { return m_keysWindow; }

    // The current zoom, in percent, one of kZoomSteps; kept in the settings.
    int ZoomPercent() const { return m_zoomPercent; }
    void SetZoomPercent(int percent);
    CTabrixView* View() const { return m_view; }
    QAction* ActionFor(int commandId) const;

protected:
    // Keys no widget in the window took (the tape, which has the focus only
    // when Tab gave it, keeps its own): they reach the calculator, whatever
    // has the focus.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // Every command of the window, in menu order.
    std::vector<CommandRow> CommandTable();
    std::vector<CommandRow> FileCommands();
    std::vector<CommandRow> EditCommands();
    std::vector<CommandRow> RegisterCommands();
    std::vector<CommandRow> ProgramCommands();
    void CreatePrograms();
    std::vector<CommandRow> FunctionCommands();
    // Functions > Solve… and Integrate…: the dialog that asks for the program and the guesses.
    void AskNumeric(Action::Kind kind);
    std::vector<CommandRow> ViewAndHelpCommands();
    // The rows' actions, added to their menus and to the window (so that
    // their shortcuts work everywhere in it).
    void CreateActions();
    void CreateToolBar();
    // Runs the update handlers of the rows in `menu`, or with no menu those of
    // the rows that can be used without opening a menu (shortcuts, buttons).
    void UpdateCommandUI(std::optional<MenuId> menu = std::nullopt);
    // What the window shows after any action, from the menus or the view.
    void AfterAction(const Outcome& outcome);
    void CreateTapePanel();
    void ShowTape(bool shown);
    void ShowBits(bool shown);
    // Copy and Copy Exact put 0x, 0o or 0b before a word.
    void SetCopyBasePrefix(bool on);
    void ShowStatistics(bool shown);
    void SaveTapeAs();
    // Loads a state file as the document (a recent file, Open, the file at
    // start).
    void LoadFile(const std::string& path);
    void RebuildRecentFiles();
    void OpenRecentFile(int index);
    // A short message under the LCD that goes by itself after
    // `milliseconds` (0: when replaced); an empty text takes it away.
    void ShowNotice(const QString& text, int milliseconds = 5000);
    void OpenDocument();
    void CreateSessionStore();
    // The key map and whether the face shows it, from the settings; an entry
    // that cannot be read is skipped with a warning on standard error.
    void LoadKeyMap();
    void EditPreferences();
    QList<KeyboardKey> ReservedKeys() const;
    void ShowKeyboardKeys(bool shown);
    void SetHighContrastLcd(bool high);
    void ShowKeysWindow();
    void StepZoom(int direction);
    // View > Clear Tape, asking first while there is something to undo.
    void ClearTape();
    // The zoom step next to the current one in `direction`, when there is
    // one and, going up, the window fits the screen at it.
    std::optional<int> NextZoom(int direction);
    // Shows the picture at `percent` without writing the settings.
    void ApplyZoom(int percent);
    // The whole window's size at a zoom step, decorations included.
    QSize WindowSizeAt(int percent);

    CalculatorSession& m_calculator;
    CTabrixDoc& m_doc;
    FrameServices m_services;
    CTabrixView* m_view;
    CTapePanel* m_tapePanel = nullptr;
    CBitsPanel* m_bitsPanel = nullptr;
    bool m_copyBasePrefix = false;
    CStatisticsPanel* m_statisticsPanel = nullptr;
    CKeysWindow* m_keysWindow = nullptr;
    CNotice* m_notice = nullptr;
    int m_zoomPercent = 100;
    std::vector<CommandRow> m_rows;
    std::map<int, std::size_t> m_rowOfId;
    std::map<int, QAction*> m_actions;
    std::unique_ptr<SessionStore> m_store;
    std::unique_ptr<CProgramsController> m_programs;
    std::unique_ptr<CFunctionsController> m_functions;
};

}  // namespace tabrix
