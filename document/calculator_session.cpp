#include "document/calculator_session.h"

#include "document/command_tokens.h"
#include "document/paste_data.h"
#include "document/state_file.h"
#include "document/statistics_report.h"
#include "document/tape_steps.h"
#include "engine/function_catalogue.h"
#include "engine/key_codes.h"
#include "engine/key_table.h"
#include "engine/number_text.h"
#include "engine/virtual_keys.h"

namespace tabrix {

namespace {

// The first line of a kept session, and the word before its state.
constexpr std::string_view kKeptHeader = "Tabrix session 1";
constexpr std::string_view kKeptState = "state ";

// Σ+ of each point, as if each had been typed: X ends as the count, Y as
// the last y, LAST X as the last x, and stack lift off.
void AddPoints(CTabrixDoc& doc, const std::vector<DataPoint>& points) {
    doc.CommitEntry();
    for (const DataPoint& p : points) doc.m_stats.Add(p.x, p.y, 1);
    doc.m_dLastX = points.back().x;
    doc.m_dX = static_cast<double>(doc.m_stats.Count());
    doc.m_dY = points.back().y;
    doc.m_bLift = false;
    doc.CancelShiftAndPrefix();
    doc.Refresh();
}

// What a loaded file held that this version leaves out, said once loaded.
Notice LeftOutSentences(const std::vector<std::string>& leftOut) {
    if (leftOut.empty()) return {};
    std::string names;
    for (const std::string& name : leftOut) names += (names.empty() ? "" : ", ") + name;
    return {{"Document",
             QT_TRANSLATE_NOOP("Document", "The file holds more than this version of Tabrix knows; it was loaded "
                                           "without: %1."),
             {names}}};
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
      m_tape(m_doc, &m_draws),
      m_runner(m_doc, m_programs, [this](const Action& action) { ApplyInRun(action); }) {}

bool CalculatorSession::Change(FunctionRef<void()> change, bool joins) {
    if (!m_keepHistory) {
        change();
        return true;
    }
    return joins ? m_history.RecordJoined(change) : m_history.Record(change);
}

void CalculatorSession::Command(FunctionRef<std::optional<TapeStep>()> run) {
    if (m_keepTape) {
        m_tape.RecordCommand(run);
    } else {
        run();
    }
}

bool CalculatorSession::Key(const Action& action, Outcome& outcome) {
    const bool joins = m_stepPending;
    const auto run = [&] {
        outcome.changed = Change(
            [&] {
                if (action.kind == Action::Kind::Key) {
                    m_doc.PressKey(action.code);
                } else {
                    m_doc.OnHardwareKeyUp(action.code);
                }
            },
            joins);
    };
    if (!m_keepTape) {
        run();
    } else if (action.kind == Action::Kind::Key) {
        m_tape.RecordKey(action.code, run);
    } else {
        m_tape.RecordKeyRelease(action.code, run);
    }
    m_stepPending = Pending() && (outcome.changed || joins);
    return joins;
}

void CalculatorSession::PressKeys(std::span<const std::uint32_t> codes) {
    if (m_running || m_recorder.On()) {
        for (const std::uint32_t code : codes) Perform(Action::Key(code));
        return;
    }
    // The keys no undo could reach once the last ones are pressed.
    const std::size_t undoable = m_keepHistory ? CUndoHistory::kDefaultLevels : 0;
    const std::size_t beyond = codes.size() > undoable ? codes.size() - undoable : 0;
    if (beyond > 0) {
        if (m_keepHistory) m_history.Clear();
        m_stepPending = false;
        // The main line is made where it is looked at: at the end, and where
        // the tape completes a line (it makes a waiting one first).
        m_doc.DeferDisplay(true);
        for (const std::uint32_t code : codes.first(beyond)) {
            if (!m_keepTape) {
                m_doc.PressKey(code);
                continue;
            }
            // A key without a function is on the tape only when it changed
            // what is shown: the main line is made before it and after it.
            const bool noFunction = code != keys::kShift && KeyFunctionOf(code, m_doc.m_bShift).label.empty();
            if (noFunction) m_doc.FlushDisplay();
            m_tape.RecordKey(code, [&] {
                m_doc.PressKey(code);
                if (noFunction) m_doc.FlushDisplay();
            });
        }
        m_doc.DeferDisplay(false);
    }
    for (const std::uint32_t code : codes.subspan(beyond)) {
        Outcome outcome;
        Key(Action::Key(code), outcome);
    }
    m_doc.UpdateAllViews();
}

void CalculatorSession::PerformFunction(const Action& action, Outcome& outcome) {
    const catalogue::Function& function = catalogue::At(static_cast<FunctionId>(action.code));
    if (!function.Calculates()) return;  // the programs' own words are steps, not actions
    const auto key = catalogue::KeyOf(function.id);
    if (key && KeyFunctionOf(key->code, key->shifted, KeyLayerOf(m_doc)).id != function.id) {
        // Its key types a digit in HEX (its token, replayed, would too): nothing happens.
        Refuse(outcome, QT_TRANSLATE_NOOP("Programs", "%1 is not at hand in HEX: its key types a digit there."),
               {std::string(function.label)});
        return;
    }
    const bool joins = key && m_stepPending;
    m_stepPending = false;
    if (!key) {
        outcome.changed = Change([&] {
            const auto run = [&] { m_doc.ExecuteFunction(function, static_cast<int>(action.argument)); };
            if (m_keepTape) {
                m_tape.RecordFunction(function, action.argument, run);
            } else {
                run();
            }
        });
        RecordFunction(function, action.argument, outcome.changed);
        TellFailure(function, outcome);
        return;
    }
    // A function on a key is that key, pressed as a person would: F first
    // where the shift is not as the function needs it. One undo step.
    std::uint32_t presses[2];
    std::size_t count = 0;
    if (key->shifted != m_doc.m_bShift) presses[count++] = keys::kShift;
    presses[count++] = key->code;
    std::vector<bool> shiftedBefore;
    outcome.changed = Change(
        [&] {
        for (std::size_t i = 0; i < count; ++i) {
            shiftedBefore.push_back(m_doc.m_bShift);
            const auto press = [&] { m_doc.PressKey(presses[i]); };
            if (m_keepTape) {
                m_tape.RecordKey(presses[i], press);
            } else {
                press();
            }
        }
        },
        joins);
    m_stepPending = Pending() && (outcome.changed || joins);
    for (std::size_t i = 0; i < count; ++i) {
        Record(Action::Key(presses[i]), std::nullopt, shiftedBefore[i], outcome.changed, joins && i == 0);
    }
}

void CalculatorSession::TellFailure(const catalogue::Function& function, Outcome& outcome) const {
    const StatisticsError failure = m_doc.FunctionFailure();
    if (failure == StatisticsError::None) return;
    outcome.refused = true;
    outcome.notice = FailureSentences(function, failure);
}

void CalculatorSession::Refuse(Outcome& outcome, const char* text, std::vector<std::string> values) {
    outcome.refused = true;
    outcome.notice.push_back({"Programs", text, std::move(values)});
}

Outcome CalculatorSession::Perform(const Action& action) {
    using Kind = Action::Kind;
    Outcome outcome;
    // Escape stops a run where it stands, and clears nothing.
    if (m_running && action.kind == Kind::KeyRelease && action.code == vk::kEscape) {
        return Perform(Action::Command(Kind::Interrupt));
    }
    if (m_running && action.kind != Kind::Resume && action.kind != Kind::Interrupt) {
        Refuse(outcome, QT_TRANSLATE_NOOP("Programs", "A program is running: Esc stops it"));
        return outcome;
    }
    const std::uint64_t tapeBefore = m_tape.Revision();
    const bool shiftedBefore = m_doc.m_bShift;
    const bool key = action.kind == Kind::Key || action.kind == Kind::KeyRelease || action.kind == Kind::Function;
    switch (action.kind) {
        case Kind::Key:
        case Kind::KeyRelease: {
            const bool joined = Key(action, outcome);
            if (m_recorder.On()) Record(action, std::nullopt, shiftedBefore, outcome.changed, joined);
            break;
        }
        case Kind::Function: PerformFunction(action, outcome); break;
        case Kind::Undo:
        case Kind::Redo: outcome.changed = UndoOrRedo(action.kind == Kind::Undo); break;
        case Kind::PutText:
            m_commands.PutOnClipboard(action.text);
            Record(action, std::nullopt, shiftedBefore, false);
            break;
        case Kind::EmptyClipboard: m_commands.EmptyClipboard(); break;
        case Kind::Save: outcome.failed = !SaveState(action.text); break;
        case Kind::ClearTape: ClearTape(); break;
        case Kind::Draw: m_draws.Queue(action.code); break;
        case Kind::Run:
        case Kind::Continue:
        case Kind::Step:
        case Kind::Resume:
        case Kind::Interrupt:
        case Kind::Solve:
        case Kind::Integrate: Run(action, outcome); break;
        default: {
            std::optional<TapeStep> step;
            Command([&] {
                outcome.changed = Change([&] { step = Apply(action, outcome); });
                return step;
            });
            Record(action, step, shiftedBefore, outcome.changed);
            break;
        }
    }
    // Only a key completes the step a pending shift or prefix began; a
    // command that changed something comes between them (one that did not,
    // a draw queued or Copy, leaves them together, here as in a replay).
    if (!key && (outcome.changed || action.kind == Kind::Undo || action.kind == Kind::Redo)) m_stepPending = false;
    outcome.changed = outcome.changed || m_tape.Revision() != tapeBefore;
    m_doc.UpdateAllViews();
    return outcome;
}

// Save State: to a path asked for, or to `path`; false when the file named
// was not written.
bool CalculatorSession::SaveState(const std::string& path) {
    if (!path.empty()) return m_commands.SaveStateFile(path);
    m_commands.OnSaveState();
    return true;
}

bool CalculatorSession::UndoOrRedo(bool undo) {
    // An undo with nothing to undo does nothing and writes nothing: a
    // replay, whose history may reach further back, must not undo.
    if (undo ? !m_history.CanUndo() : !m_history.CanRedo()) return false;
    Command([&] {
        if (undo) {
            m_history.Undo();
        } else {
            m_history.Redo();
        }
        return std::optional(undo ? tape_steps::Undo() : tape_steps::Redo());
    });
    if (m_recorder.On()) undo ? m_recorder.Undo() : m_recorder.Redo();
    return true;
}

std::optional<TapeStep> CalculatorSession::Apply(const Action& action, Outcome& outcome) {
    using Kind = Action::Kind;
    switch (action.kind) {
        case Kind::Copy:
            m_commands.OnEditCopy();
            return tape_steps::Copy();
        case Kind::CopyExact:
            m_commands.OnEditCopyExact();
            return tape_steps::CopyExact();
        case Kind::Cut:
            if (!m_commands.OnEditCut()) return std::nullopt;
            return tape_steps::Cut();
        case Kind::Paste:
        case Kind::PasteNumber:
        case Kind::PasteData:
        case Kind::PasteValue: return ApplyPaste(action, outcome);
        case Kind::PutText: m_commands.PutOnClipboard(action.text); return std::nullopt;
        case Kind::EmptyClipboard: m_commands.EmptyClipboard(); return std::nullopt;
        case Kind::Store:
            m_commands.OnStoreRegister(static_cast<int>(action.code));
            return tape_steps::Store(static_cast<int>(action.code));
        case Kind::Recall:
            m_commands.OnRecallRegister(static_cast<int>(action.code));
            return tape_steps::Recall(static_cast<int>(action.code));
        case Kind::Literal:
            m_doc.EnterLiteral(action.LiteralBits());
            m_doc.Refresh();
            return TapeStep{action.text, action.text};
        case Kind::Reset: m_doc.OnResetState(); return tape_steps::Reset();
        case Kind::New: m_doc.OnNewDocument(); return tape_steps::New();
        case Kind::Load:
        case Kind::LoadBytes:
        case Kind::SetState: return ApplyLoad(action, outcome);
        default: return std::nullopt;  // not a menu command
    }
}

std::optional<TapeStep> CalculatorSession::ApplyPaste(const Action& action, Outcome& outcome) {
    using Kind = Action::Kind;
    switch (action.kind) {
        case Kind::Paste: {
            // The line writes the text the paste read: a second look at the
            // clipboard could find another.
            const std::optional<std::string> text = m_commands.OnEditPaste();
            if (!text) return std::nullopt;
            return tape_steps::Paste(*text);
        }
        case Kind::PasteNumber: {
            const PastedNumber reading = m_commands.OnEditPasteNumber(m_localeDecimal);
            outcome.notice = PastedNumberSentences(reading);
            outcome.refused = reading.outcome != PastedNumber::Outcome::Read;
            if (outcome.refused) return std::nullopt;
            return tape_steps::PasteNumber(reading);
        }
        case Kind::PasteData: {
            const DataReading reading = ReadData(m_commands.ClipboardText().value_or(""), m_localeDecimal);
            outcome.notice = DataSentences(reading);
            outcome.refused = reading.points.empty();
            if (outcome.refused) return std::nullopt;
            AddPoints(m_doc, reading.points);
            return tape_steps::PasteData(reading.points);
        }
        case Kind::PasteValue: {
            // As a paste of the value's exact text, which is what the tape
            // writes: a value no text of a number gives (an infinity from a
            // tape file) becomes what its text gives.
            const std::string text = ExactText(action.value);
            m_doc.ReplaceX(ParseLeadingDouble(text));
            return tape_steps::Paste(text);
        }
        default: return std::nullopt;
    }
}

std::optional<TapeStep> CalculatorSession::ApplyLoad(const Action& action, Outcome& outcome) {
    using Kind = Action::Kind;
    switch (action.kind) {
        case Kind::Load: {
            if (action.text.empty()) {
                const std::optional<std::string> loaded = m_commands.OnLoadState();
                if (!loaded) return std::nullopt;
                return tape_steps::Load(*loaded);
            }
            std::vector<std::string> leftOut;
            if (!m_commands.LoadStateFile(action.text, &leftOut)) {
                outcome.failed = true;
                return std::nullopt;
            }
            outcome.notice = LeftOutSentences(leftOut);
            return tape_steps::Load(action.text);
        }
        case Kind::LoadBytes: {
            // As Load State reads a file, from bytes the front end read.
            std::string why;
            std::vector<std::string> leftOut;
            const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(action.text.data()),
                                                      action.text.size());
            const std::optional<CalculatorState> state = DecodeState(bytes, m_doc.State(), &why, &leftOut);
            if (!state) {
                outcome.failed = true;
                m_commands.ShowFileError(action.name + ": " + why);
                return std::nullopt;
            }
            ApplyLoadedState(m_doc, *state);
            outcome.notice = LeftOutSentences(leftOut);
            return tape_steps::LoadedBytes(WithoutHeldKey(m_doc.State()), action.name);
        }
        case Kind::SetState: {
            const std::optional<CalculatorState> state = ReadSnapshotText(action.text);
            if (!state) {
                outcome.failed = true;
                return std::nullopt;
            }
            m_doc.SetState(*state);
            return tape_steps::State(*state);
        }
        default: return std::nullopt;
    }
}

void CalculatorSession::ClearTape() {
    // The tape and what can be undone begin again together: an undo that
    // reached back before the tape began would write a line no replay of
    // the tape can follow.
    m_tape.Clear();
    m_history.Clear();
    // A stopped run cannot go on: a replay of the new tape has none to go on with.
    m_runner.Forget();
    m_tapeDefinitions.clear();
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
        result.why = Marked("Files", QT_TRANSLATE_NOOP("Files", "not a kept session"));
        return result;
    }
    const std::string_view stateLine = nextLine();
    const std::optional<CalculatorState> state =
        stateLine.starts_with(kKeptState) ? ReadSnapshotText(stateLine.substr(kKeptState.size())) : std::nullopt;
    if (!state) {
        result.why = Marked("Files", QT_TRANSLATE_NOOP("Files", "its calculator cannot be read"));
        return result;
    }
    return Restore(*state, text);
}

CalculatorSession::Restored CalculatorSession::Restore(const CalculatorState& state, std::string_view tapeLines) {
    Restored result;
    if (m_running) {
        result.why = Marked("Files", QT_TRANSLATE_NOOP("Files", "a program is running"));
        return result;
    }
    m_doc.SetState(state);
    m_history.Clear();
    m_tape.Clear();
    m_runner.Forget();
    m_tapeDefinitions.clear();
    result.skippedLines = m_tape.Load(tapeLines);
    // Without all its lines the tape no longer leads to what is shown: it
    // ends where the calculator is now.
    if (result.skippedLines > 0) StartTapeHere();
    result.restored = true;
    m_doc.UpdateAllViews();
    return result;
}

}  // namespace tabrix
