// Where the programs are kept: one UTF-8 text file of def blocks,
// programs.txt in the program's data folder, the same form Import and
// Export use and tabrix-cli --program reads. It is written atomically a
// moment after every change and at exit, so that a crash loses nothing.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>

#include "document/program_book.h"

namespace tabrix {

class ProgramStore final : public QObject {
    Q_DECLARE_TR_FUNCTIONS(ProgramStore)

public:
    // `notice` tells the user, briefly, what went wrong.
    ProgramStore(ProgramBook& book, QString folder, std::function<void(const QString&)> notice);
    ~ProgramStore() override;

    // Reads the kept programs into the book. A file that cannot be read is
    // moved aside, with a notice, and the book starts empty.
    void Load();
    // The book changed: saved within two seconds (once for a burst of edits).
    void Changed();
    void SaveNow();
    QString File() const;

private:
    ProgramBook& m_book;
    QString m_folder;
    std::function<void(const QString&)> m_notice;
    QTimer m_timer;
    std::uint64_t m_savedRevision = 0;
    bool m_failureTold = false;
    // Nothing is written over a file that could not be moved aside.
    bool m_writable = true;
};

}  // namespace tabrix
