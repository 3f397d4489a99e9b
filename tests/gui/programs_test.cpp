// Programs in the desktop program: the menu and the keys from the settings
// file, the editor's live checking and stepping, the file the programs are
// kept in, and a runaway run that the window survives and Escape ends.
#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>

#include "engine/key_codes.h"
#include "engine/virtual_keys.h"
#include "fakes/document_fakes.h"
#include "fakes/qt_printing.h"
#include "fakes/session_fixture.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/preferences_dialog.h"
#include "shell/steps_edit.h"

namespace tabrix {
namespace {

constexpr const char* kPrograms =
    "def:tri\n  STO 1  0 STO 2\n  lbl:loop\n  RCL 2 RCL 1 + STO 2\n  dsz:1\n  gto:loop\n  RCL 2\nend\n"
    "def:forever lbl:a 1 + gto:a end\n"
    "def:broken gto:nowhere end\n";

class ProgramsTest : public ::testing::Test {
protected:
    ProgramsTest() {
        QSettings().clear();
        services.fileDialog = &dialog;
        services.messageBox = &messages;
        services.recentFiles = &recent;
        services.sessionFolder = folder.path();
        services.programFolder = folder.path();
        services.askName = [this](const QString&, const QString&, const QString&) { return answer; };
        services.confirm = [](const QString&, const QString&) { return true; };
    }
    void WritePrograms(const std::string& text) { std::ofstream(ProgramFile().toStdString()) << text; }
    QString ProgramFile() const { return folder.path() + QStringLiteral("/programs.txt"); }
    void Start() { frame = std::make_unique<CMainFrame>(t.session, services); }
    // A key as the keyboard gives it: pressed and released on the view.
    void Key(int qtKey) {
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier);
        QApplication::sendEvent(frame->View(), &press);
        QApplication::sendEvent(frame->View(), &release);
    }
    QString Notice() const { return frame->NoticeLabel() != nullptr && frame->NoticeLabel()->isVisible() ? frame->NoticeLabel()->text() : QString(); }

    QTemporaryDir folder;
    testing::FakeFileDialog dialog;
    testing::RecordingMessageBox messages;
    RecentFileList recent;
    testing::TestSession t{DocumentServices{&dialog, &messages, &recent, nullptr}};
    FrameServices services;
    QString answer;
    std::unique_ptr<CMainFrame> frame;
};

// The kept programs are in the menu, each with the key the settings file
// gives it; one with a problem says so and does not run.
TEST_F(ProgramsTest, TheSettingsFileGivesAProgramItsKey) {
    WritePrograms(kPrograms);
    QSettings().setValue(QStringLiteral("ProgramKeys/TRI"), QStringLiteral("F5"));
    QSettings().setValue(QStringLiteral("ProgramKeys/FOREVER"), QStringLiteral("7"));  // typed into the calculator: not a program key
    Start();
    QAction* tri = frame->Programs().ActionOf(QStringLiteral("tri"));
    ASSERT_NE(tri, nullptr);
    EXPECT_EQ(tri->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_TRUE(frame->Programs().ActionOf(QStringLiteral("forever"))->shortcut().isEmpty());
    EXPECT_EQ(frame->Programs().ActionOf(QStringLiteral("broken"))->text(), QStringLiteral("broken (has problems)"));

    t.Type("10");
    tri->trigger();
    EXPECT_EQ(t.doc.m_dX, 55);
    frame->Programs().ActionOf(QStringLiteral("broken"))->trigger();
    EXPECT_EQ(t.doc.m_dX, 55);
    EXPECT_TRUE(Notice().startsWith(QStringLiteral("broken does not run: line 1:"))) << Notice().toStdString();
}

// A run with no end: the window gets its turn between slices, Escape ends
// the run and leaves X as the run left it, and Undo takes the whole run back.
TEST_F(ProgramsTest, EscapeEndsARunawayRunWhichIsOneUndoStep) {
    WritePrograms(kPrograms);
    Start();
    t.Type("5");
    frame->Programs().Run(QStringLiteral("forever"));
    EXPECT_TRUE(t.session.Running());
    EXPECT_EQ(Notice(), QStringLiteral("Running forever \u2014 Esc stops"));
    QTest::qWait(60);  // a few slices
    EXPECT_TRUE(t.session.Running());
    Key(Qt::Key_7);  // refused while it runs
    Key(Qt::Key_Escape);
    EXPECT_FALSE(t.session.Running());
    EXPECT_GT(t.doc.m_dX, 1000) << "Escape stopped the run, and cleared nothing";
    EXPECT_TRUE(Notice().startsWith(QStringLiteral("Stopped at step "))) << Notice().toStdString();
    frame->OnCommand(cmd::kEditUndo);
    EXPECT_EQ(t.doc.m_dX, 0);
    EXPECT_TRUE(t.doc.m_bEntering) << "back to the 5 being typed";
}

// Problems are shown as they are typed; a program with one cannot run,
// and once mended it runs and steps, the step to come marked.
TEST_F(ProgramsTest, TheEditorChecksAsYouTypeAndSteps) {
    Start();
    answer = QStringLiteral("twice");
    frame->OnCommand(cmd::kProgramsEdit);
    CProgramEditor* editor = frame->Programs().Editor();
    ASSERT_NE(editor, nullptr);
    editor->NewProgram();
    auto* run = editor->findChild<QPushButton*>(QStringLiteral("runProgram"));
    editor->Text()->setPlainText(QStringLiteral("ENTER\ngto:there +"));
    editor->CheckNow();
    ASSERT_EQ(editor->Problems()->count(), 1);
    EXPECT_EQ(editor->Problems()->item(0)->text(), QStringLiteral("line 2: no label there in twice"));
    EXPECT_FALSE(run->isEnabled());

    editor->Text()->setPlainText(QStringLiteral("ENTER\n+"));
    QTest::qWait(400);  // checked once typing pauses
    EXPECT_EQ(editor->Problems()->item(0)->text(), QStringLiteral("None: the program runs."));
    ASSERT_TRUE(run->isEnabled());
    t.Type("21");
    run->click();
    EXPECT_EQ(t.doc.m_dX, 42);

    auto* step = editor->findChild<QPushButton*>(QStringLiteral("stepProgram"));
    step->click();  // ENTER: stopped before +
    EXPECT_EQ(t.session.RunPosition().step, 1u);
    ASSERT_EQ(editor->Text()->extraSelections().size(), 1);
    EXPECT_EQ(editor->Text()->extraSelections()[0].cursor.selectedText(), QStringLiteral("+"));
    step->click();
    EXPECT_EQ(t.doc.m_dX, 84);
    EXPECT_EQ(t.session.RunPosition().program, nullptr);
    EXPECT_TRUE(editor->Text()->extraSelections().isEmpty());
}

// The editor offers the tokens that begin the word being typed; the keys
// reach the list while it is shown, as the keyboard's do.
TEST_F(ProgramsTest, TheEditorCompletesTokens) {
    Start();
    answer = QStringLiteral("completed");
    frame->OnCommand(cmd::kProgramsEdit);
    CProgramEditor* editor = frame->Programs().Editor();
    editor->NewProgram();
    auto* text = static_cast<CStepsEdit*>(editor->Text());
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    text->setFocus();
    QAbstractItemView* list = text->Completer()->popup();
    const auto type = [&](const QString& keys) {
        for (const QChar c : keys) QTest::keyClicks(list->isVisible() ? static_cast<QWidget*>(list) : text, QString(c));
    };
    const auto press = [&](Qt::Key key) { QTest::keyClick(list->isVisible() ? static_cast<QWidget*>(list) : text, key); };
    const auto shown = [&] {
        QStringList rows;
        for (int row = 0; row < list->model()->rowCount(); ++row) rows << list->model()->index(row, 0).data().toString();
        return rows;
    };
    type(QStringLiteral("ta"));
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("TAN   TAN (tangent)"), QStringLiteral("tanh   TANH (hyperbolic tangent)")}));
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    type(QStringLiteral(" sto+"));
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(shown(), QStringList{QStringLiteral("sto+:N   STO+ (add x to a register)")});
    press(Qt::Key_Tab);
    type(QStringLiteral("3 12 la"));
    EXPECT_TRUE(list->isVisible()) << "lastx";
    press(Qt::Key_Escape);
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(editor->isVisible()) << "Escape left the list, not the editor";
    press(Qt::Key_Return);
    type(QStringLiteral("tanh"));
    EXPECT_FALSE(list->isVisible()) << "a token typed whole";
    EXPECT_EQ(text->toPlainText(), QStringLiteral("tanh sto+:3 12 la\ntanh"));
}

// Escape in Edit Programs stops the program its Run began before anything
// else; only a second Escape closes the editor.
TEST_F(ProgramsTest, EscapeInTheEditorStopsItsRunFirst) {
    WritePrograms(kPrograms);
    Start();
    frame->OnCommand(cmd::kProgramsEdit);
    CProgramEditor* editor = frame->Programs().Editor();
    editor->Select(QStringLiteral("forever"));
    editor->findChild<QPushButton*>(QStringLiteral("runProgram"))->click();
    QTest::qWait(30);
    ASSERT_TRUE(t.session.Running());
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(t.session.Running());
    EXPECT_TRUE(editor->isVisible()) << "the editor stays, to show where it stopped";
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());
}

// Import refuses what the console refuses, with the line, and asks before
// it replaces programs of the same names; Export says which programs have
// problems and lets the user choose.
TEST_F(ProgramsTest, ImportAndExportAskAndRefuseAsTheConsoleWould) {
    WritePrograms("def:tri 1 end\ndef:other 2 end\n");
    QStringList asked;
    bool yes = false;
    services.confirm = [&](const QString&, const QString& question) {
        asked << question;
        return yes;
    };
    Start();
    const QString file = folder.filePath(QStringLiteral("import.txt"));
    dialog.answer = file.toStdString();
    const auto import = [&](const char* text) {
        std::ofstream(file.toStdString()) << text;
        messages.messages.clear();
        asked.clear();
        frame->OnCommand(cmd::kProgramsImport);
    };
    import("def:a 1 end\ndef:a 2 end\n");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].find("line 2"), std::string::npos) << messages.messages[0];
    import("def:b gto:nowhere end\n");  // the desktop would keep it with its problem; the console refuses it
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].find("nowhere"), std::string::npos) << messages.messages[0];
    import("def:TRI 3 end\ndef:c run:other end\n");  // a call to a program here is no problem
    EXPECT_TRUE(messages.messages.empty());
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].contains(QStringLiteral(": tri. Replace them?"))) << asked[0].toStdString();
    EXPECT_EQ(frame->Programs().Book().Find("tri")->body, "1") << "not replaced";
    EXPECT_EQ(frame->Programs().Book().Find("c"), nullptr);
    yes = true;
    import("def:TRI 3 end\ndef:c run:other end\n");
    EXPECT_EQ(frame->Programs().Book().Find("tri")->body, "3");
    EXPECT_NE(frame->Programs().Book().Find("c"), nullptr);

    frame->Programs().Book().Set("broken", "gto:nowhere");
    const QString exported = folder.filePath(QStringLiteral("export.txt"));
    dialog.answer = exported.toStdString();
    yes = false;
    asked.clear();
    frame->OnCommand(cmd::kProgramsExport);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].startsWith(QStringLiteral("These programs have problems: broken."))) << asked[0].toStdString();
    EXPECT_FALSE(QFile::exists(exported)) << "not exported";
    yes = true;
    frame->OnCommand(cmd::kProgramsExport);
    EXPECT_TRUE(QFile::exists(exported));
}

// Record Program: the keys done are the program's; Undo takes the last one
// out of it too. The program is kept in programs.txt within two seconds.
TEST_F(ProgramsTest, RecordingMakesAProgramThatIsKept) {
    Start();
    answer = QStringLiteral("cube");
    t.Type("2");  // before the recording: not the program's
    frame->OnCommand(cmd::kProgramsRecord);
    EXPECT_TRUE(frame->Programs().Recording());
    for (int key : {Qt::Key_Enter, Qt::Key_Enter, Qt::Key_Asterisk, Qt::Key_Minus}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeypadModifier);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::KeypadModifier);
        QApplication::sendEvent(frame->View(), &press);
        QApplication::sendEvent(frame->View(), &release);
    }
    EXPECT_EQ(t.doc.m_dX, -2);       // 2 - 2 * 2
    frame->OnCommand(cmd::kEditUndo);  // the - is taken back, from the program too
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Asterisk, Qt::KeypadModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Asterisk, Qt::KeypadModifier);
    QApplication::sendEvent(frame->View(), &press);
    QApplication::sendEvent(frame->View(), &release);
    EXPECT_EQ(t.doc.m_dX, 8);
    frame->OnCommand(cmd::kProgramsStopRecording);
    const ProgramBook::Entry* cube = frame->Programs().Book().Find("cube");
    ASSERT_NE(cube, nullptr);
    EXPECT_EQ(cube->body, "ENTER\nENTER\n*\n*");
    QTest::qWait(1500);
    QFile file(ProgramFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), "def:cube\n  ENTER\n  ENTER\n  *\n  *\nend\n");

    t.Type("3");
    frame->Programs().Run(QStringLiteral("cube"));
    EXPECT_EQ(t.doc.m_dX, 27);
}

// A programs file that cannot be read goes aside, kept, and is told.
TEST_F(ProgramsTest, AnUnreadableFileIsMovedAside) {
    WritePrograms("def:half 2 /\n");  // no end
    Start();
    QTest::qWait(10);
    EXPECT_TRUE(frame->Programs().Book().Entries().empty());
    EXPECT_FALSE(QFile::exists(ProgramFile()));
    const QStringList aside = QDir(folder.path()).entryList({QStringLiteral("programs.txt.damaged-*")});
    EXPECT_EQ(aside.size(), 1);
    EXPECT_TRUE(Notice().contains(QStringLiteral("the definition of half has no end"))) << Notice().toStdString();
}

TEST(ProgramKeysTest, OnlyKeysTheCalculatorAndTheWindowLeaveFree) {
    CPreferencesDialog::Values values{KeyMap::Standard(), false, {}, {QStringLiteral("tri"), QStringLiteral("npv")}};
    CPreferencesDialog dialog(values, {}, nullptr, {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::Key_F1)});
    const std::pair<QKeySequence, const char*> cases[] = {
        {QKeySequence(Qt::Key_7), "7 is typed into the calculator"},
        {QKeySequence(Qt::Key_J), "J alone is no program key"},  // no calculator key, but a key for typing
        {QKeySequence(Qt::CTRL | Qt::Key_C), "Ctrl+C is a shortcut of the window"},
        {QKeySequence(Qt::Key_F1), "F1 is a shortcut of the window"},
        {QKeySequence(Qt::CTRL | Qt::Key_1), "Ctrl+1 now runs tri."},
        {QKeySequence(Qt::Key_F5), "F5 now runs tri."},
    };
    dialog.SelectProgram(QStringLiteral("tri"));
    for (const auto& [key, status] : cases) {
        dialog.BeginCapture(CPreferencesDialog::Capture::Program);
        dialog.CaptureProgramKey(key);
        EXPECT_TRUE(dialog.Status().startsWith(QString::fromUtf8(status))) << dialog.Status().toStdString();
    }
    dialog.SelectProgram(QStringLiteral("npv"));
    dialog.BeginCapture(CPreferencesDialog::Capture::Program);
    dialog.CaptureProgramKey(QKeySequence(Qt::Key_F5));
    EXPECT_EQ(dialog.Status(), QStringLiteral("F5 ran TRI; it now runs npv."));
    const ProgramKeys keys = dialog.Result().programKeys;
    EXPECT_TRUE(keys.KeyOf(QStringLiteral("tri")).isEmpty());
    EXPECT_EQ(keys.KeyOf(QStringLiteral("NPV")), QKeySequence(Qt::Key_F5));
}

}  // namespace
}  // namespace tabrix
