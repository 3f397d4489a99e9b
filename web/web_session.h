// The calculator session as the web page drives it: the one session every
// front end has, with a clipboard of its own (the page carries texts between
// it and the browser's), and every answer as JSON text for the page's
// JavaScript. The page holds no rule of its own: it turns taps, keys and
// menu items into actions and shows what comes back.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "document/calculator_session.h"
#include "document/private_clipboard.h"
#include "document/program_book.h"
#include "platform/random_source.h"

namespace tabrix::web {


// A message box the page shows: the last message, until the page takes it.
class PageMessages final : public IMessageBox {
public:
    void ShowMessage(const std::string& text, const std::string& details) override {
        m_text = text;
        m_details = details;
    }
    std::string m_text, m_details;
};

// The ? key's About request, for the page to show its About box after the action.
class PageShell final : public IShellRequests {
public:
    void RequestAbout() override { asked = true; }
    bool asked = false;
};

class WebSession {
public:
    // With a seed, RAN# draws as tabrix-cli --seed SEED does; without, it is
    // unpredictable.
    explicit WebSession(std::optional<std::uint64_t> seed = std::nullopt);

    // An action (Action::Kind as a number, and its code, text and value):
    // the outcome as JSON, {"changed","failed","refused","notice":[...],
    // "run":{...},"message":...,"copied":...}. "copied" is the text a command
    // put on the clipboard, for the page to hand on to the browser.
    std::string Perform(int kind, std::uint32_t code, const std::string& text, double value);
    // Blank-separated console tokens, one after another (def blocks too), as
    // tabrix-cli runs them: {"ok":true} or {"ok":false,"error":"bad token 'x'"}.
    std::string Run(const std::string& tokens);

    // What the page shows and says.
    std::string State() ;  // the fields of tabrix-cli --json
    std::string Display(const std::string& timesTenToThe, const std::string& shift,
                        const std::string& shifted) const;
    std::string KeyName(int code, const std::string& shifted) const;
    std::string TapeLines() const;    // [{tokens,label,shown,value}], the open line last
    std::string TapeScript() const;   // the tape as tabrix-cli --script runs it
    std::string TapeSaved() const;    // the tape's saved text
    bool CanUndo() const { return m_session->CanUndo(); }
    bool CanRedo() const { return m_session->CanRedo(); }
    std::string RegisterLabels();     // {"sto":[...],"rcl":[...]}

    // What the page keeps in the browser's storage, and brings back.
    std::string Kept() const { return m_session->KeptText(); }
    bool Restore(const std::string& kept);

    // State files: the bytes Save State writes; Load State of such bytes.
    std::string SavedStateFile() const;
    std::string LoadStateFile(const std::string& bytes, const std::string& name);

    // Programs, as a file of def blocks keeps them.
    std::string ProgramsText() const { return m_book.Text(); }
    std::string SetPrograms(const std::string& text);
    std::string SetProgram(const std::string& name, const std::string& body);
    bool RemoveProgram(const std::string& name) { return m_book.Remove(name); }
    // The reader's decimal separator, for Paste Number's lone "," or ".".
    void SetLocaleDecimal(const std::string& decimal) {
        m_session->SetLocaleDecimal(decimal == "," ? ',' : '.');
    }
    std::string Programs() const;  // [{name,body,problems:[{line,context,text,values}]}]

private:
    std::unique_ptr<MersenneRandomSource> m_random;
    // The text the page last gave it, or that Copy put there for the page
    // to hand on to the browser.
    PrivateClipboard m_clipboard;
    PageMessages m_messages;
    PageShell m_shell;
    std::unique_ptr<CalculatorSession> m_session;
    ProgramBook m_book;
    std::string m_pendingName;  // the name of the file LoadStateFile loads
};

}  // namespace tabrix::web
