// The recent-file list of the File menu: kept in the settings, and the texts
// its menu items show.
#pragma once

#include <QStringList>
#include <functional>

#include "document/services.h"

namespace tabrix {

// The four most recent state files, newest first, kept in the settings
// (~/.config/tabrix/tabrix.conf, group "Recent File List").
class RecentFileList final : public IRecentFiles {
public:
    static constexpr int kMaxEntries = 4;

    RecentFileList();
    void AddToRecentFileList(const std::string& path) override;
    const QStringList& Paths() const { return m_paths; }
    // Called after every change of the list.
    void SetChangedCallback(std::function<void()> callback) { m_changed = std::move(callback); }

private:
    void Save() const;
    QStringList m_paths;
    std::function<void()> m_changed;
};

// The menu texts of the recent files, in the list's order: "&1 name", with
// a "&" in a name shown as itself, and the folder added after names that
// appear more than once ("&2 s.rpn (~/work)"), as editors do.
QStringList RecentFileMenuTexts(const QStringList& paths);

}  // namespace tabrix
