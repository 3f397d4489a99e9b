// What the document's commands (state file, clipboard, register menus) need
// from the program around them. The desktop program implements these with its
// toolkit, the console with plain code, the tests with fakes.
#pragma once

#include <optional>
#include <string>

namespace tabrix {

// What a file dialog is asked to show.
struct FileDialogRequest {
    enum class Mode { Save, Open };
    Mode mode = Mode::Open;
    std::string title;             // "Save State File" / "Load State File"
    std::string filter;            // "Tabrix settings (*.rpn)|*.rpn": description|pattern
    std::string defaultExtension;  // "*.rpn": completes a name typed without one
    bool confirmOverwrite = false; // ask before a save replaces an existing file
};

// A modal file dialog. Called by Save State and Load State on the UI thread.
// Returns the chosen path, or nothing when the user cancels.
class IFileDialog {
public:
    virtual ~IFileDialog() = default;
    virtual std::optional<std::string> Choose(const FileDialogRequest& request) = 0;
};

// A modal message box with one OK button. Called for "File Error" and for a
// paste without text; returns when the user has dismissed it. `details`,
// when not empty, say more for whoever asks ("s.rpn: Permission denied");
// the box's own text stays `text`.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    virtual void ShowMessage(const std::string& text, const std::string& details) = 0;
};

// The recent-file list (four entries, kept in the program's settings).
// Called by Save State and Load State with the path the user chose.
class IRecentFiles {
public:
    virtual ~IRecentFiles() = default;
    virtual void AddToRecentFileList(const std::string& path) = 0;
};

// The system clipboard, shared with other programs. A command opens it, works
// and closes it within one call; the other calls are made only while it is open.
class IClipboard {
public:
    virtual ~IClipboard() = default;
    // False when the clipboard cannot be had (another program holds it).
    virtual bool Open() = 0;
    virtual void Close() = 0;
    // Whether the clipboard holds text.
    virtual bool HasText() = 0;
    // The clipboard's text (UTF-8), or nothing when it holds none.
    virtual std::optional<std::string> GetText() = 0;
    // Empties the clipboard and puts `text` on it; false when that failed.
    virtual bool SetText(const std::string& text) = 0;
    // Empties the clipboard: it holds no text afterwards.
    virtual void Empty() = 0;
};

// A menu item or button being prepared for display (the STO/RCL items, Paste).
class ICommandUI {
public:
    virtual ~ICommandUI() = default;
    virtual void Enable(bool enabled) = 0;
    virtual void SetText(const std::string& text) = 0;
    // A check item (View > Tape) shows whether it is on; other items ignore it.
    virtual void SetCheck(bool /*checked*/) {}
};

// The services a DocumentCommands object works with; any may be null when the
// front end never issues the commands that use it.
struct DocumentServices {
    IFileDialog* fileDialog = nullptr;
    IMessageBox* messageBox = nullptr;
    IRecentFiles* recentFiles = nullptr;
    IClipboard* clipboard = nullptr;
};

}  // namespace tabrix
