#include "cli/cli_session.h"

#include <algorithm>
#include <ostream>

#include "cli/state_printer.h"

namespace tabrix::cli {

Session::Session(std::optional<std::uint64_t> seed, Picture picture, char localeDecimal, std::ostream& out,
                 std::ostream& err)
    : m_random(seed ? *seed : MersenneRandomSource::UnpredictableSeed()),
      m_doc(&m_random, &m_shell),
      m_messageBox(err),
      m_commands(m_doc, DocumentServices{nullptr, &m_messageBox, nullptr, &m_clipboard}),
      m_history(m_doc),
      m_picture(picture),
      m_localeDecimal(localeDecimal),
      m_out(out),
      m_err(err) {}

void Session::Run(const std::vector<CliAction>& actions, bool keepHistory) {
    for (const CliAction& action : actions) {
        if (action.kind == CliAction::Kind::Undo) {
            m_history.Undo();
        } else if (action.kind == CliAction::Kind::Redo) {
            m_history.Redo();
        } else if (keepHistory) {
            m_history.Record([&] { Apply(action); });
        } else {
            Apply(action);
        }
    }
}

void Session::Print() {
    switch (m_picture) {
        case Picture::Lcd: m_out << StateToPicture(m_doc); break;
        case Picture::Json: m_out << StateToJson(m_doc, m_commands, m_clipboard) << "\n"; break;
        case Picture::Value: m_out << ExactText(m_commands.CopyValue()) << "\n"; break;
    }
    m_out << std::flush;
}

void Session::Apply(const CliAction& action) {
    switch (action.kind) {
        case CliAction::Kind::Key: m_doc.PressKey(action.code); break;
        case CliAction::Kind::HardwareKey: m_doc.OnHardwareKeyUp(action.code); break;
        case CliAction::Kind::Copy: m_commands.OnEditCopy(); break;
        case CliAction::Kind::CopyExact: m_commands.OnEditCopyExact(); break;
        case CliAction::Kind::PasteNumber: {
            // A text read as no number is one line on standard error, nothing more.
            const PastedNumber reading = m_commands.OnEditPasteNumber(m_localeDecimal);
            if (reading.outcome != PastedNumber::Outcome::Read) m_err << "tabrix-cli: " << DescribePastedNumber(reading) << "\n";
            break;
        }
        case CliAction::Kind::Cut: m_commands.OnEditCut(); break;
        case CliAction::Kind::Paste: m_commands.OnEditPaste(); break;
        case CliAction::Kind::PutText: m_clipboard.SetText(std::string(action.text)); break;
        case CliAction::Kind::Store: m_commands.OnStoreRegister(static_cast<int>(action.code)); break;
        case CliAction::Kind::Recall: m_commands.OnRecallRegister(static_cast<int>(action.code)); break;
        case CliAction::Kind::Undo:
        case CliAction::Kind::Redo: break;  // not changes of their own: see Run
    }
}

bool UsesHistory(const std::vector<CliAction>& actions) {
    return std::any_of(actions.begin(), actions.end(), [](const CliAction& action) {
        return action.kind == CliAction::Kind::Undo || action.kind == CliAction::Kind::Redo;
    });
}

}  // namespace tabrix::cli
