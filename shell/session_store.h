// Starting where you left off (off unless the user turns it on): the whole
// calculator state, in the state file's format, and the tape, kept in the
// user's data folder shortly after every change and at exit, and brought
// back at start.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

#include "document/tape.h"
#include "engine/calculator_state.h"

namespace tabrix {

class SessionStore final : public QObject {
    Q_DECLARE_TR_FUNCTIONS(SessionStore)

public:
    // `folder` is where the files go (the application's local data folder).
    SessionStore(CTabrixDoc& doc, CTape& tape, QString folder);
    ~SessionStore() override;

    // On: changes are saved a moment after they happen, and at exit. Off:
    // nothing is written.
    void SetEnabled(bool enabled);
    bool Enabled() const { return m_enabled; }
    // The calculator changed: save it soon (once for a burst of changes).
    void Changed();
    // Saves now, if on. Atomically: a crash never leaves half a file.
    void SaveNow();

    // Brings the saved calculator and tape back. Nothing saved: false and
    // nothing changes. A file that cannot be read is moved aside (never
    // overwritten) and `notice` says so once; the calculator keeps its
    // defaults.
    bool Restore(const std::function<void(const QString&)>& notice);

    QString StateFile() const;
    QString TapeFile() const;

private:
    CTabrixDoc& m_doc;
    CTape& m_tape;
    QString m_folder;
    QTimer m_timer;
    bool m_enabled = false;
};

}  // namespace tabrix
