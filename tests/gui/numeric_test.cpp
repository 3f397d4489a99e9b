// Functions > Solve… and Integrate… on the desktop: the dialog's guesses
// from Y and X and its plot, the same bits as the console for random
// problems, a runaway solve that the window survives and Escape ends, and
// the plot in the Programs editor.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "document/token_reader.h"
#include "engine/number_text.h"
#include "engine/virtual_keys.h"
#include "fakes/cli_run.h"
#include "fakes/document_fakes.h"
#include "fakes/qt_printing.h"
#include "fakes/session_fixture.h"
#include "shell/command_ids.h"
#include "shell/function_plot_view.h"
#include "shell/main_frame.h"
#include "shell/numeric_dialog.h"
#include "shell/program_editor.h"

namespace tabrix {
namespace {

class NumericTest : public ::testing::Test {
protected:
    NumericTest() {
        QSettings().clear();
        services.fileDialog = &dialog;
        services.messageBox = &messages;
        services.recentFiles = &recent;
        services.sessionFolder = folder.path();
        services.programFolder = folder.path();
        services.confirm = [](const QString&, const QString&) { return true; };
    }
    void Start(const std::string& programs) {
        std::ofstream(folder.path().toStdString() + "/programs.txt") << programs;
        frame = std::make_unique<CMainFrame>(t.session, services);
    }
    // The dialog the command opened (one closed before may wait for its deletion).
    CNumericDialog* Open(int command) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        frame->OnCommand(command);
        for (CNumericDialog* dialog : frame->findChildren<CNumericDialog*>()) {
            if (dialog->isVisible()) return dialog;
        }
        return nullptr;
    }
    void Type(const std::string& tokens) {
        ForEachWord(tokens, [&](std::string_view word) {
            const auto actions = ParseToken(word);
            EXPECT_TRUE(actions.has_value()) << word;
            for (const Action& action : actions.value_or(std::vector<Action>{})) frame->Perform(action);
            return true;
        });
    }
    QString Notice() const {
        return frame->NoticeLabel() != nullptr && frame->NoticeLabel()->isVisible() ? frame->NoticeLabel()->text() : QString();
    }

    QTemporaryDir folder;
    testing::FakeFileDialog dialog;
    testing::RecordingMessageBox messages;
    RecentFileList recent;
    testing::TestSession t{DocumentServices{&dialog, &messages, &recent, nullptr}};
    FrameServices services;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(NumericTest, TheDialogTakesYAndXAndPlotsTheProgramOverThem) {
    Start("def:cubic ENTER ENTER * * SWAP 2 * - 5 - end\ndef:pole 1 - INV end\n");
    Type("2 ENTER 3");
    CNumericDialog* solve = Open(cmd::kFunctionsSolve);
    ASSERT_NE(solve, nullptr);
    EXPECT_EQ(solve->Guess(0)->text(), QStringLiteral("2"));
    EXPECT_EQ(solve->Guess(1)->text(), QStringLiteral("3"));
    EXPECT_EQ(solve->Programs()->count(), 2);
    // The plot crosses 0 once between the guesses.
    const auto& samples = solve->Plot()->Samples();
    ASSERT_EQ(samples.size(), static_cast<std::size_t>(kPlotPoints));
    int changes = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) changes += (samples[i - 1].fx < 0) != (samples[i].fx < 0);
    EXPECT_EQ(changes, 1);
    if (const char* shots = std::getenv("TABRIX_SHOTS")) solve->grab().save(QString::fromUtf8(shots) + "/solve.png");
    solve->accept();
    EXPECT_EQ(ExactText(t.session.Doc().m_dX), "2.0945514815423265");
    EXPECT_EQ(t.session.Doc().m_dZ, 0.0 * 0 + t.session.Doc().m_dZ);  // f(root) is in Z
    EXPECT_EQ(t.session.Doc().m_dLastX, 3);

    // Guesses typed anew go onto the stack first; the pole is told.
    CNumericDialog* again = Open(cmd::kFunctionsSolve);
    again->Programs()->setCurrentText(QStringLiteral("pole"));
    again->Guess(0)->setText(QStringLiteral("0"));
    again->Guess(1)->setText(QStringLiteral("2"));
    bool gap = false;
    for (const PlotSample& s : again->Plot()->Samples()) gap = gap || !std::isfinite(s.fx) || std::fabs(s.fx) > 10;
    EXPECT_TRUE(gap);
    again->accept();
    EXPECT_EQ(Notice(), QStringLiteral("No root of pole: a sign change at x = 1 where f jumps (a pole?)."));
    EXPECT_EQ(t.session.Doc().m_dX, 1);
    // One undo step for the solve, one each for the guesses typed.
    frame->OnCommand(cmd::kEditUndo);
    EXPECT_EQ(t.session.Doc().m_dX, 2);
}

TEST_F(NumericTest, ConsoleAndDesktopGiveTheSameBitsForRandomProblems) {
    // Cubics with random coefficients, roots and integrals from random
    // guesses: the dialog's result, the console's, and a program step's.
    std::mt19937_64 random(2718);
    std::uniform_real_distribution<double> coefficient(-3, 3);
    std::string programs;
    struct Problem {
        std::string name;
        double a, b;
        bool solves;
    };
    std::vector<Problem> problems;
    for (int i = 0; i < 24; ++i) {
        const std::string name = "p" + std::to_string(i);
        programs += "def:" + name + " ENTER ENTER * * " + ExactText(coefficient(random)) + " * SWAP SQ " +
                    ExactText(coefficient(random)) + " * + SWAP " + ExactText(coefficient(random)) + " * + " +
                    ExactText(coefficient(random)) + " + end\n";
        problems.push_back({name, coefficient(random), coefficient(random), i % 3 != 0});
    }
    Start(programs);
    // And each as the step of a program.
    for (const Problem& p : problems) {
        programs += "def:w" + p.name + " paste:" + ExactText(p.a) + " ENTER paste:" + ExactText(p.b) +
                    (p.solves ? " solve:" : " integrate:") + p.name + " end\n";
    }
    testing::TextFile file("cubics.txt", programs);
    for (const Problem& p : problems) {
        const std::string token = (p.solves ? "solve:" : "integrate:") + p.name;
        CNumericDialog* dialog = Open(p.solves ? cmd::kFunctionsSolve : cmd::kFunctionsIntegrate);
        ASSERT_NE(dialog, nullptr);
        dialog->Programs()->setCurrentText(QString::fromStdString(p.name));
        dialog->Guess(0)->setText(QString::fromStdString(ExactText(p.a)));
        dialog->Guess(1)->setText(QString::fromStdString(ExactText(p.b)));
        dialog->accept();
        // A slow build may take more than a slice: the window's turns come between.
        for (int turn = 0; turn < 2000 && t.session.Running(); ++turn) QTest::qWait(5);
        const std::string desktop = ExactText(t.session.Doc().m_dX) + " " + ExactText(t.session.Doc().m_dY);
        const testing::CliRun console = testing::RunWith({"--program", file.path, "--json", "--ignore-errors",
                                                          "paste:" + ExactText(p.a), "ENTER", "paste:" + ExactText(p.b), token});
        const testing::CliRun step =
            testing::RunWith({"--program", file.path, "--json", "--ignore-errors", "run:w" + p.name});
        for (const testing::CliRun* run : {&console, &step}) {
            EXPECT_NE(run->out.find("\"m_dX\":" + ExactText(t.session.Doc().m_dX) + ","), std::string::npos)
                << token << " from " << p.a << ", " << p.b << ": desktop " << desktop << "\n" << run->out << run->err;
            EXPECT_NE(run->out.find("\"m_dY\":" + ExactText(t.session.Doc().m_dY) + ","), std::string::npos) << token;
        }
    }
}

TEST_F(NumericTest, TheFinderOffersSolveAndIntegrateAndAsksForTheProgram) {
    Start("def:cubic ENTER ENTER * * SWAP 2 * - 5 - end\n");
    Type("2 ENTER 3");
    frame->Functions().Find(QStringLiteral("integrate"));
    CFunctionFinder* finder = frame->Functions().Finder();
    ASSERT_NE(finder, nullptr);
    QTest::keyClick(finder->Search(), Qt::Key_Return);
    EXPECT_EQ(finder->Search()->text(), QStringLiteral("integrate:"));
    EXPECT_EQ(finder->Hint(), QStringLiteral("\u222B takes a program: type its name, then Return."));
    finder->Search()->setText(QStringLiteral("solve:cubic"));
    QTest::keyClick(finder->Search(), Qt::Key_Return);
    EXPECT_EQ(ExactText(t.session.Doc().m_dX), "2.0945514815423265");
    EXPECT_NE(t.session.Tape().Script().find("solve:cubic"), std::string::npos);
}

TEST_F(NumericTest, ARunawaySolveKeepsTheWindowAnsweringAndEscapeEndsIt) {
    Start("def:spin lbl:a 1 sto+:2 gto:a end\n");
    Type("4 ENTER 5");
    frame->Perform(Action::WithText(Action::Kind::Solve, "spin"));
    EXPECT_TRUE(t.session.Running());
    EXPECT_EQ(Notice(), QStringLiteral("Solving spin \u2014 Esc stops"));
    // The window has its turns while it goes on.
    for (int i = 0; i < 5; ++i) QTest::qWait(20);
    EXPECT_TRUE(t.session.Running());
    // Escape as the keyboard gives it: pressed and released on the view.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(frame->View(), &press);
    QApplication::sendEvent(frame->View(), &release);
    EXPECT_FALSE(t.session.Running());
    EXPECT_EQ(Notice(), QStringLiteral("Solving spin was stopped: the stack is as before."));
    EXPECT_EQ(t.session.Doc().m_dX, 5);
    EXPECT_GT(t.session.Doc().m_dReg[2], 0);
    frame->OnCommand(cmd::kEditUndo);
    EXPECT_EQ(t.session.Doc().m_dReg[2], 0);
}

TEST_F(NumericTest, TheProgramsEditorPlotsTheProgramShownOverYAndX) {
    Start("def:wave SIN end\n");
    Type("RAD 0 ENTER 7");
    const CalculatorState before = t.session.Doc().State();
    frame->OnCommand(cmd::kProgramsEdit);
    auto* editor = frame->findChild<CProgramEditor*>();
    ASSERT_NE(editor, nullptr);
    const auto& samples = editor->Plot()->Samples();
    ASSERT_FALSE(samples.empty());
    EXPECT_LT(samples.front().x, 0);
    EXPECT_GT(samples.back().x, 7);
    int changes = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) changes += (samples[i - 1].fx < 0) != (samples[i].fx < 0);
    EXPECT_EQ(changes, 3);  // 0, π and 2π
    // Nothing the plot worked out changed the calculator.
    EXPECT_EQ(t.session.Doc().State(), before);
    EXPECT_EQ(t.session.Tape().Script().find("wave"), std::string::npos);
    if (const char* shots = std::getenv("TABRIX_SHOTS")) editor->grab().save(QString::fromUtf8(shots) + "/editor.png");
}

}  // namespace
}  // namespace tabrix
