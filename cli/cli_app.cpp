#include "cli/cli_app.h"

#include <charconv>
#include <istream>
#include <optional>
#include <ostream>

#include "cli/cli_tokens.h"
#include "cli/console_services.h"
#include "cli/state_printer.h"
#include "document/document_commands.h"
#include "document/undo_history.h"
#include "engine/calculator_state.h"
#include "platform/random_source.h"

#ifndef TABRIX_VERSION
#define TABRIX_VERSION "unknown"
#endif

namespace tabrix::cli {

namespace {

constexpr int kUsageError = 2;

constexpr const char* kUsage =
    "usage: tabrix-cli [--json] [--seed N] [--load FILE] [--save FILE] [TOKEN ...]\n"
    "\n"
    "Runs the tokens on a calculator that starts from its defaults, then prints its\n"
    "state. Without tokens it reads them from standard input, line by line, and\n"
    "prints the state after each line.\n"
    "\n"
    "  --json       print the state as one line of JSON\n"
    "  --seed N     seed the random numbers of RAN# (repeatable runs)\n"
    "  --load FILE  read a state file before the tokens\n"
    "  --save FILE  write the state file after the tokens\n"
    "  --help       this text;  --version  the version\n"
    "\n";

struct Options {
    bool json = false;
    std::optional<std::uint64_t> seed;
    std::optional<std::string> load;
    std::optional<std::string> save;
    std::vector<std::string> tokens;
};

// The console's shell: it has no About box to show.
class ConsoleShell final : public IShellRequests {
public:
    void RequestAbout() override {}
};

class Session {
public:
    Session(const Options& options, std::ostream& out, std::ostream& err)
        : m_random(options.seed ? *options.seed : MersenneRandomSource::UnpredictableSeed()),
          m_doc(&m_random, &m_shell),
          m_messageBox(err),
          m_commands(m_doc, DocumentServices{nullptr, &m_messageBox, nullptr, &m_clipboard}),
          m_history(m_doc),
          m_json(options.json),
          m_out(out) {}

    void Run(const std::vector<CliAction>& actions) {
        for (const CliAction& action : actions) {
            if (action.kind == CliAction::Kind::Undo) {
                m_history.Undo();
            } else if (action.kind == CliAction::Kind::Redo) {
                m_history.Redo();
            } else {
                m_history.Record([&] { Apply(action); });
            }
        }
    }

    // Both report a failure as "File Error" on standard error.
    bool Load(const std::string& path) { return m_commands.LoadStateFile(path); }
    bool Save(const std::string& path) { return m_commands.SaveStateFile(path); }

    void Print() {
        m_out << (m_json ? StateToJson(m_doc, m_commands, m_clipboard) + "\n" : StateToPicture(m_doc)) << std::flush;
    }

private:
    void Apply(const CliAction& action) {
        switch (action.kind) {
            case CliAction::Kind::Key: m_doc.PressKey(action.code); break;
            case CliAction::Kind::HardwareKey: m_doc.OnHardwareKeyUp(action.code); break;
            case CliAction::Kind::Copy: m_commands.OnEditCopy(); break;
            case CliAction::Kind::Cut: m_commands.OnEditCut(); break;
            case CliAction::Kind::Paste: m_commands.OnEditPaste(); break;
            case CliAction::Kind::PutText: m_clipboard.SetText(action.text); break;
            case CliAction::Kind::Store: m_commands.OnStoreRegister(static_cast<int>(action.code)); break;
            case CliAction::Kind::Recall: m_commands.OnRecallRegister(static_cast<int>(action.code)); break;
            case CliAction::Kind::Undo:
            case CliAction::Kind::Redo: break;  // not changes of their own: see Run
        }
    }

    MersenneRandomSource m_random;
    ConsoleShell m_shell;
    CTabrixDoc m_doc;
    PrivateClipboard m_clipboard;
    ConsoleMessageBox m_messageBox;
    DocumentCommands m_commands;
    CUndoHistory m_history;
    bool m_json;
    std::ostream& m_out;
};

// Checks a token; on a problem writes its one line to `err` and returns nothing.
std::optional<std::vector<CliAction>> CheckToken(const std::string& token, std::ostream& err) {
    auto actions = ParseToken(token);
    if (!actions) err << "tabrix-cli: bad token '" << token << "'\n";
    return actions;
}

// Parses the options; nothing (with the one-line reason on `err`) on a usage
// error. --help and --version print and return an exit status through `done`.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                                    std::optional<int>& done) {
    Options options;
    bool tokensOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (tokensOnly || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            options.tokens.push_back(arg);
        } else if (arg == "--") {
            tokensOnly = true;
        } else if (arg == "--help") {
            out << kUsage << TokenHelp();
            done = 0;
            return options;
        } else if (arg == "--version") {
            out << "tabrix-cli " << TABRIX_VERSION << "\n";
            done = 0;
            return options;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--seed" || arg == "--load" || arg == "--save") {
            if (i + 1 == args.size()) {
                err << "tabrix-cli: option '" << arg << "' needs a value\n";
                return std::nullopt;
            }
            const std::string& value = args[++i];
            if (arg == "--load") {
                options.load = value;
                continue;
            }
            if (arg == "--save") {
                options.save = value;
                continue;
            }
            std::uint64_t seed = 0;
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), seed);
            if (value.empty() || error != std::errc{} || end != value.data() + value.size()) {
                err << "tabrix-cli: option '--seed' needs a whole number from 0 to 18446744073709551615, not '"
                    << value << "'\n";
                return std::nullopt;
            }
            options.seed = seed;
        } else {
            err << "tabrix-cli: unknown option '" << arg << "'\n";
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
           bool interactive) {
    std::optional<int> done;
    const std::optional<Options> options = ParseOptions(args, out, err, done);
    if (done) return *done;
    if (!options) return kUsageError;

    Session session(*options, out, err);
    if (options->load && !session.Load(*options->load)) return kUsageError;

    if (!options->tokens.empty()) {
        // Every token is checked before any runs, so a bad one prints nothing.
        std::vector<std::vector<CliAction>> program;
        for (const std::string& token : options->tokens) {
            auto actions = CheckToken(token, err);
            if (!actions) return kUsageError;
            program.push_back(std::move(*actions));
        }
        for (const auto& actions : program) session.Run(actions);
        if (options->save && !session.Save(*options->save)) return kUsageError;
        session.Print();
        return 0;
    }

    if (interactive) {
        err << "Tabrix: type keys and press Return (for example: 12 ENTER 3 +); "
               "tabrix-cli --help lists them; Ctrl+D quits.\n";
        session.Print();
    }
    int status = 0;
    bool printed = interactive;
    std::string line;
    while (std::getline(in, line)) {
        const std::vector<std::string> words = SplitLine(line);
        if (words.empty()) continue;
        printed = true;
        for (const std::string& word : words) {
            const auto actions = CheckToken(word, err);
            if (!actions) {
                status = kUsageError;  // reported; the rest of the line is skipped
                break;
            }
            session.Run(*actions);
        }
        session.Print();
    }
    if (options->save && !session.Save(*options->save)) return kUsageError;
    // Input without a single token still ends with the final state, once.
    if (!printed) session.Print();
    return status;
}

}  // namespace tabrix::cli
