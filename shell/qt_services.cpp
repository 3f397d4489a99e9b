#include "shell/qt_services.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>

#include "shell/document_texts.h"
#include "view/qt_text.h"
#include "view/translated_text.h"

namespace tabrix {

namespace {

// "description|pattern" becomes Qt's "description (pattern)"; a description
// that already names its pattern is used as it is.
QString QtFilter(const std::string& filter) {
    QStringList parts = QtText(filter).split(QLatin1Char('|'));
    parts[0] = DocumentText(parts[0].toStdString());
    if (parts.size() < 2 || parts[0].contains(parts[1])) return parts.value(0);
    return parts[0] + QStringLiteral(" (") + parts[1] + QLatin1Char(')');
}

}  // namespace

std::optional<std::string> QtFileDialog::Choose(const FileDialogRequest& request) {
    QFileDialog dialog(m_parent, DocumentText(request.title));
    dialog.setNameFilter(QtFilter(request.filter));
    const bool save = request.mode == FileDialogRequest::Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // "*.rpn" completes a name typed without an extension.
    QString suffix = QtText(request.defaultExtension);
    suffix.remove(QStringLiteral("*")).remove(0, suffix.startsWith(QLatin1Char('.')) ? 1 : 0);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().first()).toStdString();
}

void QtMessageBox::ShowMessage(const std::string& text, const std::string& details) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tabrix"), DocumentText(text), QMessageBox::Ok, m_parent);
    // The box reads as it always has; "Show Details..." holds the path and why.
    if (!details.empty()) box.setDetailedText(Translated(details));
    box.exec();
}

bool QtClipboard::HasText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

std::optional<std::string> QtClipboard::GetText() {
    if (!HasText()) return std::nullopt;
    return QGuiApplication::clipboard()->text().toStdString();
}

void QtClipboard::Empty() { QGuiApplication::clipboard()->clear(); }

bool QtClipboard::SetText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QtText(text));
    return clipboard->text() == QtText(text);
}

}  // namespace tabrix
