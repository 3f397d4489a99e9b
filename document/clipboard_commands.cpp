// Copy, Cut and Paste of X as text.
#include "document/document_commands.h"
#include "engine/number_text.h"

namespace tabrix {

namespace {

// Opens the clipboard for the length of one command.
class ClipboardSession {
public:
    explicit ClipboardSession(IClipboard* clipboard)
        : m_clipboard(clipboard), m_open(clipboard != nullptr && clipboard->Open()) {}
    ~ClipboardSession() {
        if (m_open) m_clipboard->Close();
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;

    bool IsOpen() const { return m_open; }
    IClipboard& operator*() const { return *m_clipboard; }

private:
    IClipboard* m_clipboard;
    bool m_open;
};

}  // namespace

double DocumentCommands::CopyValue() const { return m_doc.m_bEntering ? m_doc.GetEntryValue() : m_doc.m_dX; }

bool DocumentCommands::PutOnClipboard(const std::string& text) {
    ClipboardSession clipboard(m_services.clipboard);
    return clipboard.IsOpen() && (*clipboard).SetText(text);
}

std::optional<std::string> DocumentCommands::ClipboardText() {
    ClipboardSession clipboard(m_services.clipboard);
    if (!clipboard.IsOpen() || !(*clipboard).HasText()) return std::nullopt;
    return (*clipboard).GetText();
}

void DocumentCommands::EmptyClipboard() {
    ClipboardSession clipboard(m_services.clipboard);
    if (clipboard.IsOpen()) (*clipboard).Empty();
}

bool DocumentCommands::OnEditCopy() { return PutOnClipboard(FormatExponent(CopyValue(), 6)); }

bool DocumentCommands::OnEditCopyExact() { return PutOnClipboard(ExactText(CopyValue())); }

bool DocumentCommands::OnEditCut() {
    if (!OnEditCopy()) return false;
    m_doc.ClearX();
    m_doc.Refresh();
    return true;
}

std::optional<std::string> DocumentCommands::OnEditPaste() {
    ClipboardSession clipboard(m_services.clipboard);
    if (!clipboard.IsOpen()) return std::nullopt;
    std::optional<std::string> text = (*clipboard).HasText() ? (*clipboard).GetText() : std::nullopt;
    if (!text) {
        ShowMessage(kNoClipboardText);  // the clipboard stays open meanwhile
        return std::nullopt;
    }
    m_doc.ReplaceX(ParseLeadingDouble(*text));
    return text;
}

PastedNumber DocumentCommands::OnEditPasteNumber(char localeDecimal) {
    const std::optional<std::string> text = ClipboardText();
    const PastedNumber reading = ReadPastedNumber(text.value_or(std::string()), localeDecimal);
    if (reading.outcome == PastedNumber::Outcome::Read) m_doc.ReplaceX(reading.value);
    return reading;
}

void DocumentCommands::OnUpdateEditPaste(ICommandUI& item) {
    ClipboardSession clipboard(m_services.clipboard);
    if (clipboard.IsOpen()) item.Enable((*clipboard).HasText());
}

}  // namespace tabrix
