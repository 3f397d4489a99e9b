#include "document/tape_steps.h"

#include "document/command_tokens.h"
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

}  // namespace

TapeStep Copy() { return {std::string(tokens::kCopy), "Copy"}; }
TapeStep CopyExact() { return {std::string(tokens::kCopyExact), "Copy Exact"}; }
TapeStep Cut() { return {std::string(tokens::kCut), "Cut"}; }

TapeStep Paste(std::string_view text) {
    return {With(tokens::kPaste, tokens::Quoted(text)), "Paste " + Glance(text)};
}

TapeStep PasteNumber(const PastedNumber& reading) {
    return {With(tokens::kPaste, tokens::Quoted(ExactText(reading.value))),
            "Paste Number \u201C" + Glance(reading.match) + "\u201D"};
}

TapeStep Store(int reg) { return {With(tokens::kStore, std::to_string(reg)), "STO " + std::to_string(reg)}; }
TapeStep Recall(int reg) { return {With(tokens::kRecall, std::to_string(reg)), "RCL " + std::to_string(reg)}; }
TapeStep Undo() { return {std::string(tokens::kUndo), "Undo", true}; }
TapeStep Redo() { return {std::string(tokens::kRedo), "Redo", true}; }
TapeStep Reset() { return {std::string(tokens::kReset), "Reset State"}; }
TapeStep New() { return {std::string(tokens::kReset), "New"}; }

TapeStep Load(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return {With(tokens::kLoad, tokens::Quoted(path)), "Load State " + Glance(name)};
}

TapeStep LoadedBytes(const CalculatorState& state, std::string_view name) {
    return {With(tokens::kState, SnapshotText(state)), "Load State " + Glance(name)};
}

TapeStep State(const CalculatorState& state) { return {With(tokens::kState, SnapshotText(state)), "Start"}; }

TapeStep Run(std::string_view name) { return {With(tokens::kRun, name), "Run " + std::string(name)}; }
TapeStep Continue() { return {std::string(tokens::kContinue), "Continue"}; }

TapeStep Step(std::string_view name) {
    if (name.empty()) return {std::string(tokens::kStep), "Step"};
    return {With(tokens::kStep, name), "Step " + std::string(name)};
}

TapeStep Definition(const Program& program) { return {program.OneLine(), "Program " + program.name}; }

TapeStep EndedRun(const CalculatorState& state, std::size_t step) {
    return {With(tokens::kState, SnapshotText(state)), "Stopped at step " + std::to_string(step)};
}

}  // namespace tabrix::tape_steps
