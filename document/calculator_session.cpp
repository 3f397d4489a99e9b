#include "document/calculator_session.h"

#include "document/state_file.h"
#include "document/tape_steps.h"

namespace tabrix {

namespace {

// The first line of a kept session, and the word before its state.
constexpr std::string_view kKeptHeader = "Tabrix session 1";
constexpr std::string_view kKeptState = "state ";

CalculatorState WithoutHeldKey(const CalculatorState& state) {
    CalculatorState copy = state;
    copy.m_nKey = 0;
    return copy;
}

}  // namespace

CalculatorSession::CalculatorSession(const SessionServices& services)
    : m_ownRandom(services.random == nullptr
                      ? std::optional<MersenneRandomSource>(MersenneRandomSource::UnpredictableSeed())
                      : std::nullopt),
      m_draws(services.random != nullptr ? *services.random : *m_ownRandom),
      m_doc(&m_draws, services.shell),
      m_commands(m_doc, services.document),
      m_history(m_doc),
      m_tape(m_doc, &m_draws) {}

bool CalculatorSession::Change(FunctionRef<void()> change) {
    if (m_keepHistory) return m_history.Record(change);
    change();
    return true;
}

void CalculatorSession::Command(FunctionRef<std::optional<TapeStep>()> run) {
    if (m_keepTape) {
        m_tape.RecordCommand(run);
    } else {
        run();
    }
}

void CalculatorSession::Key(const Action& action, Outcome& outcome) {
    const auto run = [&] {
        outcome.changed = Change([&] {
            if (action.kind == Action::Kind::Key) {
                m_doc.PressKey(action.code);
            } else {
                m_doc.OnHardwareKeyUp(action.code);
            }
        });
    };
    if (!m_keepTape) {
        run();
    } else if (action.kind == Action::Kind::Key) {
        m_tape.RecordKey(action.code, run);
    } else {
        m_tape.RecordKeyRelease(action.code, run);
    }
}

Outcome CalculatorSession::Perform(const Action& action) {
    using Kind = Action::Kind;
    Outcome outcome;
    const std::uint64_t tapeBefore = m_tape.Revision();
    // A command that changes the calculator: one step for undo, and the line
    // `step` gives for the tape (none when it says nothing happened).
    const auto change = [&](FunctionRef<void()> run, FunctionRef<std::optional<TapeStep>()> step) {
        Command([&] {
            outcome.changed = Change(run);
            return step();
        });
    };
    switch (action.kind) {
        case Kind::Key:
        case Kind::KeyRelease: Key(action, outcome); break;
        case Kind::Copy:
            Command([&] {
                m_commands.OnEditCopy();
                return std::optional(tape_steps::Copy());
            });
            break;
        case Kind::CopyExact:
            Command([&] {
                m_commands.OnEditCopyExact();
                return std::optional(tape_steps::CopyExact());
            });
            break;
        case Kind::Cut: {
            bool cut = false;
            change([&] { cut = m_commands.OnEditCut(); },
                   [&] { return cut ? std::optional(tape_steps::Cut()) : std::nullopt; });
            break;
        }
        case Kind::Paste: {
            // The line writes the text the paste read: a second look at the
            // clipboard could find another.
            std::optional<std::string> text;
            change([&] { text = m_commands.OnEditPaste(); },
                   [&] { return text ? std::optional(tape_steps::Paste(*text)) : std::nullopt; });
            break;
        }
        case Kind::PasteNumber: {
            PastedNumber reading;
            change([&] { reading = m_commands.OnEditPasteNumber(m_localeDecimal); },
                   [&] {
                       return reading.outcome == PastedNumber::Outcome::Read
                                  ? std::optional(tape_steps::PasteNumber(reading))
                                  : std::nullopt;
                   });
            outcome.notice = PastedNumberSentences(reading);
            outcome.refused = reading.outcome != PastedNumber::Outcome::Read;
            break;
        }
        case Kind::PasteValue: {
            // As a paste of the value's exact text, which is what the tape
            // writes: a value no text of a number gives (an infinity from a
            // tape file) becomes what its text gives.
            const std::string text = ExactText(action.value);
            change([&] { m_doc.ReplaceX(ParseLeadingDouble(text)); },
                   [&] { return std::optional(tape_steps::Paste(text)); });
            break;
        }
        case Kind::PutText: m_commands.PutOnClipboard(action.text); break;
        case Kind::Store:
            change([&] { m_commands.OnStoreRegister(static_cast<int>(action.code)); },
                   [&] { return std::optional(tape_steps::Store(static_cast<int>(action.code))); });
            break;
        case Kind::Recall:
            change([&] { m_commands.OnRecallRegister(static_cast<int>(action.code)); },
                   [&] { return std::optional(tape_steps::Recall(static_cast<int>(action.code))); });
            break;
        case Kind::Undo:
        case Kind::Redo: {
            // An undo with nothing to undo does nothing and writes nothing: a
            // replay, whose history may reach further back, must not undo.
            const bool undo = action.kind == Kind::Undo;
            if (undo ? !m_history.CanUndo() : !m_history.CanRedo()) break;
            Command([&] {
                if (undo) {
                    m_history.Undo();
                } else {
                    m_history.Redo();
                }
                return std::optional(undo ? tape_steps::Undo() : tape_steps::Redo());
            });
            outcome.changed = true;
            break;
        }
        case Kind::Reset:
            change([&] { m_doc.OnResetState(); }, [] { return std::optional(tape_steps::Reset()); });
            break;
        case Kind::New:
            change([&] { m_doc.OnNewDocument(); }, [] { return std::optional(tape_steps::New()); });
            break;
        case Kind::Load: {
            std::optional<std::string> loaded;
            change(
                [&] {
                    if (action.text.empty()) {
                        loaded = m_commands.OnLoadState();
                    } else if (m_commands.LoadStateFile(action.text)) {
                        loaded = action.text;
                    } else {
                        outcome.failed = true;
                    }
                },
                [&] { return loaded ? std::optional(tape_steps::Load(*loaded)) : std::nullopt; });
            break;
        }
        case Kind::Save:
            if (action.text.empty()) {
                m_commands.OnSaveState();
            } else {
                outcome.failed = !m_commands.SaveStateFile(action.text);
            }
            break;
        case Kind::ClearTape: ClearTape(); break;
        case Kind::Draw: m_draws.Queue(action.code); break;
        case Kind::SetState: {
            const std::optional<CalculatorState> state = ReadSnapshotText(action.text);
            if (!state) {
                outcome.failed = true;
                break;
            }
            change([&] { m_doc.SetState(*state); }, [&] { return std::optional(tape_steps::State(*state)); });
            break;
        }
    }
    outcome.changed = outcome.changed || m_tape.Revision() != tapeBefore;
    m_doc.UpdateAllViews();
    return outcome;
}

void CalculatorSession::ClearTape() {
    // The tape and what can be undone begin again together: an undo that
    // reached back before the tape began would write a line no replay of
    // the tape can follow.
    m_tape.Clear();
    m_history.Clear();
    StartTapeHere();
}

void CalculatorSession::StartTapeHere() {
    if (!m_keepTape || WithoutHeldKey(m_doc.State()) == CalculatorState{}) return;
    m_tape.RecordCommand([&] { return std::optional(tape_steps::State(WithoutHeldKey(m_doc.State()))); });
}

std::string CalculatorSession::KeptText() const {
    std::string text(kKeptHeader);
    text += '\n';
    text += kKeptState;
    text += SnapshotText(WithoutHeldKey(m_doc.State()));
    text += '\n';
    return text + m_tape.Save();
}

CalculatorSession::Restored CalculatorSession::RestoreKept(std::string_view text) {
    Restored result;
    const auto nextLine = [&text] {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        return line;
    };
    if (nextLine() != kKeptHeader) {
        result.why = "not a kept session";
        return result;
    }
    const std::string_view stateLine = nextLine();
    const std::optional<CalculatorState> state =
        stateLine.starts_with(kKeptState) ? ReadSnapshotText(stateLine.substr(kKeptState.size())) : std::nullopt;
    if (!state) {
        result.why = "its calculator cannot be read";
        return result;
    }
    return Restore(*state, text);
}

CalculatorSession::Restored CalculatorSession::Restore(const CalculatorState& state, std::string_view tapeLines) {
    Restored result;
    m_doc.SetState(state);
    m_history.Clear();
    m_tape.Clear();
    result.skippedLines = m_tape.Load(tapeLines);
    // Without all its lines the tape no longer leads to what is shown: it
    // ends where the calculator is now.
    if (result.skippedLines > 0) StartTapeHere();
    result.restored = true;
    m_doc.UpdateAllViews();
    return result;
}

}  // namespace tabrix
