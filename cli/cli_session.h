// One run of the console: the calculator session with the console's services
// (a private clipboard, messages on standard error, a seedable random
// source), and what the run prints.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"
#include "cli/console_services.h"
#include "document/calculator_session.h"
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
    // `maxSteps` bounds every program run.
    Session(std::optional<std::uint64_t> seed, Options::Output output, char localeDecimal, std::uint64_t maxSteps,
            std::ostream& out, std::ostream& err);
    // Whether a calculator showing an error is told (on by default).
    void ReportErrors(bool report) { m_reportErrors = report; }

    // Carries out the actions in order, each through the calculator session,
    // and tells what they did (Told).
    bool Run(const std::vector<Action>& actions);
    // What an action carried out did, as far as the console tells it: a
    // refusal (a text Paste Number reads as no number; a run that cannot
    // begin, or cont or sst with no run stopped, which names the token) is
    // one line on standard error, and so is a run that ended before its end
    // (the step limit, too many open calls), which ends the console's work:
    // false, nothing more is to run.
    bool Told(const Action& action, const Outcome& outcome);
    // With a trace: `step` of `program` (from 0) was carried out.
    void TraceStep(const Program& program, std::size_t step);
    void TraceEvaluation(const Program& function, double x, double fx);
    // A run known in full that never undoes keeps no history: much faster.
    void KeepHistory(bool keep) { m_calculator.KeepHistory(keep); }

    // Both report a failure as "File Error" on standard error. A load is a
    // line of the tape.
    bool Load(const std::string& path);
    bool Save(const std::string& path);

    // Prints the state `after` the tokens named (a line, the last token), and
    // tells when it newly shows an error: "the calculator shows ERROR: NaN
    // after ...". With --json a state printed after each line is checked;
    // otherwise the state printed at the end.
    void Print(std::string_view after);
    // With a trace: the token and the state after it, as one line of JSON;
    // each is checked for an error.
    void Trace(std::string_view token);
    bool Tracing() const { return m_output == Options::Output::Trace; }
    // Whether a load: token failed; the run's exit status is then 2.
    bool FileFailed() const { return m_fileFailed; }
    // Whether a program run ended before its end; the exit status is then 3.
    bool Halted() const { return m_halted; }
    // Whether a token was refused while running (exit status 5), and whether
    // a state checked showed an error (4).
    bool Refused() const { return m_refused; }
    bool ShowedError() const { return m_showedError; }

    CalculatorSession& Calculator() { return m_calculator; }

private:
    MersenneRandomSource m_random;
    ConsoleShell m_shell;
    PrivateClipboard m_clipboard;
    ConsoleMessageBox m_messageBox;
    CalculatorSession m_calculator;
    Options::Output m_output;
    void CheckShown(std::string_view after);

    bool m_fileFailed = false;
    bool m_halted = false;
    bool m_refused = false;
    bool m_reportErrors = true;
    std::uint64_t m_evaluations = 0;  // of the token being carried out
    bool m_showedError = false;
    bool m_errorShownLast = false;  // the state checked last showed one
    std::ostream& m_out;
    std::ostream& m_err;
};

}  // namespace tabrix::cli
