#include "shell/tabrix_app.h"

#include <QLocale>
#include <QStandardPaths>

#include "shell/about_dlg.h"
#include "shell/app_folders.h"
#include "shell/app_icon.h"
#include "shell/startup_probe.h"
#include "shell/translations.h"
#include "shell/x11_auto_repeat.h"

namespace tabrix {

CTabrixApp::CTabrixApp(int& argc, char** argv) : QApplication(argc, argv) {
    setOrganizationName(QLatin1String(kSettingsOrganization));
    setApplicationName(QLatin1String(kSettingsApplication));
    setApplicationDisplayName(QStringLiteral("Tabrix"));
    setDesktopFileName(QStringLiteral("tabrix"));
    setWindowIcon(AppIcon());
    InstallTranslations(*this, QLocale::system());
}

CTabrixApp::~CTabrixApp() {
    m_frame.reset();  // the window goes before the calculator it shows
}

bool CTabrixApp::InitInstance(const std::optional<QString>& stateFile) {
    RequestDetectableAutoRepeat();  // a held key is released once (X11 only)
    MoveFilesFromOldPlaces();
    m_clipboard = std::make_unique<QtClipboard>();
    m_recentFiles = std::make_unique<RecentFileList>();
    m_fileDialog = std::make_unique<QtFileDialog>();
    m_messageBox = std::make_unique<QtMessageBox>();

    FrameServices services;
    services.fileDialog = m_fileDialog.get();
    services.messageBox = m_messageBox.get();
    services.clipboard = m_clipboard.get();
    services.recentFiles = m_recentFiles.get();
    services.showAbout = [this] { OnAppAbout(); };
    services.faceFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/tabrix");
    // The calculator starts with its defaults.
    m_session = std::make_unique<CalculatorSession>(SessionServices{
        {m_fileDialog.get(), m_messageBox.get(), m_recentFiles.get(), m_clipboard.get()}});
    // The user's locale decides a lone "," or "." before three digits in Paste Number.
    m_session->SetLocaleDecimal(QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.');
    m_frame = std::make_unique<CMainFrame>(*m_session, services);
    m_fileDialog->SetParent(m_frame.get());
    m_messageBox->SetParent(m_frame.get());

    // A state file named on the command line is opened; one that cannot be
    // read says "File Error" and leaves the defaults. Without one, the last
    // session's calculator comes back if the user asked for that.
    if (stateFile) {
        m_frame->OpenStateFileAtStart(*stateFile);
    } else {
        m_frame->RestoreSession();
    }

    InstallStartupProbe(m_frame.get());
    m_frame->show();
    return true;
}

void CTabrixApp::OnAppAbout() {
    CAboutDlg dialog(m_frame.get());
    dialog.m_strURL = QString::fromLatin1(kSponsorUrl);
    dialog.exec();
}

}  // namespace tabrix
