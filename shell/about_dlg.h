// CAboutDlg: the About box (icon, version, rights notice, sponsor address).
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QString>

class QLineEdit;

namespace tabrix {

inline constexpr const char* kSponsorUrl = "https://www.example.org/";

class CAboutDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CAboutDlg)

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    // Shown in the read-only address line; set before the box is shown.
    QString m_strURL;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* m_urlEdit;
};

}  // namespace tabrix
