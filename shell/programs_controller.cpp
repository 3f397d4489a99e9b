#include "shell/programs_controller.h"

#include <QAction>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <QWidget>

#include "document/file_io.h"
#include "document/program.h"
#include "shell/document_texts.h"
#include "view/translated_text.h"

namespace tabrix {

namespace {

// A paused run shows the calculator this long before it goes on.
constexpr int kPauseMs = 1000;
// A run carries out steps this long between two turns of the window.
constexpr int kSliceMs = 10;

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

CProgramsController::CProgramsController(CalculatorSession& session, QString folder, Window window)
    : m_session(session), m_window(std::move(window)), m_book(session) {
    // A run gives the window its turn every few milliseconds, has no step
    // limit (Escape ends a runaway), and pse shows the calculator a moment.
    m_session.SetTimeSlice(std::chrono::milliseconds(kSliceMs));
    m_session.SetStepLimit(0);
    m_session.HonourPauses(true);
    m_store = std::make_unique<ProgramStore>(m_book, std::move(folder), [this](const QString& text) {
        // Told once the window shows, where the notice goes.
        QMetaObject::invokeMethod(this, [this, text] { m_window.notice(text, 5000); }, Qt::QueuedConnection);
    });
    m_store->Load();
    QSettings settings;
    QStringList warnings;
    m_keys = ProgramKeys::Load(settings, &warnings);
    for (const QString& warning : warnings) qWarning().noquote() << "tabrix:" << warning;
}

CProgramsController::~CProgramsController() {
    // A recording that was never stopped is kept as what it recorded.
    if (m_session.Recording()) {
        const std::string name = m_session.RecordingName();
        m_book.Set(name, m_session.StopRecording());
    }
    m_store->SaveNow();
    delete m_editor;
}

void CProgramsController::SetMenu(QMenu* menu, QAction* fixed) {
    m_menu = menu;
    m_fixed = fixed;
    Rebuild();
}

void CProgramsController::Rebuild() {
    for (QAction* action : m_programActions) delete action;  // out of the menu and the window too
    m_programActions.clear();
    if (m_window.widget == nullptr) return;
    const QList<QKeySequence> shortcuts = m_window.windowShortcuts ? m_window.windowShortcuts() : QList<QKeySequence>();
    const KeyMap calculatorKeys = m_window.calculatorKeys ? m_window.calculatorKeys() : KeyMap::Standard();
    for (const ProgramBook::Entry& entry : m_book.Entries()) {
        const QString name = FromUtf8(entry.name);
        auto* action = new QAction(Translated(entry.ListLabel()), m_window.widget);
        action->setData(name);
        const QKeySequence key = m_keys.KeyOf(name);
        if (!key.isEmpty()) {
            // A key the window took in the meantime stays the window's.
            if (const auto why = ProgramKeys::WhyNot(key, calculatorKeys, shortcuts)) {
                qWarning().noquote() << "tabrix: the key of program" << name << "is not used:" << *why;
            } else {
                action->setShortcut(key);
            }
        }
        connect(action, &QAction::triggered, this, [this, name] { Run(name); });
        m_window.widget->addAction(action);
        if (m_menu != nullptr) m_menu->insertAction(m_fixed, action);
        m_programActions.push_back(action);
    }
}

QAction* CProgramsController::ActionOf(const QString& name) const {
    const std::string key = ProgramKey(name.toStdString());
    for (QAction* action : m_programActions) {
        if (ProgramKey(action->data().toString().toStdString()) == key) return action;
    }
    return nullptr;
}

void CProgramsController::BookChanged() {
    m_store->Changed();
    Rebuild();
}

void CProgramsController::Tell(const QString& text, const QString& details) {
    if (m_window.messageBox != nullptr) m_window.messageBox->ShowMessage(text.toStdString(), details.toStdString());
}

bool CProgramsController::Confirm(const QString& title, const QString& question, QWidget* over) {
    if (m_window.confirm) return m_window.confirm(title, question);
    return QMessageBox::question(over != nullptr ? over : m_window.widget, title, question) == QMessageBox::Yes;
}

QString CProgramsController::AskName(const QString& title, const QString& current, QWidget* over) {
    QString name = current;
    while (true) {
        name = m_window.askName ? m_window.askName(title, tr("Name of the program:"), name)
                                : QInputDialog::getText(over != nullptr ? over : m_window.widget, title,
                                                        tr("Name of the program:"), QLineEdit::Normal, name);
        name = name.trimmed();
        if (name.isEmpty() || IsProgramName(name.toStdString())) return name;
        Tell(tr("\u201C%1\u201D is no program name: a letter, then letters, digits or _, 32 at most.").arg(name));
        if (m_window.askName) return {};  // an answer given for a test is not asked again
    }
}

void CProgramsController::Record() {
    if (m_session.Recording()) return;
    const QString name = AskName(tr("Record Program"), {});
    if (name.isEmpty()) return;
    if (m_book.Find(name.toStdString()) != nullptr &&
        !Confirm(tr("Record Program"), tr("There is a program %1 already. Record a new one in its place?").arg(name))) {
        return;
    }
    m_session.StartRecording(name.toStdString());
    m_window.notice(tr("Recording %1: every key goes into it until Programs > Stop Recording.").arg(name), 0);
}

void CProgramsController::StopRecording() {
    if (!m_session.Recording()) return;
    const std::string name = m_session.RecordingName();
    m_book.Set(name, m_session.StopRecording());
    BookChanged();
    if (m_editor != nullptr) m_editor->Refresh();
    m_window.notice(tr("%1 is recorded.").arg(FromUtf8(name)), 5000);
}

bool CProgramsController::CanContinue() const {
    return !m_session.Running() && m_session.RunPosition().program != nullptr;
}

void CProgramsController::Continue() { m_window.perform(Action::Command(Action::Kind::Continue)); }

void CProgramsController::Run(const QString& name) { m_window.perform(Action::Run(name.toStdString())); }

void CProgramsController::Step(const QString& name) {
    const ProgramRunner::Position where = m_session.RunPosition();
    const bool standsIn = where.program != nullptr && where.program->key == ProgramKey(name.toStdString());
    m_window.perform(standsIn ? Action::Command(Action::Kind::Step)
                              : Action::WithText(Action::Kind::Step, name.toStdString()));
}

void CProgramsController::Follow(const Outcome& outcome) {
    using State = RunReport::State;
    const RunReport& run = outcome.run;
    if (m_editor != nullptr) m_editor->ShowPosition();
    if (run.state == State::None) return;
    if (run.state == State::Running || run.state == State::Paused) {
        QTimer::singleShot(run.state == State::Paused ? kPauseMs : 0, this, [this] {
            if (m_session.Running()) m_window.perform(Action::Command(Action::Kind::Resume));
        });
        return;
    }
    // Edits made while it ran reach the programs now.
    m_book.Sync();
}

void CProgramsController::Edit() {
    if (m_editor == nullptr) {
        CProgramEditor::Hooks hooks;
        hooks.changed = [this] { BookChanged(); };
        hooks.run = [this](const QString& name) { Run(name); };
        hooks.step = [this](const QString& name) { Step(name); };
        hooks.renamed = [this](const QString& from, const QString& to) {
            m_keys.Rename(from, to);
            QSettings settings;
            m_keys.Save(settings);
        };
        hooks.askName = [this](const QString& title, const QString& current) {
            return AskName(title, current, m_editor);
        };
        hooks.confirm = [this](const QString& title, const QString& question) { return Confirm(title, question, m_editor); };
        hooks.tell = [this](const QString&, const QString& text) { Tell(text); };
        hooks.interrupt = [this] { m_window.perform(Action::Command(Action::Kind::Interrupt)); };
        m_editor = new CProgramEditor(m_book, m_session, std::move(hooks), m_window.widget);
        m_editor->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    m_editor->Refresh();
    m_editor->show();
    m_editor->raise();
    m_editor->activateWindow();
}

void CProgramsController::Import() {
    if (m_window.fileDialog == nullptr) return;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.title = tr("Import Programs").toStdString();
    request.filter = tr("Tabrix programs (*.txt)").toStdString() + "|*.txt";
    request.defaultExtension = "*.txt";
    const auto path = m_window.fileDialog->Choose(request);
    if (!path) return;
    std::string why;
    const auto text = ReadFileText(*path, std::size_t{64} << 20, &why);
    if (!text) {
        Tell(DocumentText(kFileError), Translated(*path + ": " + why));
        return;
    }
    // Checked as tabrix-cli --program checks a file: any problem refuses it,
    // with its line; a call to a program already here is none.
    const CheckedFile checked =
        CheckProgramFile(*text, [this](std::string_view key) { return m_book.Find(key) != nullptr; });
    if (const std::vector<ProgramProblem> problems = checked.Problems(); !problems.empty()) {
        Tell(tr("%1 holds no programs Tabrix can read: %2")
                 .arg(QString::fromStdString(*path), Translated(ProblemSentence(problems.front()))));
        return;
    }
    QStringList replaced;
    for (const Definition& definition : checked.definitions) {
        if (const ProgramBook::Entry* entry = m_book.Find(definition.name)) replaced << FromUtf8(entry->name);
    }
    if (!replaced.isEmpty() &&
        !Confirm(tr("Import Programs"), tr("%1 has programs of the names of yours, which it would replace: %2. "
                                           "Replace them?")
                                            .arg(QString::fromStdString(*path), replaced.join(QStringLiteral(", "))))) {
        return;
    }
    m_book.Read(*text, false);
    BookChanged();
    if (m_editor != nullptr) m_editor->Refresh();
    m_window.notice(tr("The programs of %1 are imported.").arg(QString::fromStdString(*path)), 5000);
}

void CProgramsController::Export() {
    if (m_window.fileDialog == nullptr) return;
    if (m_editor != nullptr) m_editor->CheckNow();
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.title = tr("Export Programs").toStdString();
    request.filter = tr("Tabrix programs (*.txt)").toStdString() + "|*.txt";
    request.defaultExtension = "*.txt";
    request.confirmOverwrite = true;
    QStringList broken;
    for (const ProgramBook::Entry& entry : m_book.Entries()) {
        if (!entry.problems.empty()) broken << FromUtf8(entry.name);
    }
    if (!broken.isEmpty() &&
        !Confirm(tr("Export Programs"), tr("These programs have problems: %1. tabrix-cli --program and Import Programs "
                                           "refuse a file that holds them. Export them all the same?")
                                            .arg(broken.join(QStringLiteral(", "))))) {
        return;
    }
    const auto path = m_window.fileDialog->Choose(request);
    if (!path) return;
    std::string why;
    if (!WriteFileText(*path, m_book.Text(), &why)) Tell(DocumentText(kFileError), Translated(*path + ": " + why));
}

void CProgramsController::SetKeys(const ProgramKeys& keys) {
    m_keys = keys;
    QSettings settings;
    m_keys.Save(settings);
    Rebuild();
}

}  // namespace tabrix
