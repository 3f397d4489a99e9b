#include "shell/functions_controller.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QStringList>

#include "document/function_search.h"
#include "view/key_help.h"
#include "view/qt_text.h"

namespace tabrix {

namespace {

const QString kRecentKey = QStringLiteral("Functions/Recent");

std::vector<FunctionId> ReadRecent() {
    std::vector<std::string> tokens;
    for (const QString& token : QSettings().value(kRecentKey).toStringList()) tokens.push_back(token.toStdString());
    return FunctionSearch::RecentOf(tokens);
}

void WriteRecent(const std::vector<FunctionId>& recent) {
    QStringList tokens;
    for (const std::string& token : FunctionSearch::TokensOf(recent)) tokens << QString::fromStdString(token);
    QSettings().setValue(kRecentKey, tokens);
}

}  // namespace

CFunctionsController::CFunctionsController(std::function<void(const Action&)> perform, QWidget* window)
    : m_perform(std::move(perform)), m_window(window), m_recent(ReadRecent()) {}

void CFunctionsController::FillMenu(QMenu* menu) {
    // The families in the catalogue's order, each function in its row's.
    QMenu* family = nullptr;
    Family current = Family::None;
    for (const catalogue::Function& f : catalogue::All()) {
        if (!FunctionSearch::Offered(f)) continue;
        if (family == nullptr || f.family != current) {
            current = f.family;
            if (family == nullptr) menu->addSeparator();
            family = menu->addMenu(
                QCoreApplication::translate("Functions", std::string(catalogue::FamilyName(f.family)).c_str()));
        }
        QAction* item = family->addAction(FunctionHelpText(f));
        const FunctionId id = f.id;
        connect(item, &QAction::triggered, this, [this, id] {
            const catalogue::Function& chosen = catalogue::At(id);
            if ((chosen.word == ProgramWord::Solve || chosen.word == ProgramWord::Integrate) && askNumeric) {
                askNumeric(chosen.word == ProgramWord::Solve ? Action::Kind::Solve : Action::Kind::Integrate);
            } else if (chosen.argument == ArgumentKind::None) {
                Perform(Action::Function(id));
            } else {
                Find(QtText(chosen.token) + QLatin1Char(':'));
            }
        });
    }
}

void CFunctionsController::Find(const QString& text) {
    delete m_finder;
    m_finder = new CFunctionFinder([this](const Action& action) { Perform(action); }, m_recent, m_window);
    m_finder->setAttribute(Qt::WA_DeleteOnClose);
    m_finder->Search()->setText(text);
    m_finder->show();
    m_finder->raise();
    m_finder->activateWindow();
}

void CFunctionsController::Perform(const Action& action) {
    m_recent = FunctionSearch::Used(m_recent, FunctionSearch::FunctionOf(action));
    WriteRecent(m_recent);
    m_perform(action);
}

}  // namespace tabrix
