#include "shell/file_aside.h"

#include <QDateTime>
#include <QFile>

namespace tabrix {

namespace {

QString AsideName(const QString& path) {
    return path + QStringLiteral(".damaged-") +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

}  // namespace

QString KeepAside(const QString& path) {
    const QString aside = AsideName(path);
    return QFile::rename(path, aside) ? aside : QString();
}

QString CopyAside(const QString& path) {
    const QString aside = AsideName(path);
    return QFile::copy(path, aside) ? aside : QString();
}

}  // namespace tabrix
