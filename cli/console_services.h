// The console's own implementations of the document's services.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "document/services.h"

namespace tabrix::cli {

// A clipboard private to one run: it starts with no text, Copy and Cut put
// their text there, Paste reads it. It can always be opened.
class PrivateClipboard final : public IClipboard {
public:
    bool Open() override { return true; }
    void Close() override {}
    bool HasText() override { return m_text.has_value(); }
    std::optional<std::string> GetText() override { return m_text; }
    bool SetText(const std::string& text) override {
        m_text = text;
        return true;
    }
    void Empty() override { m_text.reset(); }
    const std::optional<std::string>& Text() const { return m_text; }

private:
    std::optional<std::string> m_text;
};

// A message box is one line on standard error: the message's own text, or
// with details "tabrix-cli: File Error: s.rpn: Permission denied".
class ConsoleMessageBox final : public IMessageBox {
public:
    explicit ConsoleMessageBox(std::ostream& err) : m_err(err) {}
    void ShowMessage(const std::string& text, const std::string& details) override {
        if (details.empty()) {
            m_err << text << "\n";
        } else {
            m_err << "tabrix-cli: " << text << ": " << details << "\n";
        }
    }

private:
    std::ostream& m_err;
};

// Records what a menu item would be set to.
class RecordingCommandUI final : public ICommandUI {
public:
    void Enable(bool enabled) override { this->enabled = enabled; }
    void SetText(const std::string& text) override { this->text = text; }
    std::optional<bool> enabled;
    std::string text;
};

}  // namespace tabrix::cli
