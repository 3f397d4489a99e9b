#include "cli/cli_session.h"

#include <cmath>
#include <ostream>

#include "cli/state_printer.h"
#include "document/tape_steps.h"
#include "engine/main_line.h"

namespace tabrix::cli {

Session::Session(std::optional<std::uint64_t> seed, Options::Output output, char localeDecimal,
                 std::uint64_t maxSteps, std::ostream& out, std::ostream& err)
    : m_random(seed ? *seed : MersenneRandomSource::UnpredictableSeed()),
      m_messageBox(err),
      m_calculator(SessionServices{{nullptr, &m_messageBox, nullptr, &m_clipboard}, &m_shell, &m_random}),
      m_output(output),
      m_out(out),
      m_err(err) {
    m_calculator.SetLocaleDecimal(localeDecimal);
    m_calculator.KeepTape(output == Options::Output::Tape);
    m_calculator.SetStepLimit(maxSteps);
    if (output == Options::Output::Trace) {
        m_calculator.SetStepObserver([this](const Program& program, std::size_t step) { TraceStep(program, step); });
        m_calculator.SetEvaluationObserver(
            [this](const Program& function, double x, double fx) { TraceEvaluation(function, x, fx); });
    }
}

bool Session::Run(const std::vector<Action>& actions) {
    for (const Action& action : actions) {
        if (!Told(action, m_calculator.Perform(action))) return false;
    }
    return true;
}

bool Session::Told(const Action& action, const Outcome& outcome) {
    using Kind = Action::Kind;
    if (outcome.failed && action.kind == Kind::Load) m_fileFailed = true;
    // What Paste Number read is told only when it read nothing.
    if (outcome.refused) {
        if (action.kind == Kind::Run || action.kind == Kind::Continue || action.kind == Kind::Step ||
            action.kind == Kind::Solve || action.kind == Kind::Integrate) {
            const TapeStep step = action.kind == Kind::Run         ? tape_steps::Run(action.text)
                                  : action.kind == Kind::Continue  ? tape_steps::Continue()
                                  : action.kind == Kind::Solve     ? tape_steps::Solve(action.text)
                                  : action.kind == Kind::Integrate ? tape_steps::Integrate(action.text)
                                                                   : tape_steps::Step(action.text);
            m_err << "tabrix-cli: " << step.tokens << " was refused: " << NoticeText(outcome.notice) << "\n";
            m_refused = true;
        } else {
            m_err << "tabrix-cli: " << NoticeText(outcome.notice) << "\n";
        }
    }
    // A solve without a root, an integration without a value or with a
    // doubtful one: why, and a failure where there is no answer.
    if ((action.kind == Kind::Solve || action.kind == Kind::Integrate) && !outcome.refused &&
        outcome.run.state == RunReport::State::Finished && !outcome.notice.empty()) {
        m_err << "tabrix-cli: " << NoticeText(outcome.notice) << "\n";
        if (outcome.noAnswer && m_reportErrors) m_showedError = true;
    }
    if (outcome.run.Ended() && outcome.run.state != RunReport::State::Finished) {
        m_err << "tabrix-cli: " << NoticeText(outcome.notice) << "\n";
        m_halted = true;
        return false;
    }
    return true;
}

void Session::TraceStep(const Program& program, std::size_t step) {
    CTabrixDoc& doc = m_calculator.Doc();
    doc.FlushDisplay();
    m_out << "{\"program\":" << JsonText(program.name) << ",\"step\":" << step + 1
          << ",\"token\":" << JsonText(std::string(program.Token(program.steps[step])))
          << ",\"state\":" << StateToJson(doc, m_calculator.Commands(), m_clipboard) << "}\n";
}

void Session::TraceEvaluation(const Program& function, double x, double fx) {
    const auto number = [](double value) { return std::isfinite(value) ? ExactText(value) : std::string("null"); };
    m_out << "{\"evaluation\":" << ++m_evaluations << ",\"program\":" << JsonText(function.name)
          << ",\"x\":" << number(x) << ",\"fx\":" << number(fx) << "}\n";
}

bool Session::Load(const std::string& path) {
    Run({Action::WithText(Action::Kind::Load, path)});
    return !m_fileFailed;
}

bool Session::Save(const std::string& path) {
    return !m_calculator.Perform(Action::WithText(Action::Kind::Save, path)).failed;
}

void Session::CheckShown(std::string_view after) {
    CTabrixDoc& doc = m_calculator.Doc();
    doc.FlushDisplay();
    const std::string_view error = ShownError(doc);
    if (!error.empty() && !m_errorShownLast && m_reportErrors) {
        m_err << "tabrix-cli: the calculator shows " << error << " after \"" << after << "\"\n";
        m_showedError = true;
    }
    m_errorShownLast = !error.empty();
}

void Session::Print(std::string_view after) {
    CheckShown(after);
    CTabrixDoc& doc = m_calculator.Doc();
    switch (m_output) {
        case Options::Output::Lcd: m_out << StateToPicture(doc); break;
        case Options::Output::Json: m_out << StateToJson(doc, m_calculator.Commands(), m_clipboard) << "\n"; break;
        case Options::Output::Value: m_out << ExactText(m_calculator.Commands().CopyValue()) << "\n"; break;
        case Options::Output::Tape: m_out << m_calculator.Tape().Script(); break;
        case Options::Output::Trace: break;
    }
    m_out << std::flush;
}

void Session::Trace(std::string_view token) {
    if (m_output != Options::Output::Trace) return;
    m_evaluations = 0;
    CheckShown(token);
    m_out << "{\"token\":" << JsonText(std::string(token))
          << ",\"state\":" << StateToJson(m_calculator.Doc(), m_calculator.Commands(), m_clipboard) << "}\n";
}

}  // namespace tabrix::cli
