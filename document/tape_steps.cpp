#include "document/tape_steps.h"

#include "engine/integer_word.h"

#include "document/command_tokens.h"
#include "document/notice.h"
#include "document/state_file.h"

namespace tabrix::tape_steps {

namespace {

std::string With(std::string_view word, std::string_view argument) {
    return std::string(word) + ":" + std::string(argument);
}

// A text as a label shows it: on one line, and no longer than a glance.
std::string Glance(std::string_view text) {
    constexpr std::size_t kLongest = 32;
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool startsACharacter = (byte & 0xC0) != 0x80;
        if (shown.size() >= kLongest && startsACharacter) return shown + "\u2026";
        shown += byte < 0x20 ? ' ' : c;
    }
    return shown;
}

// The tape's words are translated under this context.
constexpr const char* kContext = "Tape";

std::string LoadLabel(std::string_view name) {
    return Marked(kContext, QT_TRANSLATE_NOOP("Tape", "Load State %1"), {Glance(name)});
}

}  // namespace

TapeStep Copy() { return {std::string(tokens::kCopy), Marked(kContext, QT_TRANSLATE_NOOP("Tape", "Copy"))}; }
TapeStep CopyExact() {
    return {std::string(tokens::kCopyExact), Marked(kContext, QT_TRANSLATE_NOOP("Tape", "Copy Exact"))};
}
TapeStep Cut() { return {std::string(tokens::kCut), Marked(kContext, QT_TRANSLATE_NOOP("Tape", "Cut"))}; }

TapeStep Paste(std::string_view text) {
    return {With(tokens::kPaste, tokens::Quoted(text)), Marked(kContext, QT_TRANSLATE_NOOP("Tape", "Paste %1"), {Glance(text)})};
}

TapeStep PasteNumber(const PastedNumber& reading) {
    // A word replays as its hex literal, exactly (its value would lose bits beyond 53).
    std::string exact = ExactText(reading.value);
    if (reading.bits) exact = "0x" + word::Text(*reading.bits, {64, SignMode::Unsigned}, 16);
    return {With(reading.bits ? tokens::kPasteNumber : tokens::kPaste, tokens::Quoted(exact)),
            Marked(kContext, QT_TRANSLATE_NOOP("Tape", "Paste Number \u201C%1\u201D"), {Glance(reading.match)})};
}

TapeStep PasteData(const std::vector<DataPoint>& points) {
    return {With(tokens::kPasteData, tokens::Quoted(DataText(points))),
            Marked(kContext, QT_TRANSLATE_NOOP("Tape", "Paste Data: %1 points"), {std::to_string(points.size())})};
}

TapeStep Store(int reg) { return {With(tokens::kStore, std::to_string(reg)), "STO " + std::to_string(reg)}; }
TapeStep Recall(int reg) { return {With(tokens::kRecall, std::to_string(reg)), "RCL " + std::to_string(reg)}; }
TapeStep Undo() { return {std::string(tokens::kUndo), Marked(kContext, QT_TRANSLATE_NOOP("Tape", "Undo")), true}; }
TapeStep Redo() { return {std::string(tokens::kRedo), Marked(kContext, QT_TRANSLATE_NOOP("Tape", "Redo")), true}; }
TapeStep Reset() { return {std::string(tokens::kReset), Marked(kContext, QT_TRANSLATE_NOOP("Tape", "Reset State"))}; }
TapeStep New() { return {std::string(tokens::kReset), Marked(kContext, QT_TRANSLATE_NOOP("Tape", "New"))}; }

TapeStep Load(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return {With(tokens::kLoad, tokens::Quoted(path)), LoadLabel(name)};
}

TapeStep LoadedBytes(const CalculatorState& state, std::string_view name) {
    return {With(tokens::kState, SnapshotText(state)), LoadLabel(name)};
}

TapeStep State(const CalculatorState& state) {
    return {With(tokens::kState, SnapshotText(state)), Marked(kContext, QT_TRANSLATE_NOOP("Tape", "Start"))};
}

TapeStep Run(std::string_view name) {
    return {With(tokens::kRun, name), Marked(kContext, QT_TRANSLATE_NOOP("Tape", "Run %1"), {std::string(name)})};
}
TapeStep Solve(std::string_view name) {
    return {With(tokens::kSolve, name), Marked(kContext, QT_TRANSLATE_NOOP("Tape", "Solve %1"), {std::string(name)})};
}
TapeStep Integrate(std::string_view name) {
    return {With(tokens::kIntegrate, name), Marked(kContext, QT_TRANSLATE_NOOP("Tape", "Integrate %1"), {std::string(name)})};
}
TapeStep StoppedNumeric(const CalculatorState& state, const TapeStep& began) {
    return {With(tokens::kState, SnapshotText(state)), Marked(kContext, QT_TRANSLATE_NOOP("Tape", "%1, stopped"), {began.label})};
}
TapeStep Continue() { return {std::string(tokens::kContinue), Marked(kContext, QT_TRANSLATE_NOOP("Tape", "Continue"))}; }

TapeStep Step(std::string_view name) {
    if (name.empty()) return {std::string(tokens::kStep), Marked(kContext, QT_TRANSLATE_NOOP("Tape", "Step"))};
    return {With(tokens::kStep, name), Marked(kContext, QT_TRANSLATE_NOOP("Tape", "Step %1"), {std::string(name)})};
}

TapeStep Definition(const Program& program) {
    return {program.OneLine(), Marked(kContext, QT_TRANSLATE_NOOP("Tape", "Program %1"), {program.name})};
}

// The program is named: a label cut to its room keeps both values.
TapeStep EndedRun(const CalculatorState& state, std::string_view program, std::size_t step) {
    return {With(tokens::kState, SnapshotText(state)),
            Marked(kContext, QT_TRANSLATE_NOOP("Tape", "%1 stopped at step %2"), {std::string(program), std::to_string(step)})};
}

}  // namespace tabrix::tape_steps
