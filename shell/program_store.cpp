#include "shell/program_store.h"

#include <QDir>
#include <QFile>

#include "document/file_io.h"
#include "document/notice.h"
#include "shell/document_texts.h"
#include "view/translated_text.h"
#include "shell/file_aside.h"

namespace tabrix {

namespace {

// Well within the two seconds an edit may wait to be kept.
constexpr int kSaveDelayMs = 1000;

// No one writes this much program text.
constexpr std::size_t kMaxProgramFile = std::size_t{64} << 20;

}  // namespace

ProgramStore::ProgramStore(ProgramBook& book, QString folder, std::function<void(const QString&)> notice)
    : m_book(book), m_folder(std::move(folder)), m_notice(std::move(notice)), m_savedRevision(book.Revision()) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kSaveDelayMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { SaveNow(); });
}

ProgramStore::~ProgramStore() { SaveNow(); }

QString ProgramStore::File() const { return m_folder + QStringLiteral("/programs.txt"); }

void ProgramStore::Load() {
    if (!QFile::exists(File())) return;
    std::string why;
    const std::optional<std::string> text = ReadFileText(File().toStdString(), kMaxProgramFile, &why);
    if (text) {
        const std::vector<ProgramProblem> problems = m_book.Read(*text, true);
        if (problems.empty()) {
            m_savedRevision = m_book.Revision();
            return;
        }
        why = ProblemSentence(problems.front());
    }
    const QString aside = KeepAside(File());
    if (aside.isEmpty()) {
        m_writable = false;
        m_notice(tr("The programs could not be read: %1. They could not be moved aside either; Tabrix starts "
                    "without programs and keeps none until it is started again.")
                     .arg(Translated(why)));
    } else {
        m_notice(tr("The programs could not be read: %1. Tabrix starts without programs; the file is kept as %2.")
                     .arg(Translated(why), aside));
    }
}

void ProgramStore::Changed() {
    if (m_book.Revision() != m_savedRevision) m_timer.start();
}

void ProgramStore::SaveNow() {
    m_timer.stop();
    if (!m_writable || m_book.Revision() == m_savedRevision) return;
    std::string why = Marked("Files", QT_TRANSLATE_NOOP("Files", "the folder cannot be made"));
    if (QDir().mkpath(m_folder) && WriteFileText(File().toStdString(), m_book.Text(), &why)) {
        m_savedRevision = m_book.Revision();
        m_failureTold = false;
        return;
    }
    if (m_failureTold) return;
    m_failureTold = true;
    m_notice(tr("The programs cannot be kept: %1: %2. Tabrix tries again after the next change.")
                 .arg(File(), Translated(why)));
}

}  // namespace tabrix
