#include "shell/session_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include "document/file_io.h"
#include "document/state_file.h"

namespace tabrix {

namespace {

// A burst of keys is saved once, this long after its last change: a crash
// or a power cut loses at most these few seconds.
constexpr int kSaveDelayMs = 2000;

// Moves a file that could not be read out of the way, keeping it; its new
// name, or nothing when it could not be moved.
QString KeepAside(const QString& path) {
    const QString aside =
        path + QStringLiteral(".damaged-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return QFile::rename(path, aside) ? aside : QString();
}

}  // namespace

SessionStore::SessionStore(CTabrixDoc& doc, CTape& tape, QString folder)
    : m_doc(doc), m_tape(tape), m_folder(std::move(folder)) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kSaveDelayMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { SaveNow(); });
}

SessionStore::~SessionStore() { SaveNow(); }

QString SessionStore::StateFile() const { return m_folder + QStringLiteral("/session.rpn"); }
QString SessionStore::TapeFile() const { return m_folder + QStringLiteral("/session-tape.tsv"); }

void SessionStore::SetEnabled(bool enabled) {
    m_enabled = enabled;
    if (!enabled) m_timer.stop();
}

void SessionStore::Changed() {
    if (m_enabled) m_timer.start();
}

void SessionStore::SaveNow() {
    m_timer.stop();
    if (!m_enabled || !QDir().mkpath(m_folder)) return;
    const std::vector<std::uint8_t> state = EncodeState(m_doc.State());
    WriteFileBytes(StateFile().toStdString(), state);
    WriteFileText(TapeFile().toStdString(), m_tape.Save());
}

bool SessionStore::Restore(const std::function<void(const QString&)>& notice) {
    if (!QFile::exists(StateFile())) return false;
    std::string why;
    const auto bytes = ReadStateBytes(StateFile().toStdString(), &why);
    const auto state = bytes ? DecodeState(*bytes, m_doc.State(), &why) : std::nullopt;
    if (!state) {
        // The tape belongs to the calculator that could not be read: both go
        // aside together. A file that cannot be moved is never overwritten:
        // nothing is saved until the next start.
        const QString aside = KeepAside(StateFile());
        if (QFile::exists(TapeFile())) KeepAside(TapeFile());
        if (aside.isEmpty()) {
            SetEnabled(false);
            notice(tr("The calculator of the last session could not be read (%1) and could not be moved aside; "
                      "Tabrix starts afresh and saves no session until it is started again.")
                       .arg(QString::fromStdString(why)));
        } else {
            notice(tr("The calculator of the last session could not be read (%1); Tabrix starts afresh. "
                      "The file is kept as %2.")
                       .arg(QString::fromStdString(why), aside));
        }
        return false;
    }
    ApplyLoadedState(m_doc, *state);
    if (!QFile::exists(TapeFile())) return true;
    const auto tape = ReadFileText(TapeFile().toStdString(), std::size_t{1} << 30);
    if (!tape || !m_tape.Load(*tape)) {
        const QString aside = KeepAside(TapeFile());
        if (aside.isEmpty()) SetEnabled(false);
        notice(tr("The tape of the last session could not be read; the file is kept as %1.")
                   .arg(aside.isEmpty() ? TapeFile() : aside));
    }
    return true;
}

}  // namespace tabrix
