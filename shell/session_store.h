// Starting where you left off (off unless the user turns it on): the
// calculator session (the calculator exactly as shown, and the tape) kept as
// one file in the program's data folder shortly after every change and at
// exit, and brought back at start.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

#include "document/calculator_session.h"

namespace tabrix {

class SessionStore final : public QObject {
    Q_DECLARE_TR_FUNCTIONS(SessionStore)

public:
    // `folder` is where the file goes; `notice` tells the user, briefly, what
    // went wrong (a file that could not be written or read).
    SessionStore(CalculatorSession& session, QString folder, std::function<void(const QString&)> notice);
    ~SessionStore() override;

    // On: changes are saved a moment after they happen, and at exit. Off:
    // nothing is written.
    void SetEnabled(bool enabled);
    bool Enabled() const { return m_enabled; }
    // The calculator changed: save it soon (once for a burst of changes).
    void Changed();
    // Saves now, if on: the whole session in one file, written atomically,
    // so that what is read back always belongs together. A write that fails
    // is told once, until one succeeds again.
    void SaveNow();

    // Brings the kept session back. Nothing kept: false and nothing changes.
    // A file that cannot be read is moved aside (never overwritten), and the
    // notice says so; the calculator keeps its defaults. A file whose tape
    // has lines that cannot be read comes back without them, and is kept
    // aside as it was. The pair of files older versions kept is read too.
    bool Restore();

    QString SessionFile() const;

private:
    // The pair an older version kept: the state file and the tape's lines.
    QString OldStateFile() const;
    QString OldTapeFile() const;
    CalculatorSession::Restored RestoreOldPair();

    CalculatorSession& m_session;
    QString m_folder;
    std::function<void(const QString&)> m_notice;
    QTimer m_timer;
    bool m_enabled = false;
    bool m_failureTold = false;
};

}  // namespace tabrix
