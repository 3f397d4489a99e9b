// The STO and RCL menus: one-step register commands and their item labels.
#include "document/document_commands.h"

namespace tabrix {

namespace {
bool IsRegister(int n) { return n >= 0 && n <= 9; }
}  // namespace

std::optional<RegisterCommand> RegisterCommandFromId(int commandId) {
    for (int n = 0; n < 10; ++n) {
        if (kStoreCommandIds[n] == commandId) return RegisterCommand{RegisterCommand::Kind::Store, n};
        if (kRecallCommandIds[n] == commandId) return RegisterCommand{RegisterCommand::Kind::Recall, n};
    }
    return std::nullopt;
}

void DocumentCommands::OnStoreRegister(int n) {
    if (!IsRegister(n)) return;
    m_doc.CommitEntry();
    m_doc.m_dReg[n] = m_doc.m_dX;
    m_doc.m_bShift = false;
    m_doc.m_strPrefix.clear();
    m_doc.UpdateDisplay();
    m_doc.UpdateAllViews();
}

void DocumentCommands::OnRecallRegister(int n) {
    if (!IsRegister(n)) return;
    m_doc.CommitEntry();
    m_doc.LiftStack();  // always, whatever the lift flag says; the flag keeps its value
    m_doc.m_dX = m_doc.m_dReg[n];
    m_doc.m_bShift = false;
    m_doc.m_strPrefix.clear();
    m_doc.UpdateDisplay();
    m_doc.UpdateAllViews();
}

std::string DocumentCommands::StoreLabel(int n) const {
    return IsRegister(n) ? "STO " + std::to_string(n) + ": " + m_doc.FormatNumber(m_doc.m_dReg[n]) : std::string();
}

std::string DocumentCommands::RecallLabel(int n) const {
    return IsRegister(n) ? "RCL " + std::to_string(n) + ": " + m_doc.FormatNumber(m_doc.m_dReg[n]) : std::string();
}

void DocumentCommands::OnUpdateStoreRegister(int n, ICommandUI& item) {
    if (IsRegister(n)) item.SetText(StoreLabel(n));
}

void DocumentCommands::OnUpdateRecallRegister(int n, ICommandUI& item) {
    if (IsRegister(n)) item.SetText(RecallLabel(n));
}

}  // namespace tabrix
