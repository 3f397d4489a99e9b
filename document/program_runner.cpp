#include "document/program_runner.h"

#include <cmath>

#include "document/numeric_job.h"

namespace tabrix {

namespace {

// How many steps run between two looks at the clock.
constexpr std::uint64_t kStepsPerClockLook = 1024;

}  // namespace

ProgramRunner::ProgramRunner(CTabrixDoc& doc, const ProgramLibrary& library, Apply apply)
    : m_doc(doc), m_library(library), m_apply(std::move(apply)) {}

ProgramRunner::~ProgramRunner() = default;

void ProgramRunner::Forget() {
    m_frames.clear();
    m_job.reset();
}

void ProgramRunner::PutStackBack() {
    if (m_job) m_job->PutStackBack();
}

void ProgramRunner::Begin(std::shared_ptr<const Program> program) {
    m_frames.clear();
    m_job.reset();
    m_numeric.reset();
    m_frames.push_back({std::move(program), 0});
    m_steps = 0;
}

ProgramRunner::Position ProgramRunner::Where() const {
    if (m_frames.empty()) return {};
    return {m_frames.back().program.get(), m_frames.back().next};
}

std::vector<std::shared_ptr<const Program>> ProgramRunner::Programs() const {
    std::vector<std::shared_ptr<const Program>> programs;
    for (const Frame& frame : m_frames) programs.push_back(frame.program);
    return programs;
}

ProgramRunner::End ProgramRunner::Go(const Budget& budget) {
    using Clock = std::chrono::steady_clock;
    const bool timed = budget.slice.count() > 0;
    const Clock::time_point until = timed ? Clock::now() + budget.slice : Clock::time_point{};
    const std::uint64_t limit = budget.maxSteps > 0 ? budget.maxSteps : UINT64_MAX;
    m_limit = budget.maxSteps;
    m_timed = timed;
    m_until = until;
    End end = End::Finished;
    if (m_frames.empty()) return end;
    while (true) {
        if (m_steps >= limit) return End::StepLimit;
        if (timed && m_steps % kStepsPerClockLook == 0 && m_steps > 0 && Clock::now() >= until) return End::OutOfTime;
        if (Execute(end)) return end;
    }
}

ProgramRunner::End ProgramRunner::StepOnce() {
    m_limit = 0;
    m_timed = false;
    End end = End::Finished;
    if (m_frames.empty()) return end;
    if (Execute(end)) return end;
    // A step that leaves the run at its program's end has finished it.
    while (!m_frames.empty() && m_frames.back().next >= m_frames.back().program->steps.size()) m_frames.pop_back();
    return m_frames.empty() ? End::Finished : End::Stopped;
}

void ProgramRunner::EndEntry() {
    if (!m_doc.m_bEntering) return;
    m_doc.CommitEntry();
    m_doc.m_bLift = true;
    m_doc.UpdateDisplay();
}

bool ProgramRunner::Test(const ProgramStep& step) const {
    const double x = m_doc.m_dX;
    const double y = step.kind == ProgramStep::Kind::TestX ? 0.0 : m_doc.m_dY;
    // Under a NaN every comparison but != is false, as IEEE has it.
    switch (step.compare) {
        case ProgramStep::Compare::Equal: return x == y;
        case ProgramStep::Compare::NotEqual: return x != y;
        case ProgramStep::Compare::Less: return x < y;
        case ProgramStep::Compare::Greater: return x > y;
        case ProgramStep::Compare::LessOrEqual: return x <= y;
        case ProgramStep::Compare::GreaterOrEqual: return x >= y;
    }
    return false;
}

bool ProgramRunner::Return(End& end) {
    m_frames.pop_back();
    if (!m_frames.empty()) return false;
    end = End::Finished;
    return true;
}

bool ProgramRunner::Call(const std::string& name, End& end) {
    EndEntry();
    Frame& caller = m_frames.back();
    const auto* called = m_library.Find(name);
    if (called == nullptr || m_frames.size() >= kDeepestCall) {
        --caller.next;  // it stands at the call
        end = called == nullptr ? End::Missing : End::TooDeep;
        return false;
    }
    m_frames.push_back({*called, 0});
    return true;
}

bool ProgramRunner::Numeric(const Program& program, const ProgramStep& step, Frame& frame, End& end, bool& ends) {
    const auto kind = step.kind == ProgramStep::Kind::Solve ? NumericReport::Kind::Solve : NumericReport::Kind::Integrate;
    if (!m_job) {
        EndEntry();
        const auto* function = m_library.Find(program.calls[step.first]);
        if (function == nullptr) {
            --frame.next;  // it stands at the step
            end = End::Missing;
            return true;
        }
        if (const auto nested = NestedNumeric(**function, m_library)) {
            m_numeric = NumericReport{};
            m_numeric->kind = kind;
            m_numeric->end = NumericReport::End::Nested;
            m_numeric->program = (*function)->name;
            m_numeric->nested = *nested;
            end = End::Failed;
            ends = true;
            return false;
        }
        m_job = std::make_unique<NumericJob>(kind, *function, m_doc, m_library, m_apply);
        if (m_observeEvaluation) m_job->SetObserver(m_observeEvaluation);
    }
    const NumericJob::Status status = m_job->Go(m_steps, m_limit, m_timed, m_until);
    if (status != NumericJob::Status::Done) {
        --frame.next;  // it goes on at the step
        end = status == NumericJob::Status::StepLimit ? End::StepLimit : End::OutOfTime;
        return true;
    }
    m_numeric = m_job->Report();
    m_job.reset();
    if (!m_numeric->Answered() && !program.standsAlone) {
        end = End::Failed;
        ends = true;
    }
    return false;
}

bool ProgramRunner::Execute(End& end) {
    Frame* frame = &m_frames.back();
    const Program* program = frame->program.get();
    // The end of a program returns, as rtn does.
    if (frame->next >= program->steps.size()) return Return(end);
    const std::size_t index = frame->next++;
    // A return may drop the last hold on a program redefined while it ran;
    // the observer still looks at it.
    const std::shared_ptr<const Program> keep = m_observe ? frame->program : nullptr;
    const ProgramStep& step = program->steps[index];
    using Kind = ProgramStep::Kind;
    bool ends = false;
    switch (step.kind) {
        case Kind::Keys:
            for (std::uint32_t i = 0; i < step.count; ++i) m_doc.PressKey(program->keys[step.first + i]);
            break;
        case Kind::Function:
            m_doc.ExecuteFunction(catalogue::At(static_cast<FunctionId>(step.first)), static_cast<int>(step.count));
            if (m_doc.FunctionFailure() != StatisticsError::None) {
                end = End::Failed;
                ends = true;
            }
            break;
        case Kind::Actions:
            for (std::uint32_t i = 0; i < step.count; ++i) m_apply(program->actions[step.first + i]);
            break;
        case Kind::Label: break;
        case Kind::Goto: frame->next = step.first; break;
        case Kind::Call:
            if (!Call(program->calls[step.first], end)) return true;
            break;  // `frame` is not used after a call
        case Kind::Return: ends = Return(end); break;
        case Kind::TestX:
        case Kind::TestXY:
            EndEntry();
            if (!Test(step)) ++frame->next;
            break;
        case Kind::Decrement:
        case Kind::Increment:
            // dsz and isz skip the next step when the register comes to 0.
            if ((m_doc.m_dReg[step.first] += step.kind == Kind::Decrement ? -1.0 : 1.0) == 0) ++frame->next;
            break;
        case Kind::Stop:
        case Kind::Pause:
            // stop always ends Go; pse only where pauses are wanted.
            ends = step.kind == Kind::Stop || m_honourPauses;
            if (ends) end = step.kind == Kind::Stop ? End::Stopped : End::Paused;
            break;
        case Kind::Solve:
        case Kind::Integrate:
            if (Numeric(*program, step, *frame, end, ends)) return true;
            break;
    }
    ++m_steps;
    if (m_observe) m_observe(*program, index);
    return ends;
}

}  // namespace tabrix
