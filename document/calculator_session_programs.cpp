// The calculator session's programs: the library, a run and its parts
// (one undo step and one tape line each, the definitions the tape has not
// yet written ahead of it), and Record Program.
#include "document/calculator_session.h"

#include "document/command_tokens.h"
#include "document/numeric_job.h"
#include "document/tape_steps.h"
#include "engine/key_codes.h"
#include "engine/key_table.h"
#include "engine/virtual_keys.h"

namespace tabrix {

void CalculatorSession::ApplyInRun(const Action& action) {
    using Kind = Action::Kind;
    // Commands look at the main line: the text the last key left waiting.
    m_doc.FlushDisplay();
    switch (action.kind) {
        case Kind::Key: m_doc.PressKey(action.code); return;
        case Kind::Function:
            m_doc.ExecuteFunction(catalogue::At(static_cast<FunctionId>(action.code)), static_cast<int>(action.argument));
            return;
        case Kind::KeyRelease: m_doc.OnHardwareKeyUp(action.code); return;
        case Kind::Paste:
        case Kind::PasteNumber:
        case Kind::PasteData:
            // What the run found on the clipboard before it wrote any goes on
            // the tape, so that a replay reads it too.
            if (!m_part.clipboardWritten && !m_part.clipboardSeen && m_keepTape) {
                m_part.clipboardSeen = true;
                m_part.clipboardText = m_commands.ClipboardText();
            }
            break;
        case Kind::Copy:
        case Kind::CopyExact:
        case Kind::Cut:
        case Kind::PutText:
        case Kind::EmptyClipboard: m_part.clipboardWritten = true; break;
        default: break;
    }
    Outcome ignored;
    Apply(action, ignored);
}

void CalculatorSession::Record(const Action& action, const std::optional<TapeStep>& step, bool shiftedBefore,
                               bool changed, bool joined) {
    if (!m_recorder.On()) return;
    using Kind = Action::Kind;
    const bool lineEnds = !m_doc.m_bEntering && !m_doc.m_bShift && m_doc.m_strPrefix.empty();
    std::uint32_t code = action.code;
    // Every key is the program's, whether or not it changed anything here:
    // on other numbers it may. A tap beside the keys is none.
    if (action.kind == Kind::KeyRelease) {
        code = KeypadKeyOfVirtualKey(action.code);
        if (code == keys::kNone) {
            // Delete and Escape, the keyboard's own; other keys do nothing.
            if (action.code == vk::kDelete || action.code == vk::kEscape) {
                m_recorder.Add(action.code == vk::kDelete ? "vk:0x2E" : "vk:0x1B", changed, lineEnds);
            }
            return;
        }
    }
    if (action.kind == Kind::Key || action.kind == Kind::KeyRelease) {
        const KeyLayer layer = KeyLayerOf(m_doc);
        const catalogue::Function& plain = KeyFunctionOf(code, false, layer);
        const catalogue::Function& function = KeyFunctionOf(code, shiftedBefore, layer);
        if (code != keys::kShift && function.label.empty()) return;
        if (shiftedBefore && code != keys::kShift && !function.token.empty() &&
            m_recorder.LastIsLoneShift(KeyFunctionOf(keys::kShift, false).token)) {
            m_recorder.ReplaceLast(std::string(function.token), changed, lineEnds);
            return;
        }
        const bool digit = (plain.digit >= 0 && plain.digit <= 9) || code == keys::kPoint;
        // A key that joined the step before leaves the program with it at an Undo.
        m_recorder.Add(plain.token.empty() ? "#" + std::to_string(code) : std::string(plain.token),
                       changed && !joined, lineEnds, digit && !shiftedBefore);
        return;
    }
    switch (action.kind) {
        case Kind::Paste: m_recorder.Add(std::string(tokens::kPaste), changed, lineEnds); return;
        case Kind::PasteNumber: m_recorder.Add(std::string(tokens::kPasteNumber), changed, lineEnds); return;
        case Kind::PasteData: m_recorder.Add(std::string(tokens::kPasteData), changed, lineEnds); return;
        case Kind::PutText:
            m_recorder.Add(std::string(tokens::kClipboard) + ":" + tokens::Quoted(action.text), false, lineEnds);
            return;
        case Kind::Run: m_recorder.Add(tape_steps::Run(action.text).tokens, changed, lineEnds); return;
        case Kind::Solve: m_recorder.Add(tape_steps::Solve(action.text).tokens, changed, lineEnds); return;
        case Kind::Integrate: m_recorder.Add(tape_steps::Integrate(action.text).tokens, changed, lineEnds); return;
        default:
            if (step) m_recorder.Add(step->tokens, changed, lineEnds);
            return;
    }
}

void CalculatorSession::RecordFunction(const catalogue::Function& function, std::uint32_t argument, bool changed) {
    if (!m_recorder.On()) return;
    const bool lineEnds = !m_doc.m_bEntering && !m_doc.m_bShift && m_doc.m_strPrefix.empty();
    m_recorder.Add(catalogue::TokenWith(function, argument), changed, lineEnds);
}

bool CalculatorSession::DefineProgram(std::shared_ptr<const Program> program) {
    if (m_running) return false;
    m_broken.erase(program->key);
    m_programs.Define(std::move(program));
    return true;
}

bool CalculatorSession::DefineBroken(std::string_view name, ProgramProblem problem) {
    if (m_running) return false;
    m_programs.Remove(name);
    m_broken[ProgramKey(name)] = Broken{std::string(name), std::move(problem)};
    return true;
}

bool CalculatorSession::RemoveProgram(std::string_view name) {
    if (m_running) return false;
    const bool broken = m_broken.erase(ProgramKey(name)) > 0;
    return m_programs.Remove(name) || broken;
}

std::optional<std::string> CalculatorSession::MissingCallee(const Program& program) const {
    std::vector<const Program*> todo{&program};
    std::unordered_map<std::string, bool> seen{{program.key, true}};
    while (!todo.empty()) {
        const Program* next = todo.back();
        todo.pop_back();
        for (std::size_t i = 0; i < next->calls.size(); ++i) {
            const std::string& key = next->calls[i];
            if (!seen.emplace(key, true).second) continue;
            const auto* called = m_programs.Find(key);
            if (called == nullptr) {
                // The name as the program writes it.
                for (const ProgramStep& step : next->steps) {
                    const bool names = step.kind == ProgramStep::Kind::Call || step.kind == ProgramStep::Kind::Solve ||
                                       step.kind == ProgramStep::Kind::Integrate;
                    if (names && step.first == i) {
                        const std::string_view token = next->Token(step);
                        return std::string(token.substr(token.find(':') + 1));
                    }
                }
                return key;
            }
            todo.push_back(called->get());
        }
    }
    return std::nullopt;
}

std::shared_ptr<const Program> CalculatorSession::Startable(const std::string& name, Outcome& outcome) {
    const auto* program = m_programs.Find(name);
    if (const auto broken = m_broken.find(ProgramKey(name)); program == nullptr && broken != m_broken.end()) {
        // A program with problems does not run; the first says why.
        outcome.refused = true;
        outcome.notice.push_back({"Programs", QT_TRANSLATE_NOOP("Programs", "%1 does not run: %2"),
                                  {broken->second.name, ProblemSentence(broken->second.problem)}});
        return nullptr;
    }
    if (program == nullptr) {
        Refuse(outcome, QT_TRANSLATE_NOOP("Programs", "No program %1 is defined"), {name});
        return nullptr;
    }
    if (const auto missing = MissingCallee(**program)) {
        Refuse(outcome, QT_TRANSLATE_NOOP("Programs", "%1 calls %2, which is not defined"), {(*program)->name, *missing});
        return nullptr;
    }
    return *program;
}

void CalculatorSession::Run(const Action& action, Outcome& outcome) {
    using Kind = Action::Kind;
    switch (action.kind) {
        case Kind::Run: {
            auto program = Startable(action.text, outcome);
            if (!program) return;
            const TapeStep step = tape_steps::Run(program->name);
            m_runner.Begin(program);
            BeginPart(step.tokens, step.label, std::move(program), true);
            GoOn(outcome);
            Record(action, std::nullopt, false, outcome.changed);
            return;
        }
        case Kind::Continue:
        case Kind::Step: ContinueOrStep(action, outcome); return;
        case Kind::Solve:
        case Kind::Integrate: RunNumeric(action, outcome); return;
        case Kind::Resume:
            if (!m_running) return;
            m_doc.DeferDisplay(true);
            GoOn(outcome);
            return;
        case Kind::Interrupt:
            if (!m_running) return;
            Settle(ProgramRunner::End::StepLimit, outcome);
            outcome.run.state = RunReport::State::Interrupted;
            outcome.notice.clear();
            TellRun(outcome);
            return;
        default: return;
    }
}

void CalculatorSession::RunNumeric(const Action& action, Outcome& outcome) {
    const bool solves = action.kind == Action::Kind::Solve;
    auto function = Startable(action.text, outcome);
    if (!function) return;
    if (const auto nested = NestedNumeric(*function, m_programs)) {
        NumericReport report;
        report.end = NumericReport::End::Nested;
        report.program = function->name;
        report.nested = *nested;
        outcome.refused = true;
        outcome.notice = report.Sentences();
        return;
    }
    // A program of the one step, never defined: the tape writes the
    // definitions of the programs it reaches, as for a run.
    auto alone = std::make_shared<Program>();
    alone->name = function->name;
    const TapeStep step = solves ? tape_steps::Solve(function->name) : tape_steps::Integrate(function->name);
    alone->body = step.tokens;
    alone->calls.push_back(function->key);
    alone->standsAlone = true;
    ProgramStep only;
    only.kind = solves ? ProgramStep::Kind::Solve : ProgramStep::Kind::Integrate;
    only.line = 1;
    only.tokenLength = static_cast<std::uint32_t>(step.tokens.size());
    alone->steps.push_back(only);
    m_runner.Begin(alone);
    BeginPart(step.tokens, step.label, nullptr, true);
    m_part.alone = step;
    m_part.solves = solves;
    GoOn(outcome);
    Record(action, std::nullopt, false, outcome.changed);
}

void CalculatorSession::ContinueOrStep(const Action& action, Outcome& outcome) {
    const bool continues = action.kind == Action::Kind::Continue;
    std::shared_ptr<const Program> started;
    if (!continues && !action.text.empty()) {
        started = Startable(action.text, outcome);
        if (!started) return;
        m_runner.Begin(started);
    } else if (!m_runner.Active()) {
        Refuse(outcome, QT_TRANSLATE_NOOP("Programs", "No program is stopped"));
        return;
    }
    const Program& standing = *m_runner.Where().program;
    if (const auto missing = MissingCallee(standing)) {
        Refuse(outcome, QT_TRANSLATE_NOOP("Programs", "%1 calls %2, which is not defined"), {standing.name, *missing});
        return;
    }
    const TapeStep step = continues ? tape_steps::Continue() : tape_steps::Step(action.text);
    const bool endsEntry = continues || started != nullptr;
    BeginPart(step.tokens, step.label, std::move(started), endsEntry);
    if (continues) {
        GoOn(outcome);
    } else {
        Settle(m_runner.StepOnce(), outcome);
    }
}

void CalculatorSession::BeginPart(std::string tokens, std::string label, std::shared_ptr<const Program> started,
                                  bool endsEntry) {
    // The undo step begins before the number being typed is ended: Undo
    // brings that number back as it was being typed.
    if (m_keepHistory) m_history.BeginChange();
    // A run first ends a number being typed, as an operation key does (a
    // number typed before cont is the program's input); one step of a
    // stopped run goes on typing, as the run would.
    if (endsEntry && m_doc.m_bEntering) {
        m_doc.CommitEntry();
        m_doc.m_bLift = true;
        m_doc.UpdateDisplay();
    }
    m_part = Part{};
    m_part.tokens = std::move(tokens);
    m_part.label = std::move(label);
    m_part.callers = m_runner.Programs();
    m_part.program = m_runner.First() != nullptr ? m_runner.First()->name : std::string();
    m_part.started = std::move(started);
    if (m_keepTape) m_draws.LogInto(&m_part.draws);
    m_doc.DeferDisplay(true);
    m_running = true;
}

void CalculatorSession::GoOn(Outcome& outcome) { Settle(m_runner.Go(m_budget), outcome); }

void CalculatorSession::Settle(ProgramRunner::End end, Outcome& outcome) {
    using End = ProgramRunner::End;
    using State = RunReport::State;
    RunReport& report = outcome.run;
    const ProgramRunner::Position where = m_runner.Where();
    report.program = where.program != nullptr ? where.program->name : m_part.program;
    report.step = where.step + 1;
    report.steps = m_runner.StepsRun();
    const auto tokenOf = [&](std::size_t step) {
        return where.program != nullptr && step < where.program->steps.size()
                   ? std::string(where.program->Token(where.program->steps[step]))
                   : std::string();
    };
    report.token = tokenOf(where.step);
    switch (end) {
        case End::Finished:
            report.state = State::Finished;
            EndPart(outcome, true);
            if (m_part.alone) {
                if (const NumericReport* numeric = m_runner.Numeric()) {
                    outcome.notice = numeric->Sentences();
                    outcome.noAnswer = !numeric->Answered();
                }
            }
            return;
        case End::Stopped:
            report.state = State::Stopped;
            report.step = where.step;  // the stop step, just carried out
            report.token = tokenOf(where.step - 1);
            EndPart(outcome, true);
            TellRun(outcome);
            return;
        case End::Paused:
            // The calculator is shown as it stands, and the run waits.
            report.state = State::Paused;
            m_doc.DeferDisplay(false);
            m_doc.UpdateAllViews();
            TellRun(outcome);
            return;
        case End::OutOfTime:
            report.state = State::Running;
            TellRun(outcome);
            return;
        case End::StepLimit: report.state = State::StepLimit; break;
        case End::TooDeep: report.state = State::TooDeep; break;
        case End::Missing: report.state = State::Missing; break;
        case End::Failed:
            // The step that failed was carried out: the run stands after it.
            report.state = State::Failed;
            report.step = where.step;
            report.token = tokenOf(where.step - 1);
            break;
    }
    // The run ends before its end: nothing to continue, and the tape writes
    // the state it left, which no replay of the run could stop at.
    m_runner.PutStackBack();
    EndPart(outcome, false);
    m_runner.Forget();
    TellRun(outcome);
}

void CalculatorSession::TellRun(Outcome& outcome) {
    using State = RunReport::State;
    const RunReport& run = outcome.run;
    const std::string step = std::to_string(run.step);
    const auto tell = [&](const char* text, std::vector<std::string> values) {
        outcome.notice.push_back({"Programs", text, std::move(values)});
    };
    switch (run.state) {
        case State::Running:
        case State::Paused:
            // Said once, at the run's first turn; it stays while the run goes on.
            if (m_part.told) return;
            m_part.told = true;
            outcome.noticeLasts = true;
            if (m_part.alone) {
                tell(m_part.solves ? QT_TRANSLATE_NOOP("Programs", "Solving %1 \u2014 Esc stops")
                                   : QT_TRANSLATE_NOOP("Programs", "Integrating %1 \u2014 Esc stops"),
                     {m_part.program});
                return;
            }
            tell(QT_TRANSLATE_NOOP("Programs", "Running %1 \u2014 Esc stops"), {run.program});
            return;
        case State::Stopped:
        case State::Interrupted:
            if (m_part.alone) {
                tell(m_part.solves ? QT_TRANSLATE_NOOP("Programs", "Solving %1 was stopped: the stack is as before.")
                                   : QT_TRANSLATE_NOOP("Programs", "Integrating %1 was stopped: the stack is as before."),
                     {m_part.program});
                return;
            }
            tell(QT_TRANSLATE_NOOP("Programs", "Stopped at step %1"), {step});
            return;
        case State::StepLimit:
            tell(QT_TRANSLATE_NOOP("Programs", "%1 stopped at step %2 (%3): it reached the step limit of %4 steps."),
                 {run.program, step, run.token, std::to_string(run.steps)});
            return;
        case State::TooDeep:
            tell(QT_TRANSLATE_NOOP("Programs", "%1 stopped at step %2 (%3): more than %4 calls were open."),
                 {run.program, step, run.token, std::to_string(kDeepestCall)});
            return;
        case State::Missing:
            tell(QT_TRANSLATE_NOOP("Programs", "%1 stopped at step %2 (%3): it calls a program that is not defined."),
                 {run.program, step, run.token});
            return;
        case State::Failed: {
            tell(QT_TRANSLATE_NOOP("Programs", "%1 stopped at step %2 (%3)."), {run.program, step, run.token});
            if (const NumericReport* numeric = m_runner.Numeric(); numeric != nullptr && !numeric->Answered()) {
                for (Sentence& sentence : numeric->Sentences()) outcome.notice.push_back(std::move(sentence));
                return;
            }
            outcome.notice.push_back({"Statistics", StatisticsErrorText(m_doc.FunctionFailure()), {}});
            return;
        }
        case State::None:
        case State::Finished: return;
    }
}

void CalculatorSession::EndPart(Outcome& outcome, bool replayable) {
    m_doc.DeferDisplay(false);
    m_draws.LogInto(nullptr);
    m_running = false;
    const bool changed = m_keepHistory ? m_history.EndChange() : true;
    outcome.changed = outcome.changed || changed;
    if (!m_keepTape) return;
    if (!replayable) {
        const TapeStep step = m_part.alone ? tape_steps::StoppedNumeric(WithoutHeldKey(m_doc.State()), *m_part.alone)
                                           : tape_steps::EndedRun(WithoutHeldKey(m_doc.State()), outcome.run.program,
                                                                  outcome.run.step);
        m_tape.RecordCommand([&] { return std::optional(step); });
        return;
    }
    WriteDefinitions();
    TapeStep step{{}, m_part.label};
    if (m_part.clipboardText) {
        step.tokens = std::string(tokens::kClipboard) + ":" + tokens::Quoted(*m_part.clipboardText) + " ";
    } else if (m_part.clipboardSeen) {
        step.tokens = std::string(tokens::kEmptyClipboard) + " ";
    }
    for (const std::uint32_t number : m_part.draws) {
        step.tokens += std::string(tokens::kDraw) + ":" + std::to_string(number) + " ";
    }
    step.tokens += m_part.tokens;
    m_tape.RecordCommand([&] { return std::optional(step); });
}

void CalculatorSession::WriteDefinitions() {
    // The programs a replay finds by name: the one the part began, and every
    // one a program of the run calls, as the library holds them now (it
    // cannot change while a run goes on).
    std::vector<std::shared_ptr<const Program>> found;
    std::unordered_map<std::string, bool> seen;
    std::vector<const Program*> todo;
    if (m_part.started) {
        seen.emplace(m_part.started->key, true);
        found.push_back(m_part.started);
    }
    for (const auto& program : m_part.callers) todo.push_back(program.get());
    while (!todo.empty()) {
        const Program* program = todo.back();
        todo.pop_back();
        for (const std::string& key : program->calls) {
            if (!seen.emplace(key, true).second) continue;
            if (const auto* called = m_programs.Find(key)) {
                found.push_back(*called);
                todo.push_back(called->get());
            }
        }
    }
    for (const auto& program : found) {
        auto& written = m_tapeDefinitions[program->key];
        if (written == program) continue;
        // The open line may hold a step of the definition written before.
        if (written != nullptr) m_tape.BreakOpenLine();
        written = program;
        const TapeStep step = tape_steps::Definition(*program);
        m_tape.AddLineAhead(step.tokens, step.label);
    }
}

void CalculatorSession::StartRecording(std::string name) { m_recorder.Start(std::move(name)); }

std::string CalculatorSession::StopRecording() {
    m_recorder.Stop();
    return m_recorder.Body();
}

}  // namespace tabrix
