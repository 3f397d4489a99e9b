// What the tape writes for each command: the console's tokens that replay it
// and the words a person reads. Both front ends take them from here.
#pragma once

#include <string>
#include <string_view>

#include "document/number_reading.h"
#include "document/tape.h"

namespace tabrix::tape_steps {

TapeStep Copy();
TapeStep CopyExact();
TapeStep Cut();
// Paste of `text` (the tokens carry it whole; the label shows its start).
TapeStep Paste(std::string_view text);
// Paste Number that read `reading`: replayed as the exact value it read, so
// that the replay does not depend on the locale.
TapeStep PasteNumber(const PastedNumber& reading);
// A value put into X as a paste would (the tape's own double-click).
TapeStep PasteValue(double value);
TapeStep Store(int reg);
TapeStep Recall(int reg);
TapeStep Undo();
TapeStep Redo();
TapeStep Reset();
TapeStep New();
TapeStep Load(std::string_view path);

}  // namespace tabrix::tape_steps
