// A solve or an integration of a program's f(x), as one step of a run: the
// root finder or the integrator asks for f at one x after another, and each
// evaluation is a run of the program with the whole stack filled with x.
//
// Those methods are loops that cannot stop half-way and go on later, while
// a run must give the front end its turn between slices of time. So a job
// remembers every f(x) it has worked out: when a slice ends in the middle
// of an evaluation, the method is let run out at once (it is given no more
// values) and its result thrown away; in the next slice the evaluation goes
// on where it stood, and the method starts again from the beginning, given
// the remembered values in the order it asks for them, which it does the
// same way again, until it asks for a new one. Every evaluation is run once,
// so that its draws and its registers are those of one pass.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/numeric_report.h"
#include "document/program.h"
#include "document/program_runner.h"
#include "engine/calculator_state.h"

namespace tabrix {

// The program a solve or an integration would evaluate, or one it calls,
// that has a solve or an integration itself (they do not nest); nothing
// when none has.
std::optional<std::string> NestedNumeric(const Program& function, const ProgramLibrary& library);

class NumericJob {
public:
    using Kind = NumericReport::Kind;
    enum class Status : std::uint8_t {
        Done,       // the result is on the stack and Report says how it ended
        OutOfTime,  // the slice ended: Go goes on
        StepLimit,  // the run's step limit came in an evaluation
    };
    // Called after each evaluation with f's program, x and f(x) (a NaN where
    // f gives no value).
    using Observe = std::function<void(const Program& function, double x, double fx)>;

    // A job over `function` from the guesses or limits in Y and X, as the
    // calculator holds them now.
    NumericJob(Kind kind, std::shared_ptr<const Program> function, CTabrixDoc& doc, const ProgramLibrary& library,
               const ProgramRunner::Apply& apply);

    // Works until done, until the clock passes `until` (when `timed`), or
    // until `steps`, the run's steps, which every evaluation's steps add to,
    // reach `limit`.
    Status Go(std::uint64_t& steps, std::uint64_t limit, bool timed, std::chrono::steady_clock::time_point until);
    // An ended run leaves the stack as it was before the job.
    void PutStackBack();
    const NumericReport& Report() const { return m_report; }
    void SetObserver(Observe observe) { m_observe = std::move(observe); }

private:
    struct Evaluated {
        double x;
        double fx;
    };
    // f(x) for the method: remembered, worked out now, or (the slice being
    // over) a NaN that ends the method.
    double Evaluate(double x);
    // Begins the run of f at x.
    void Start(double x);
    // Goes on with the run of f; true when it came to its end, with f(x) remembered.
    bool Continue();
    // The method from the start, given the values remembered; Done when it ended of itself.
    bool RunMethod();
    void Finish();

    Kind m_kind;
    std::shared_ptr<const Program> m_function;
    CTabrixDoc& m_doc;
    ProgramRunner m_evaluation;
    Observe m_observe;
    // The stack before the job.
    double m_x, m_y, m_z, m_t, m_lastX;
    bool m_lift;
    std::vector<Evaluated> m_values;
    std::size_t m_given = 0;  // remembered values given to the method in this pass
    bool m_evaluating = false;  // a run of f at m_evaluatingX is under way
    double m_evaluatingX = 0;
    bool m_cutShort = false;    // this pass of the method was given a NaN to end it
    bool m_evaluatedInSlice = false;
    ProgramRunner::End m_evaluationEnd = ProgramRunner::End::Finished;
    // The budget of this call of Go.
    std::uint64_t* m_steps = nullptr;
    std::uint64_t m_limit = 0;
    bool m_timed = false;
    std::chrono::steady_clock::time_point m_until;
    // The method's result, when it ended of itself.
    double m_result[3] = {0, 0, 0};
    NumericReport m_report;
};

}  // namespace tabrix
