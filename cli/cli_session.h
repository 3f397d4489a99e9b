// One run of the console: a calculator with the console's services (a private
// clipboard, messages on standard error, an undo history), and the actions
// of tokens carried out on it.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_tokens.h"
#include "cli/console_services.h"
#include "document/document_commands.h"
#include "document/undo_history.h"
#include "engine/calculator_state.h"
#include "platform/random_source.h"

namespace tabrix::cli {

// The console's shell: it has no About box to show.
class ConsoleShell final : public IShellRequests {
public:
    void RequestAbout() override {}
};

class Session {
public:
    // How Print shows the state.
    enum class Picture { Lcd, Json, Value };

    // `seed` makes RAN# repeatable; without it the numbers are unpredictable.
    // `localeDecimal` reads paste-number texts.
    Session(std::optional<std::uint64_t> seed, Picture picture, char localeDecimal, std::ostream& out,
            std::ostream& err);

    // Carries out the actions in order. Each is one change for undo, as long
    // as the history is kept: a program known in full that never undoes
    // (`keepHistory` false) runs without it, which is much faster.
    void Run(const std::vector<CliAction>& actions, bool keepHistory = true);

    // Both report a failure as "File Error" on standard error.
    bool Load(const std::string& path) { return m_commands.LoadStateFile(path); }
    bool Save(const std::string& path) { return m_commands.SaveStateFile(path); }

    // The state as the chosen picture: the text LCD, one line of JSON, or the
    // value Copy Exact would copy, on a line of its own.
    void Print();

private:
    void Apply(const CliAction& action);

    MersenneRandomSource m_random;
    ConsoleShell m_shell;
    CTabrixDoc m_doc;
    PrivateClipboard m_clipboard;
    ConsoleMessageBox m_messageBox;
    DocumentCommands m_commands;
    CUndoHistory m_history;
    Picture m_picture;
    char m_localeDecimal;
    std::ostream& m_out;
    std::ostream& m_err;
};

// Whether running `actions` could ever look at the undo history.
bool UsesHistory(const std::vector<CliAction>& actions);

}  // namespace tabrix::cli
