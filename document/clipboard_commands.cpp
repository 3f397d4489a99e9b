// Copy, Cut and Paste of X as text.
#include "document/document_commands.h"
#include "engine/integer_word.h"
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

std::optional<std::string> DocumentCommands::CopyWordText() const {
    const IntegerMode& mode = m_doc.m_integer;
    if (!mode.On()) return std::nullopt;
    const std::uint64_t bits = m_doc.m_bEntering ? m_doc.GetEntryWord() : mode.words[kSlotX];
    const char* prefix = mode.base == 16 ? "0x" : mode.base == 8 ? "0o" : mode.base == 2 ? "0b" : "";
    return (m_copyBasePrefix ? prefix : "") + word::Text(bits, mode.Format(), mode.base);
}

bool DocumentCommands::OnEditCopy() {
    if (const std::optional<std::string> word = CopyWordText()) return PutOnClipboard(*word);
    return PutOnClipboard(FormatExponent(CopyValue(), 6));
}

bool DocumentCommands::OnEditCopyExact() {
    if (const std::optional<std::string> word = CopyWordText()) return PutOnClipboard(*word);
    return PutOnClipboard(ExactText(CopyValue()));
}

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
    if (const std::optional<std::uint64_t> bits = ReadPastedWord(*text, m_doc.m_integer); bits && m_doc.m_integer.On()) {
        m_doc.ReplaceXWord(*bits);
    } else {
        m_doc.ReplaceX(bits ? static_cast<double>(*bits) : ParseLeadingDouble(*text));
    }
    return text;
}

PastedNumber DocumentCommands::OnEditPasteNumber(char localeDecimal) {
    const std::optional<std::string> text = ClipboardText();
    if (const std::optional<std::uint64_t> bits = ReadPastedWord(text.value_or(std::string()), m_doc.m_integer)) {
        PastedNumber word;
        word.outcome = PastedNumber::Outcome::Read;
        word.match = *text;
        if (m_doc.m_integer.On()) {
            word.bits = bits;
            m_doc.ReplaceXWord(*bits);
            word.value = m_doc.m_dX;
        } else {
            word.value = static_cast<double>(*bits);
            m_doc.ReplaceX(word.value);
        }
        return word;
    }
    PastedNumber reading = ReadPastedNumber(text.value_or(std::string()), localeDecimal);
    if (reading.outcome == PastedNumber::Outcome::Read) {
        m_doc.ReplaceX(reading.value);
        // In integer mode the number became a word: that is what was pasted.
        if (m_doc.m_integer.On()) reading.bits = m_doc.m_integer.words[kSlotX];
    }
    return reading;
}

void DocumentCommands::OnUpdateEditPaste(ICommandUI& item) {
    ClipboardSession clipboard(m_services.clipboard);
    if (clipboard.IsOpen()) item.Enable((*clipboard).HasText());
}

}  // namespace tabrix
