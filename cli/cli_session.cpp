#include "cli/cli_session.h"

#include <algorithm>
#include <ostream>

#include "cli/state_printer.h"
#include "document/tape_steps.h"

namespace tabrix::cli {

Session::Session(std::optional<std::uint64_t> seed, Options::Output output, char localeDecimal, std::ostream& out,
                 std::ostream& err)
    : m_random(seed ? *seed : MersenneRandomSource::UnpredictableSeed()),
      m_doc(&m_draws, &m_shell),
      m_messageBox(err),
      m_commands(m_doc, DocumentServices{nullptr, &m_messageBox, nullptr, &m_clipboard}),
      m_history(m_doc),
      m_output(output),
      m_localeDecimal(localeDecimal),
      m_out(out),
      m_err(err) {
    if (output == Options::Output::Tape) m_tape.emplace(m_doc, &m_draws);
}

void Session::Run(const std::vector<CliAction>& actions, bool keepHistory) {
    for (const CliAction& action : actions) Perform(action, keepHistory);
}

void Session::Perform(const CliAction& action, bool keepHistory) {
    using Kind = CliAction::Kind;
    std::optional<TapeStep> step;
    const auto change = [&] { step = Apply(action); };
    // Undo and Redo move through the history; every other action is one change in it.
    const auto recorded = [&] {
        if (!keepHistory || action.kind == Kind::Undo || action.kind == Kind::Redo) {
            change();
        } else {
            m_history.Record(change);
        }
    };
    if (!m_tape) {
        recorded();
    } else if (action.kind == Kind::Key) {
        m_tape->RecordKey(action.code, recorded);
    } else if (action.kind == Kind::HardwareKey) {
        m_tape->RecordKeyRelease(action.code, recorded);
    } else {
        m_tape->RecordCommand([&] {
            recorded();
            return step;
        });
    }
}

std::optional<TapeStep> Session::Apply(const CliAction& action) {
    using Kind = CliAction::Kind;
    switch (action.kind) {
        case Kind::Key: m_doc.PressKey(action.code); return std::nullopt;
        case Kind::HardwareKey: m_doc.OnHardwareKeyUp(action.code); return std::nullopt;
        case Kind::PutText: m_clipboard.SetText(action.text); return std::nullopt;
        case Kind::Draw: m_draws.Queue(action.code); return std::nullopt;
        case Kind::Copy: m_commands.OnEditCopy(); return tape_steps::Copy();
        case Kind::CopyExact: m_commands.OnEditCopyExact(); return tape_steps::CopyExact();
        case Kind::Cut: return m_commands.OnEditCut() ? std::optional(tape_steps::Cut()) : std::nullopt;
        case Kind::Paste: {
            const std::optional<std::string> text = m_clipboard.Text();
            m_commands.OnEditPaste();
            return text ? std::optional(tape_steps::Paste(*text)) : std::nullopt;
        }
        case Kind::PasteNumber: {
            // A text read as no number is one line on standard error, nothing more.
            const PastedNumber reading = m_commands.OnEditPasteNumber(m_localeDecimal);
            if (reading.outcome == PastedNumber::Outcome::Read) return tape_steps::PasteNumber(reading);
            m_err << "tabrix-cli: " << DescribePastedNumber(reading) << "\n";
            return std::nullopt;
        }
        case Kind::Store: m_commands.OnStoreRegister(static_cast<int>(action.code)); return tape_steps::Store(action.code);
        case Kind::Recall: m_commands.OnRecallRegister(static_cast<int>(action.code)); return tape_steps::Recall(action.code);
        case Kind::Undo: m_history.Undo(); return tape_steps::Undo();
        case Kind::Redo: m_history.Redo(); return tape_steps::Redo();
        case Kind::Reset: m_doc.OnResetState(); return tape_steps::Reset();
        case Kind::Load:
            if (m_commands.LoadStateFile(action.text)) return tape_steps::Load(action.text);
            m_fileFailed = true;
            return std::nullopt;
    }
    return std::nullopt;
}

bool Session::Load(const std::string& path) {
    Perform(CliAction(CliAction::Kind::Load, 0, path), false);
    return !m_fileFailed;
}

void Session::Print() {
    switch (m_output) {
        case Options::Output::Lcd: m_out << StateToPicture(m_doc); break;
        case Options::Output::Json: m_out << StateToJson(m_doc, m_commands, m_clipboard) << "\n"; break;
        case Options::Output::Value: m_out << ExactText(m_commands.CopyValue()) << "\n"; break;
        case Options::Output::Tape: m_out << m_tape->Script(); break;
        case Options::Output::Trace: break;
    }
    m_out << std::flush;
}

void Session::Trace(std::string_view token) {
    if (m_output != Options::Output::Trace) return;
    m_out << "{\"token\":" << JsonText(std::string(token)) << ",\"state\":" << StateToJson(m_doc, m_commands, m_clipboard)
          << "}\n";
}

bool UsesHistory(const std::vector<CliAction>& actions) {
    return std::any_of(actions.begin(), actions.end(), [](const CliAction& action) {
        return action.kind == CliAction::Kind::Undo || action.kind == CliAction::Kind::Redo;
    });
}

}  // namespace tabrix::cli
