// CTabrixApp: the application. It owns the calculator session, the Qt
// services and the main window, and starts them from the command line.
#pragma once

#include <QApplication>
#include <memory>
#include <optional>

#include "document/calculator_session.h"
#include "shell/main_frame.h"
#include "shell/qt_services.h"
#include "shell/recent_files.h"

namespace tabrix {

class CTabrixApp : public QApplication {
public:
    CTabrixApp(int& argc, char** argv);
    ~CTabrixApp() override;

    // Creates the calculator (defaults, or the state file named on the command
    // line) and shows the main window. False ends the program.
    bool InitInstance(const std::optional<QString>& stateFile);
    // Runs the About box.
    void OnAppAbout();

    CMainFrame* MainFrame() const { return m_frame.get(); }

private:
    std::unique_ptr<QtClipboard> m_clipboard;
    std::unique_ptr<RecentFileList> m_recentFiles;
    std::unique_ptr<QtFileDialog> m_fileDialog;
    std::unique_ptr<QtMessageBox> m_messageBox;
    std::unique_ptr<CalculatorSession> m_session;
    std::unique_ptr<CMainFrame> m_frame;
};

}  // namespace tabrix
