// How a solve or an integration of a program ended: what the run that made
// it tells, and what the session says of it.
#pragma once

#include <cstdint>
#include <string>

#include "document/notice.h"

namespace tabrix {

// What the Solve and Integrate dialogs say (context "Programs"): a guess
// that reads as no number, and no program to choose.
extern const char* const kNoGuessText;
extern const char* const kNoProgramText;

// How a solve or an integration ended, for the notices.
struct NumericReport {
    enum class Kind : std::uint8_t { Solve, Integrate };
    enum class End : std::uint8_t {
        Root,          // solve: X is a root
        NoSignChange,  // solve: f kept its sign; `at` is where |f| was smallest
        Jump,          // solve: f changes sign at `at` but jumps there
        NoValue,       // f is not defined at `at`
        Integral,      // integrate: X is the integral, Y its error estimate
        Nested,        // f solves or integrates itself (`nested` names the program that does)
    };
    Kind kind = Kind::Solve;
    End end = End::Root;
    std::string program;  // f's program, as its name is written
    double at = 0;
    bool aimMet = true;   // integrate: the error estimate meets the aim
    double error = 0;     // integrate: the estimate
    double relative = 0;  // integrate: the estimate over ∫|f|
    std::uint64_t evaluations = 0;
    std::string nested;

    bool Answered() const { return end == End::Root || end == End::Integral; }
    // Why there is no answer, or how far to trust it; empty when there is
    // nothing to say.
    Notice Sentences() const;
};

}  // namespace tabrix
