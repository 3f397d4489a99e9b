// Carries out a program's steps on the calculator: the loop, the calls and
// the tests. It knows nothing of undo, the tape or the clipboard: a step that
// is a menu command goes to the session through `apply`, and the session
// decides what a run as a whole records.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "document/numeric_report.h"
#include "document/program.h"
#include "engine/calculator_state.h"

namespace tabrix {

class NumericJob;

class ProgramRunner {
public:
    // Why Go came back.
    enum class End : std::uint8_t {
        Finished,   // the run's program returned
        Stopped,    // a stop step: Go goes on after it
        Paused,     // a pse step, with pauses wanted: Go goes on after it
        OutOfTime,  // the slice of time was used up: Go goes on where it was
        StepLimit,  // the step limit was reached: the next step was not carried out
        TooDeep,    // a call found kDeepestCall calls open
        Missing,    // a call named a program the library does not know
        Failed,     // a function found no answer (FunctionFailure says why), or a
                    // solve or an integration none (Numeric says why)
    };
    // What bounds one call of Go; zero means no bound.
    struct Budget {
        std::uint64_t maxSteps = 0;                // for the whole run
        std::chrono::nanoseconds slice{0};         // for this call
    };

    using Apply = std::function<void(const Action& action)>;
    using Observe = std::function<void(const Program& program, std::size_t step)>;
    using ObserveEvaluation = std::function<void(const Program& function, double x, double fx)>;

    ProgramRunner(CTabrixDoc& doc, const ProgramLibrary& library, Apply apply);
    ~ProgramRunner();

    // Begins a run of `program` at its first step, forgetting any other.
    void Begin(std::shared_ptr<const Program> program);
    // Carries out steps until the run ends, stops, pauses or the budget is spent.
    End Go(const Budget& budget);
    // Carries out the next step alone (Finished when it was the last).
    End StepOnce();
    // Whether a run has steps left to carry out.
    bool Active() const { return !m_frames.empty(); }
    void Forget();
    // A run that ends in the middle of a solve or an integration leaves the
    // stack as it was before that step.
    void PutStackBack();
    // The last solve or integration this run finished, or null.
    const NumericReport* Numeric() const { return m_numeric ? &*m_numeric : nullptr; }

    // Where the run stands: the program and its step about to be carried out
    // (counted from 0), or the one that ended it. Null program when inactive.
    struct Position {
        const Program* program = nullptr;
        std::size_t step = 0;
    };
    Position Where() const;
    // The program the run began with.
    const Program* First() const { return m_frames.empty() ? nullptr : m_frames.front().program.get(); }
    std::uint64_t StepsRun() const { return m_steps; }
    // The programs of the open calls, the first one first.
    std::vector<std::shared_ptr<const Program>> Programs() const;

    // pse stops Go with Paused (the desktop shows the calculator); otherwise
    // it does nothing.
    void HonourPauses(bool honour) { m_honourPauses = honour; }
    // Called after every step carried out (the console's trace).
    void SetObserver(Observe observe) { m_observe = std::move(observe); }
    // Called after every evaluation of a solve or an integration.
    void SetEvaluationObserver(ObserveEvaluation observe) { m_observeEvaluation = std::move(observe); }

private:
    struct Frame {
        std::shared_ptr<const Program> program;
        std::size_t next = 0;  // the step to carry out next
    };
    // Carries out one step of the top frame; returns an end, or nothing to go on.
    bool Execute(End& end);
    // Calls the program `name` from the step before the top frame's next;
    // false, the call not made and the frame standing at it, when there is
    // no such program or too many calls are open.
    bool Call(const std::string& name, End& end);
    // Leaves the top frame; true, the run finished, when it was the last.
    bool Return(End& end);
    // Ends a number being typed, as an operation key does, before a test or a call.
    void EndEntry();
    bool Test(const ProgramStep& step) const;
    // A solve or an integration step; true when the run ends or leaves it for now.
    bool Numeric(const Program& program, const ProgramStep& step, Frame& frame, End& end, bool& ends);

    CTabrixDoc& m_doc;
    const ProgramLibrary& m_library;
    Apply m_apply;
    Observe m_observe;
    ObserveEvaluation m_observeEvaluation;
    std::vector<Frame> m_frames;
    std::uint64_t m_steps = 0;
    bool m_honourPauses = false;
    // The bounds of the Go under way (none for StepOnce).
    std::uint64_t m_limit = 0;
    bool m_timed = false;
    std::chrono::steady_clock::time_point m_until;
    // The solve or integration under way, at the top frame's step before next.
    std::unique_ptr<NumericJob> m_job;
    std::optional<NumericReport> m_numeric;
};

}  // namespace tabrix
