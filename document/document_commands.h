// The document's menu commands: Save State / Load State, Copy / Cut / Paste of
// X through the clipboard, and the STO / RCL register menus. They work on a
// CTabrixDoc through the services the front end passes in, so the engine
// itself knows nothing of files, clipboards or menus.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/number_reading.h"
#include "document/services.h"
#include "engine/calculator_state.h"

namespace tabrix {

inline constexpr const char* kFileError = "File Error";
inline constexpr const char* kNoClipboardText = "There is no text data (ANSI) on the Clipboard.";
inline constexpr const char* kStateFileFilter = "Tabrix settings (*.rpn)|*.rpn";
inline constexpr const char* kStateFileExtension = "*.rpn";

// Command ids of the STO and RCL menu items, register 0 first. STO 1 has id 1.
inline constexpr std::array<int, 10> kStoreCommandIds = {32783, 1,     32784, 32785, 32786,
                                                         32787, 32788, 32789, 32790, 32791};
inline constexpr std::array<int, 10> kRecallCommandIds = {32773, 32774, 32775, 32776, 32777,
                                                          32778, 32779, 32780, 32781, 32782};

class DocumentCommands {
public:
    DocumentCommands(CTabrixDoc& doc, const DocumentServices& services) : m_doc(doc), m_services(services) {}

    // --- State file ---------------------------------------------------------
    // Save State: asks for a path, lists it as recent, writes the state there.
    void OnSaveState();
    // Load State: asks for a path, lists it as recent, loads it. Returns the
    // path when the state was loaded.
    std::optional<std::string> OnLoadState();
    // Writes the state to `path`; on failure shows "File Error" (with the path
    // and the reason as its details) and returns false.
    bool SaveStateFile(const std::string& path);
    // Replaces the state by the file's, then refreshes and redraws. A file that
    // cannot be read or is not a whole state file shows "File Error", changes
    // nothing and returns false. What a newer version wrote and this one
    // leaves out is named in `leftOut`, when given.
    bool LoadStateFile(std::string path, std::vector<std::string>* leftOut = nullptr);
    // Opening a document (recent file, Open, a path at start-up): loads it and
    // reports success in every case, after a "File Error" too.
    bool OnOpenDocument(const std::string& path);

    // --- Clipboard ------------------------------------------------------------
    // Copy: X (or the number being typed) as "%.6e" text. Silent when the
    // clipboard cannot be had. Returns whether the text reached the clipboard.
    bool OnEditCopy();
    // Cut: Copy, then clear X -- only when the copy succeeded, so that a number
    // never disappears without reaching the clipboard. Returns whether it did.
    bool OnEditCut();
    // Paste: the clipboard text's leading number into X (no lift; an entry is
    // abandoned); returns the text it read. Without text on the clipboard a
    // message box says so, and nothing is returned.
    std::optional<std::string> OnEditPaste();
    // Enables Paste (and Paste Number) only while the clipboard holds text.
    void OnUpdateEditPaste(ICommandUI& item);

    // What Copy and Copy Exact take: the number being typed, or X.
    double CopyValue() const;
    // In integer mode Copy and Copy Exact both take X's word as the base
    // shows it ("FF"), after the base's prefix (0x, 0o, 0b) when this is on.
    void SetCopyBasePrefix(bool on) { m_copyBasePrefix = on; }
    std::optional<std::string> CopyWordText() const;
    // Copy Exact: the value Copy takes, as the shortest text that reads back
    // to the same double ("3.141592653589793"). Changes no calculator state.
    // Returns whether the text reached the clipboard.
    bool OnEditCopyExact();
    // Paste Number: the clipboard text read as a person writes numbers
    // (ReadPastedNumber, with the locale's decimal separator for a lone ","
    // or "." before three digits) into X, as Paste puts a number there. When
    // the text holds no usable number nothing changes; without text, nothing
    // changes either (NoNumber, nothing matched). The reading says how the
    // text was read, for the front end to tell the user.
    PastedNumber OnEditPasteNumber(char localeDecimal);

    // --- Register menus ---------------------------------------------------------
    // STO n / RCL n in one step; both cancel the shift and any pending prefix.
    void OnStoreRegister(int n);
    void OnRecallRegister(int n);
    // Item labels "STO n: " / "RCL n: " followed by the register's display text.
    void OnUpdateStoreRegister(int n, ICommandUI& item);
    void OnUpdateRecallRegister(int n, ICommandUI& item);
    std::string StoreLabel(int n) const;
    std::string RecallLabel(int n) const;

    // "File Error", with `details` for whoever asks.
    void ShowFileError(const std::string& details) { ShowMessage(kFileError, details); }

    // Puts text on the clipboard for one command; false when it did not get there.
    bool PutOnClipboard(const std::string& text);
    // The clipboard's text, without doing anything with it; nothing when it
    // holds none or cannot be had.
    std::optional<std::string> ClipboardText();
    // Leaves the clipboard without text (a tape's replay of a run that found none).
    void EmptyClipboard();

private:
    void ShowMessage(const std::string& text, const std::string& details = {});
    std::optional<std::string> ChooseStateFile(bool save);
    void AddToRecentFiles(const std::string& path);
    void FinishRegisterCommand();
    std::string RegisterLabel(std::string_view word, int n) const;

    CTabrixDoc& m_doc;
    DocumentServices m_services;
    bool m_copyBasePrefix = false;
};

}  // namespace tabrix
