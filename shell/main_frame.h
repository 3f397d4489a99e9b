// CMainFrame: the main window. It holds the calculator view, the menu bar
// (File, Edit, STO, RCL, Help), the tool bar (Cut, Copy, Paste, About) and the
// shortcuts, and routes every command id to its action.
#pragma once

#include <QCoreApplication>
#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "document/document_commands.h"
#include "document/random_draws.h"
#include "document/tape.h"
#include "document/undo_history.h"
#include "engine/calculator_state.h"
#include "platform/services.h"
#include "shell/command_row.h"
#include "shell/keys_window.h"
#include "shell/preferences_dialog.h"
#include "shell/qt_services.h"
#include "shell/recent_files.h"
#include "shell/session_store.h"
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
    // Where the calculator of the last session is kept; the application's
    // local data folder when empty.
    QString sessionFolder;
    // Shows the preferences and returns what the user chose (nothing for
    // Cancel); the Preferences dialog when not given.
    std::function<std::optional<CPreferencesDialog::Values>(const CPreferencesDialog::Values&)> editPreferences;
};

class CMainFrame : public QMainWindow, public IShellRequests, public IChangeRecorder {
    Q_DECLARE_TR_FUNCTIONS(CMainFrame)

public:
    CMainFrame(CTabrixDoc& doc, const FrameServices& services, QWidget* parent = nullptr);
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
    SessionStore& Session() { return *m_session; }

    // The ? key: opens the About box once the key has finished executing.
    void RequestAbout() override;
    // A key from the view: one change for undo, and a step on the tape.
    void RecordKey(const UserKey& key, const std::function<void()>& change) override;

    DocumentCommands& Commands() { return m_commands; }
    CUndoHistory& History() { return m_history; }
    CTape& Tape() { return m_tape; }
    // The tape's panel, once it has been shown.
    CTapePanel* TapePanel() const { return m_tapePanel; }
    // Help > Keys and Keyboard, once it has been opened.
    CKeysWindow* KeysWindow() const { return m_keysWindow; }

    // The current zoom, in percent, one of kZoomSteps; kept in the settings.
    int ZoomPercent() const { return m_zoomPercent; }
    void SetZoomPercent(int percent);
    CTabrixView* View() const { return m_view; }
    QAction* ActionFor(int commandId) const;

private:
    // Every command of the window, in menu order.
    std::vector<CommandRow> CommandTable();
    std::vector<CommandRow> FileCommands();
    std::vector<CommandRow> EditCommands();
    std::vector<CommandRow> RegisterCommands();
    std::vector<CommandRow> ViewAndHelpCommands();
    // The rows' actions, added to their menus and to the window (so that
    // their shortcuts work everywhere in it).
    void CreateActions();
    void CreateToolBar();
    // Runs the update handlers of the rows in `menu`, or with no menu those of
    // the rows that can be used without opening a menu (shortcuts, buttons).
    void UpdateCommandUI(std::optional<MenuId> menu = std::nullopt);
    void CreateTapePanel();
    void ShowTape(bool shown);
    void SaveTapeAs();
    // A value put into X as a paste would (a double-click on the tape).
    void PasteValue(double value);
    // Loads a state file as the document, and keeps its path for the tape.
    void LoadFile(const std::string& path);
    // Runs a command, one change for undo (unless it is Undo or Redo) and a
    // line of the tape when the row says what the tape writes.
    void RunCommand(const CommandRow& row);
    // What the tape writes for a load, and for a paste (with its text).
    std::optional<TapeStep> LoadedStep() const;
    std::optional<TapeStep> PastedStep() const;
    void RebuildRecentFiles();
    void OpenRecentFile(int index);
    // Paste Number, and what it read (or why it read nothing) shown briefly.
    void PasteNumber();
    // What Paste Number read, or why it read nothing, in words.
    static QString PasteNotice(const PastedNumber& reading);
    // A short message under the LCD that goes by itself.
    void ShowNotice(const QString& text);
    void OpenDocument();
    void CreateSessionStore();
    // The key map and whether the face shows it, from the settings; an entry
    // that cannot be read is skipped with a warning on standard error.
    void LoadKeyMap();
    void EditPreferences();
    QList<KeyboardKey> ReservedKeys() const;
    void ShowKeyboardKeys(bool shown);
    void ShowKeysWindow();
    void StepZoom(int direction);
    // Shows the picture at `percent` without writing the settings.
    void ApplyZoom(int percent);
    // The whole window's size at a zoom step, decorations included.
    QSize WindowSizeAt(int percent);

    CTabrixDoc& m_doc;
    FrameServices m_services;
    DocumentCommands m_commands;
    CUndoHistory m_history;
    RandomDraws m_draws;  // RAN#'s numbers, as the tape writes them down
    CTape m_tape;
    CTabrixView* m_view;
    CTapePanel* m_tapePanel = nullptr;
    CKeysWindow* m_keysWindow = nullptr;
    std::optional<std::string> m_loaded;  // the state file the last load read
    PastedNumber m_lastReading;           // what the last Paste Number read
    bool m_cut = false;                   // the last Cut reached the clipboard and cleared X
    int m_zoomPercent = 100;
    std::vector<CommandRow> m_rows;
    std::map<int, std::size_t> m_rowOfId;
    std::map<int, QAction*> m_actions;
    std::unique_ptr<SessionStore> m_session;  // goes before the tape it saves
};

}  // namespace tabrix
