#include "shell/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace tabrix {

namespace {

// The program's settings file (its organisation and name set at start).
QSettings Settings() { return QSettings(); }

// A folder as people read it: the home folder as "~".
QString ReadableFolder(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    const QString home = QDir::homePath();
    if (folder == home) return QStringLiteral("~");
    if (folder.startsWith(home + QLatin1Char('/'))) return QStringLiteral("~") + folder.mid(home.size());
    return folder;
}

}  // namespace

RecentFileList::RecentFileList() {
    QSettings settings = Settings();
    settings.beginGroup(QStringLiteral("Recent File List"));
    for (int i = 1; i <= kMaxEntries; ++i) {
        const QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty() && !m_paths.contains(path)) m_paths.append(path);
    }
}

void RecentFileList::AddToRecentFileList(const std::string& path) {
    const QString absolute = QFileInfo(QString::fromStdString(path)).absoluteFilePath();
    m_paths.removeAll(absolute);
    m_paths.prepend(absolute);
    while (m_paths.size() > kMaxEntries) m_paths.removeLast();
    Save();
    if (m_changed) m_changed();
}

void RecentFileList::Save() const {
    QSettings settings = Settings();
    settings.beginGroup(QStringLiteral("Recent File List"));
    settings.remove(QString());
    for (int i = 0; i < m_paths.size(); ++i) settings.setValue(QStringLiteral("File%1").arg(i + 1), m_paths[i]);
}

QStringList RecentFileMenuTexts(const QStringList& paths) {
    QStringList names;
    for (const QString& path : paths) names << QFileInfo(path).fileName();
    QStringList texts;
    for (int i = 0; i < paths.size(); ++i) {
        QString name = names[i];
        if (names.count(names[i]) > 1) name += QStringLiteral(" (") + ReadableFolder(paths[i]) + QLatin1Char(')');
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));  // not a mnemonic
        texts << QStringLiteral("&%1 %2").arg(i + 1).arg(name);
    }
    return texts;
}

}  // namespace tabrix
