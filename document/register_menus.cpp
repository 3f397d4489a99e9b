// The STO and RCL menus: one-step register commands and their item labels.
#include "document/document_commands.h"
#include "engine/mode_words.h"

namespace tabrix {

namespace {
bool IsRegister(int n) { return n >= 0 && n <= 9; }
}  // namespace

void DocumentCommands::OnStoreRegister(int n) {
    if (!IsRegister(n)) return;
    m_doc.StoreRegister(n);
    FinishRegisterCommand();
}

void DocumentCommands::OnRecallRegister(int n) {
    if (!IsRegister(n)) return;
    m_doc.RecallRegister(n);  // lifts whatever the lift flag says; the flag keeps its value
    FinishRegisterCommand();
}

void DocumentCommands::FinishRegisterCommand() {
    // The menus work in one step: the shift and any pending prefix are cancelled.
    m_doc.CancelShiftAndPrefix();
    m_doc.Refresh();
}

std::string DocumentCommands::RegisterLabel(std::string_view word, int n) const {
    if (!IsRegister(n)) return {};
    return std::string(word) + " " + std::to_string(n) + ": " + m_doc.SlotText(kSlotRegister0 + static_cast<std::size_t>(n));
}

std::string DocumentCommands::StoreLabel(int n) const { return RegisterLabel(words::kSto, n); }

std::string DocumentCommands::RecallLabel(int n) const { return RegisterLabel(words::kRcl, n); }

void DocumentCommands::OnUpdateStoreRegister(int n, ICommandUI& item) {
    if (IsRegister(n)) item.SetText(StoreLabel(n));
}

void DocumentCommands::OnUpdateRecallRegister(int n, ICommandUI& item) {
    if (IsRegister(n)) item.SetText(RecallLabel(n));
}

}  // namespace tabrix
