// Save State, Load State and opening a state file as a document.
#include "document/document_commands.h"
#include "document/state_file.h"

namespace tabrix {

void DocumentCommands::ShowMessage(const std::string& text, const std::string& details) {
    if (m_services.messageBox != nullptr) m_services.messageBox->ShowMessage(text, details);
}

std::optional<std::string> DocumentCommands::ChooseStateFile(bool save) {
    if (m_services.fileDialog == nullptr) return std::nullopt;
    FileDialogRequest request;
    request.mode = save ? FileDialogRequest::Mode::Save : FileDialogRequest::Mode::Open;
    request.title = save ? "Save State File" : "Load State File";
    request.filter = kStateFileFilter;
    request.defaultExtension = kStateFileExtension;
    request.confirmOverwrite = save;
    return m_services.fileDialog->Choose(request);
}

void DocumentCommands::AddToRecentFiles(const std::string& path) {
    if (m_services.recentFiles != nullptr) m_services.recentFiles->AddToRecentFileList(path);
}

void DocumentCommands::OnSaveState() {
    const auto path = ChooseStateFile(true);
    if (!path) return;
    AddToRecentFiles(*path);  // listed even when the write then fails
    SaveStateFile(*path);
}

std::optional<std::string> DocumentCommands::OnLoadState() {
    const auto path = ChooseStateFile(false);
    if (!path) return std::nullopt;
    AddToRecentFiles(*path);
    if (!LoadStateFile(*path)) return std::nullopt;
    return path;
}

bool DocumentCommands::SaveStateFile(const std::string& path) {
    // A number being typed is saved as typed, not committed.
    std::string why;
    if (WriteFileBytes(path, EncodeState(m_doc.State()), &why)) return true;
    ShowMessage(kFileError, path + ": " + why);
    return false;
}

bool DocumentCommands::LoadStateFile(std::string path, std::vector<std::string>* leftOut) {
    std::string why;
    const auto bytes = ReadStateBytes(path, &why);
    std::optional<CalculatorState> state;
    if (bytes) state = DecodeState(*bytes, m_doc.State(), &why, leftOut);
    if (!state) {
        ShowMessage(kFileError, path + ": " + why);
        return false;
    }
    ApplyLoadedState(m_doc, *state);
    return true;
}

bool DocumentCommands::OnOpenDocument(const std::string& path) {
    LoadStateFile(path);
    return true;
}

}  // namespace tabrix
