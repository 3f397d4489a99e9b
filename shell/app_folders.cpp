#include "shell/app_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace tabrix {

namespace {

constexpr char kOldOrganization[] = "Local AppWizard-Generated Applications";

// Moves `from` to `to` when only `from` exists; true when it moved.
bool MoveIfOnlyThere(const QString& from, const QString& to) {
    if (!QFileInfo::exists(from) || QFileInfo::exists(to)) return false;
    if (!QDir().mkpath(QFileInfo(to).absolutePath())) return false;
    if (QFile::rename(from, to)) return true;
    // Another file system: copy, then remove the old one.
    return QFile::copy(from, to) && QFile::remove(from);
}

}  // namespace

QString DataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/tabrix");
}

void MoveFilesFromOldPlaces() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    MoveIfOnlyThere(config + QLatin1Char('/') + QLatin1String(kOldOrganization) + QStringLiteral("/Tabrix.conf"),
                    config + QStringLiteral("/tabrix/tabrix.conf"));
    // The kept session was a pair of files that belong together: both move,
    // unless a session is kept in the new place already.
    const QString oldData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') +
                            QLatin1String(kOldOrganization) + QStringLiteral("/Tabrix");
    const QString newData = DataFolder();
    if (QFileInfo::exists(newData + QStringLiteral("/session.txt")) ||
        QFileInfo::exists(newData + QStringLiteral("/session.rpn"))) {
        return;
    }
    if (MoveIfOnlyThere(oldData + QStringLiteral("/session.rpn"), newData + QStringLiteral("/session.rpn"))) {
        MoveIfOnlyThere(oldData + QStringLiteral("/session-tape.tsv"), newData + QStringLiteral("/session-tape.tsv"));
    }
}

}  // namespace tabrix
