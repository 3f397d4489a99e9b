#include "document/numeric_job.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <unordered_set>

#include "engine/number_text.h"
#include "engine/quadrature.h"
#include "engine/root_search.h"

namespace tabrix {

namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

}  // namespace

const char* const kNoGuessText = QT_TRANSLATE_NOOP("Programs", "A guess is no number.");
const char* const kNoProgramText =
    QT_TRANSLATE_NOOP("Programs", "There is no program yet: Programs > Edit Programs makes one that takes x and leaves f(x).");

Notice NumericReport::Sentences() const {
    const char* context = "Programs";
    const std::string x = ExactText(at);
    switch (end) {
        case End::Root: return {};
        case End::NoSignChange:
            return {{context,
                     QT_TRANSLATE_NOOP("Programs",
                                       "No root of %1: no sign change found: f looks like it has a minimum near x = %2."),
                     {program, x}}};
        case End::Jump:
            return {{context, QT_TRANSLATE_NOOP("Programs", "No root of %1: a sign change at x = %2 where f jumps (a pole?)."),
                     {program, x}}};
        case End::NoValue:
            return {{context,
                     kind == Kind::Solve
                         ? QT_TRANSLATE_NOOP("Programs", "No root of %1: f is not defined at x = %2.")
                         : QT_TRANSLATE_NOOP("Programs", "No integral of %1: f is not defined at x = %2."),
                     {program, x}}};
        case End::Integral: {
            if (aimMet) return {};
            return {{context,
                     QT_TRANSLATE_NOOP("Programs",
                                       "The integral of %1 is less certain than 1e-12: its error estimate is %2 (%3 of ∫|f|)."),
                     {program, ShortText(error, 2), ShortText(relative, 2)}}};
        }
        case End::Nested:
            return {{context,
                     QT_TRANSLATE_NOOP("Programs", "%1 cannot be solved or integrated: %2 solves or integrates a program itself, and they do not nest."),
                     {program, nested}}};
    }
    return {};
}

std::optional<std::string> NestedNumeric(const Program& function, const ProgramLibrary& library) {
    std::vector<const Program*> todo{&function};
    std::unordered_set<std::string> seen{function.key};
    while (!todo.empty()) {
        const Program* program = todo.back();
        todo.pop_back();
        for (const ProgramStep& step : program->steps) {
            if (step.kind == ProgramStep::Kind::Solve || step.kind == ProgramStep::Kind::Integrate) return program->name;
        }
        for (const std::string& key : program->calls) {
            if (!seen.insert(key).second) continue;
            if (const auto* called = library.Find(key)) todo.push_back(called->get());
        }
    }
    return std::nullopt;
}

NumericJob::NumericJob(Kind kind, std::shared_ptr<const Program> function, CTabrixDoc& doc,
                       const ProgramLibrary& library, const ProgramRunner::Apply& apply)
    : m_kind(kind),
      m_function(std::move(function)),
      m_doc(doc),
      m_evaluation(doc, library, apply),
      m_x(doc.m_dX),
      m_y(doc.m_dY),
      m_z(doc.m_dZ),
      m_t(doc.m_dT),
      m_lastX(doc.m_dLastX),
      m_lift(doc.m_bLift) {
    m_report.kind = kind;
    m_report.program = m_function->name;
}

void NumericJob::Start(double x) {
    m_doc.m_dX = m_doc.m_dY = m_doc.m_dZ = m_doc.m_dT = x;
    m_doc.m_bLift = true;
    m_doc.WatchRangeErrors();
    m_evaluation.Begin(m_function);
    m_evaluating = true;
    m_evaluatingX = x;
}

bool NumericJob::Continue() {
    using End = ProgramRunner::End;
    ProgramRunner::Budget budget;
    const std::uint64_t before = m_evaluation.StepsRun();
    if (m_limit > 0) budget.maxSteps = before + (m_limit > *m_steps ? m_limit - *m_steps : 0);
    if (m_timed) {
        const auto left = m_until - std::chrono::steady_clock::now();
        budget.slice = std::max(std::chrono::duration_cast<std::chrono::nanoseconds>(left), std::chrono::nanoseconds(1));
    }
    if (m_limit > 0 && *m_steps >= m_limit) {
        m_evaluationEnd = End::StepLimit;
        return false;
    }
    End end = m_evaluation.Go(budget);
    // A stop step ends f there, as its end would.
    if (end == End::Stopped) end = End::Finished;
    *m_steps += m_evaluation.StepsRun() - before;
    m_evaluationEnd = end;
    if (end == End::OutOfTime || end == End::StepLimit) return false;
    double fx = kNoValue;
    if (end == End::Finished) {
        if (m_doc.m_bEntering) {
            m_doc.CommitEntry();
            m_doc.UpdateDisplay();
        }
        const char* error = m_doc.CaughtRangeError();
        if (error == nullptr) {
            fx = m_doc.m_dX;
        } else if (std::strcmp(error, kInfErrorText) == 0) {
            fx = std::numeric_limits<double>::infinity();
        }
    }
    // Any other end (too many calls, a function without an answer) leaves f without a value.
    m_evaluation.Forget();
    m_evaluating = false;
    m_values.push_back({m_evaluatingX, fx});
    if (m_observe) m_observe(*m_function, m_evaluatingX, fx);
    return true;
}

double NumericJob::Evaluate(double x) {
    if (m_cutShort) return kNoValue;
    if (m_given < m_values.size()) {
        const Evaluated& known = m_values[m_given];
        if (SameBits(known.x, x)) {
            ++m_given;
            return known.fx;
        }
        // The method asked otherwise than before (it never should): what it
        // was given after this point is forgotten.
        m_values.resize(m_given);
    }
    // Each slice makes one evaluation at least, however short it is.
    const bool overTime = m_timed && m_evaluatedInSlice && std::chrono::steady_clock::now() >= m_until;
    if (overTime || (m_limit > 0 && *m_steps >= m_limit)) {
        m_evaluationEnd = overTime ? ProgramRunner::End::OutOfTime : ProgramRunner::End::StepLimit;
        m_cutShort = true;
        return kNoValue;
    }
    Start(x);
    m_evaluatedInSlice = true;
    if (!Continue()) {
        m_cutShort = true;
        return kNoValue;
    }
    ++m_given;
    return m_values.back().fx;
}

bool NumericJob::RunMethod() {
    m_given = 0;
    m_cutShort = false;
    const RealFunction f = [this](double x) { return Evaluate(x); };
    if (m_kind == Kind::Solve) {
        const RootSearch found = FindRoot(f, m_y, m_x);
        if (m_cutShort) return false;
        using End = RootSearch::End;
        m_report.end = found.end == End::Root           ? NumericReport::End::Root
                       : found.end == End::NoSignChange ? NumericReport::End::NoSignChange
                       : found.end == End::Jump         ? NumericReport::End::Jump
                                                        : NumericReport::End::NoValue;
        m_report.at = found.at;
        m_result[0] = found.x;
        m_result[1] = found.other;
        m_result[2] = found.fx;
    } else {
        const Quadrature integral = Integrate(f, m_y, m_x);
        if (m_cutShort) return false;
        m_report.end = integral.end == Quadrature::End::Done ? NumericReport::End::Integral : NumericReport::End::NoValue;
        m_report.at = integral.at;
        m_report.error = integral.error;
        m_report.relative = integral.l1 > 0 ? integral.error / integral.l1 : 0;
        m_report.aimMet = integral.Met();
        m_result[0] = integral.value;
        m_result[1] = integral.error;
    }
    m_report.evaluations = m_values.size();
    return true;
}

NumericJob::Status NumericJob::Go(std::uint64_t& steps, std::uint64_t limit, bool timed,
                                  std::chrono::steady_clock::time_point until) {
    m_steps = &steps;
    m_limit = limit;
    m_timed = timed;
    m_until = until;
    m_evaluatedInSlice = m_evaluating;
    const auto stopped = [this] {
        return m_evaluationEnd == ProgramRunner::End::StepLimit ? Status::StepLimit : Status::OutOfTime;
    };
    if (m_evaluating && !Continue()) return stopped();
    if (!RunMethod()) return stopped();
    Finish();
    return Status::Done;
}

void NumericJob::Finish() {
    CTabrixDoc& d = m_doc;
    d.m_bEntering = false;
    d.m_bLift = true;
    d.m_dLastX = m_x;
    const bool answered = m_report.Answered();
    if (m_kind == Kind::Solve) {
        // The root, or the best x found, with the estimate before it and f there.
        d.m_dX = m_result[0];
        d.m_dY = m_result[1];
        d.m_dZ = m_result[2];
        d.m_dT = m_t;
    } else if (m_kind == Kind::Integrate && answered) {
        d.m_dX = m_result[0];
        d.m_dY = m_result[1];
        d.m_dZ = m_x;
        d.m_dT = m_y;
    } else {
        PutStackBack();
        d.m_dLastX = m_x;
    }
    d.UpdateDisplay();
}

void NumericJob::PutStackBack() {
    m_evaluation.Forget();
    m_evaluating = false;
    m_doc.m_bEntering = false;
    m_doc.m_dX = m_x;
    m_doc.m_dY = m_y;
    m_doc.m_dZ = m_z;
    m_doc.m_dT = m_t;
    m_doc.m_dLastX = m_lastX;
    m_doc.m_bLift = m_lift;
    m_doc.UpdateDisplay();
}

}  // namespace tabrix
