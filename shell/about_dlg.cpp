#include "shell/about_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shell/app_icon.h"

namespace tabrix {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), m_urlEdit(new QLineEdit(this)) {
    setWindowTitle(tr("About Tabrix"));
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap::fromImage(PaintAppIcon(32)));
    auto* version = new QLabel(tr("Tabrix Calculator Version 1.0 (Alpha)"), this);
    version->setTextFormat(Qt::PlainText);
    version->setWordWrap(true);
    auto* rights = new QLabel(tr("Copyright (C) 2026 The Tabrix developers"), this);
    rights->setTextFormat(Qt::PlainText);
    auto* sponsor = new QLabel(tr("Visit the sponsor:"), this);
    m_urlEdit->setReadOnly(true);
    m_urlEdit->setObjectName(QStringLiteral("sponsorUrl"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, Qt::AlignTop);
    layout->addWidget(version, 0, 1);
    layout->addWidget(rights, 1, 1);
    layout->addWidget(sponsor, 2, 0, 1, 2);
    layout->addWidget(m_urlEdit, 3, 0, 1, 2);
    layout->addWidget(buttons, 4, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CAboutDlg::showEvent(QShowEvent* event) {
    // The address goes into its line when the box opens.
    m_urlEdit->setText(m_strURL);
    QDialog::showEvent(event);
}

}  // namespace tabrix
