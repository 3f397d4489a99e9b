// What the tape writes for each command: the console's tokens that replay it
// and the words a person reads. Both front ends take them from here.
#pragma once

#include <string>
#include <string_view>

#include "document/number_reading.h"
#include "document/paste_data.h"
#include "document/program.h"
#include "document/tape.h"
#include "engine/calculator_state.h"

namespace tabrix::tape_steps {

TapeStep Copy();
TapeStep CopyExact();
TapeStep Cut();
// Paste of `text` (the tokens carry it whole; the label shows its start).
TapeStep Paste(std::string_view text);
// Paste Number that read `reading`: replayed as the exact value it read, so
// that the replay does not depend on the locale.
TapeStep PasteNumber(const PastedNumber& reading);
// Paste Data of `points`: replayed as their exact text, whatever the locale.
TapeStep PasteData(const std::vector<DataPoint>& points);
TapeStep Store(int reg);
TapeStep Recall(int reg);
TapeStep Undo();
TapeStep Redo();
TapeStep Reset();
TapeStep New();
TapeStep Load(std::string_view path);
// A Load State of bytes with no file behind them: replayed as the state it
// gave, which is what a replay elsewhere can have.
TapeStep LoadedBytes(const CalculatorState& state, std::string_view name);
// The whole state set at once, where the tape starts from a calculator that
// is not at its defaults (after Clear Tape, or a kept session whose tape was
// lost): a replay starts from the same state.
TapeStep State(const CalculatorState& state);
// Program runs: a run from the start, a continuation after a stop, a single
// step (of `name` begun stopped, or of the stopped run), a program's
// definition on one line, and a run that ended before its end (replayed by
// the state it left).
TapeStep Run(std::string_view name);
// solve:NAME and integrate:NAME.
TapeStep Solve(std::string_view name);
TapeStep Integrate(std::string_view name);
// How one of them that was stopped before its end left the calculator
// (`began`: its own line).
TapeStep StoppedNumeric(const CalculatorState& state, const TapeStep& began);
TapeStep Continue();
TapeStep Step(std::string_view name);
TapeStep Definition(const Program& program);
TapeStep EndedRun(const CalculatorState& state, std::string_view program, std::size_t step);

}  // namespace tabrix::tape_steps
