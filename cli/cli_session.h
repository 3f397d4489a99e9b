// One run of the console: a calculator with the console's services (a private
// clipboard, messages on standard error, an undo history, RAN# draws that a
// tape can give), and the actions of tokens carried out on it.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_tokens.h"
#include "cli/console_services.h"
#include "document/document_commands.h"
#include "document/random_draws.h"
#include "document/tape.h"
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
    // `seed` makes RAN# repeatable; without it the numbers are unpredictable.
    // `output` is what Print shows: the text LCD, one line of JSON, the value
    // Copy Exact would copy, the run's own tape, or nothing (a trace shows
    // each token instead). `localeDecimal` reads paste-number texts.
    Session(std::optional<std::uint64_t> seed, Options::Output output, char localeDecimal, std::ostream& out,
            std::ostream& err);

    // Carries out the actions in order. Each is one change for undo, as long
    // as the history is kept: a program known in full that never undoes
    // (`keepHistory` false) runs without it, which is much faster.
    void Run(const std::vector<CliAction>& actions, bool keepHistory = true);

    // Both report a failure as "File Error" on standard error. A load is a
    // line of the tape.
    bool Load(const std::string& path);
    bool Save(const std::string& path) { return m_commands.SaveStateFile(path); }

    void Print();
    // With a trace: the token and the state after it, as one line of JSON.
    void Trace(std::string_view token);
    // Whether a load: token failed; the run's exit status is then 2.
    bool FileFailed() const { return m_fileFailed; }

private:
    void Perform(const CliAction& action, bool keepHistory);
    // Carries out one action; returns the tape's step for a command.
    std::optional<TapeStep> Apply(const CliAction& action);

    MersenneRandomSource m_random;
    RandomDraws m_draws{m_random};
    ConsoleShell m_shell;
    CTabrixDoc m_doc;
    PrivateClipboard m_clipboard;
    ConsoleMessageBox m_messageBox;
    DocumentCommands m_commands;
    CUndoHistory m_history;
    std::optional<CTape> m_tape;  // kept only when the tape is printed
    Options::Output m_output;
    char m_localeDecimal;
    bool m_fileFailed = false;
    std::ostream& m_out;
    std::ostream& m_err;
};

// Whether running `actions` could ever look at the undo history.
bool UsesHistory(const std::vector<CliAction>& actions);

}  // namespace tabrix::cli
