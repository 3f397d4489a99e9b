#include "shell/session_store.h"

#include <QDir>
#include <QFile>

#include "document/file_io.h"
#include "document/notice.h"
#include "document/state_file.h"
#include "shell/file_aside.h"
#include "view/translated_text.h"

namespace tabrix {

namespace {

// A burst of keys is saved once, this long after its last change: a crash
// or a power cut loses at most these few seconds.
constexpr int kSaveDelayMs = 2000;

// No kept session comes near this (a million tape lines take about 60 MB).
constexpr std::size_t kMaxSessionFile = std::size_t{1} << 30;

}  // namespace

SessionStore::SessionStore(CalculatorSession& session, QString folder, std::function<void(const QString&)> notice)
    : m_session(session), m_folder(std::move(folder)), m_notice(std::move(notice)) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kSaveDelayMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { SaveNow(); });
}

SessionStore::~SessionStore() { SaveNow(); }

QString SessionStore::SessionFile() const { return m_folder + QStringLiteral("/session.txt"); }
QString SessionStore::OldStateFile() const { return m_folder + QStringLiteral("/session.rpn"); }
QString SessionStore::OldTapeFile() const { return m_folder + QStringLiteral("/session-tape.tsv"); }

void SessionStore::SetEnabled(bool enabled) {
    m_enabled = enabled;
    if (!enabled) m_timer.stop();
}

void SessionStore::Changed() {
    if (m_enabled) m_timer.start();
}

void SessionStore::SaveNow() {
    m_timer.stop();
    if (!m_enabled) return;
    std::string why = Marked("Files", QT_TRANSLATE_NOOP("Files", "the folder cannot be made"));
    const bool saved =
        QDir().mkpath(m_folder) && WriteFileText(SessionFile().toStdString(), m_session.KeptText(), &why);
    if (saved) {
        m_failureTold = false;
        // The older pair, once read, is not read again.
        QFile::remove(OldStateFile());
        QFile::remove(OldTapeFile());
        return;
    }
    if (m_failureTold) return;
    m_failureTold = true;
    m_notice(tr("The calculator cannot be kept for the next start: %1: %2. Tabrix tries again after the next change.")
                 .arg(SessionFile(), Translated(why)));
}

CalculatorSession::Restored SessionStore::RestoreOldPair() {
    CalculatorSession::Restored restored;
    const auto bytes = ReadStateBytes(OldStateFile().toStdString(), &restored.why);
    const auto state = bytes ? DecodeState(*bytes, CalculatorState{}, &restored.why) : std::nullopt;
    if (!state) return restored;
    // The calculator as loading a state file shows it, and the tape's lines.
    CTabrixDoc doc;
    ApplyLoadedState(doc, *state);
    std::optional<std::string> tape;
    if (QFile::exists(OldTapeFile())) tape = ReadFileText(OldTapeFile().toStdString(), kMaxSessionFile);
    return m_session.Restore(doc.State(), tape.value_or(std::string()));
}

bool SessionStore::Restore() {
    const bool kept = QFile::exists(SessionFile());
    if (!kept && !QFile::exists(OldStateFile())) return false;
    CalculatorSession::Restored restored;
    if (!kept) {
        restored = RestoreOldPair();
    } else if (const auto text = ReadFileText(SessionFile().toStdString(), kMaxSessionFile, &restored.why)) {
        restored = m_session.RestoreKept(*text);
    }
    const std::string& why = restored.why;
    if (!restored.restored) {
        // What cannot be read goes aside, all of it together; a file that
        // cannot be moved is never overwritten: nothing is saved until the
        // next start.
        const QString file = kept ? SessionFile() : OldStateFile();
        const QString aside = KeepAside(file);
        if (!kept && QFile::exists(OldTapeFile())) KeepAside(OldTapeFile());
        if (aside.isEmpty()) {
            SetEnabled(false);
            m_notice(tr("The calculator of the last session could not be read: %1. It could not be moved aside "
                        "either; Tabrix starts afresh and saves no session until it is started again.")
                         .arg(Translated(why)));
        } else {
            m_notice(tr("The calculator of the last session could not be read: %1. Tabrix starts afresh; the file "
                        "is kept as %2.")
                         .arg(Translated(why), aside));
        }
        return false;
    }
    if (restored.skippedLines > 0) {
        const QString aside = CopyAside(kept ? SessionFile() : OldTapeFile());
        m_notice(tr("%1 of the last session's tape lines could not be read and were left out; the file is kept as %2.")
                     .arg(restored.skippedLines)
                     .arg(aside.isEmpty() ? SessionFile() : aside));
    }
    if (!kept) SaveNow();  // the older pair becomes one file
    return true;
}

}  // namespace tabrix
