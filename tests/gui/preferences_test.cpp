// Preferences: rebinding keys in the dialog and on the face, the Keys and
// Keyboard window, and the calculator kept between sessions.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QPushButton>
#include <QKeyEvent>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "engine/key_codes.h"
#include "document/notice.h"
#include "document/state_file.h"
#include "fakes/document_fakes.h"
#include "fakes/session_fixture.h"
#include "fakes/qt_printing.h"
#include "shell/app_folders.h"
#include "shell/command_ids.h"
#include "shell/keys_window.h"
#include "shell/main_frame.h"
#include "shell/preferences_dialog.h"
#include "shell/session_store.h"

namespace tabrix {
namespace {

QSettings Settings() { return QSettings(); }

TEST(PreferencesDialogTest, APressedKeyIsBoundAndMovesFromItsOldKey) {
    CPreferencesDialog dialog({KeyMap::Standard(), false});
    dialog.SelectCode(keys::kEight);
    dialog.BeginCapture(CPreferencesDialog::Capture::Add);
    QTest::keyClick(&dialog, Qt::Key_7, Qt::KeypadModifier);
    EXPECT_EQ(dialog.Status(), QStringLiteral("keypad 7 pressed 7; it now presses 8."));
    EXPECT_EQ(dialog.Result().keys.CodeOf({Qt::Key_7, true}), keys::kEight);
    EXPECT_EQ(dialog.Result().keys.KeysOf(keys::kEight).size(), 3);

    dialog.SelectCode(keys::kSeven);
    dialog.BeginCapture(CPreferencesDialog::Capture::Replace);
    QTest::keyClick(&dialog, Qt::Key_Shift);  // a modifier alone is no key: still waiting
    QTest::keyClick(&dialog, Qt::Key_Tab);    // Tab is taken while waiting, and refused: it moves the keyboard
    EXPECT_EQ(dialog.Status(), QStringLiteral("Tab moves the keyboard between the calculator and the tape; choose "
                                              "another key."));
    EXPECT_EQ(dialog.Result().keys.KeysOf(keys::kSeven), (QList<KeyboardKey>{{Qt::Key_7, false}}));
    dialog.BeginCapture(CPreferencesDialog::Capture::Replace);
    QTest::keyClick(&dialog, Qt::Key_J);
    EXPECT_EQ(dialog.Result().keys.KeysOf(keys::kSeven), (QList<KeyboardKey>{{Qt::Key_J, false}}));
    EXPECT_EQ(dialog.SelectedCode(), keys::kSeven);

    bool rejected = false;
    QObject::connect(&dialog, &QDialog::rejected, [&] { rejected = true; });
    dialog.BeginCapture(CPreferencesDialog::Capture::Replace);
    QTest::keyClick(&dialog, Qt::Key_Escape);  // Escape and Delete keep their own work
    EXPECT_EQ(dialog.Status(), QStringLiteral("No key was changed."));
    EXPECT_FALSE(rejected) << "Escape while waiting does not close the dialog";
    EXPECT_EQ(dialog.Result().restoreAtStart, false);
}

// A fifth key lets the first go, and says so; Remove a Key takes the key
// chosen among the selected key's keys, not always the last.
TEST(PreferencesDialogTest, AFifthKeyIsToldAndRemoveTakesTheChosenKey) {
    KeyMap noQ = KeyMap::Standard();
    noQ.Unbind(keys::kSqrt, {Qt::Key_Q, false});
    CPreferencesDialog dialog({noQ, false});
    dialog.SelectCode(keys::kSqrt);
    for (const int key : {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8}) {
        dialog.BeginCapture(CPreferencesDialog::Capture::Add);
        QTest::keyClick(&dialog, static_cast<Qt::Key>(key));
    }
    EXPECT_EQ(dialog.Status(), QStringLiteral("F8 now presses \u221Ax."));
    dialog.BeginCapture(CPreferencesDialog::Capture::Add);
    QTest::keyClick(&dialog, Qt::Key_F9);
    EXPECT_EQ(dialog.Status(),
              QStringLiteral("F9 now presses \u221Ax. F5 no longer presses \u221Ax: a key takes 4 keyboard keys at most."));
    dialog.ChooseBoundKey(1);  // F7, of F6 F7 F8 F9
    dialog.findChild<QPushButton*>(QStringLiteral("removeKey"))->click();
    EXPECT_EQ(dialog.Result().keys.KeysOf(keys::kSqrt),
              (QList<KeyboardKey>{{Qt::Key_F6, false}, {Qt::Key_F8, false}, {Qt::Key_F9, false}}));
    EXPECT_EQ(dialog.Status(), QStringLiteral("F7 no longer presses \u221Ax."));
}

TEST(PreferencesDialogTest, AWindowShortcutCannotBeBound) {
    CPreferencesDialog dialog({KeyMap::Standard(), false}, {{Qt::Key_F1, false}});
    dialog.SelectCode(keys::kSeven);
    dialog.BeginCapture(CPreferencesDialog::Capture::Add);
    QTest::keyClick(&dialog, Qt::Key_F1);
    EXPECT_EQ(dialog.Status(), QStringLiteral("F1 is a shortcut of the window; choose another key."));
    EXPECT_EQ(dialog.Result().keys, KeyMap::Standard());
}

// Many programs do not make the dialog grow, and what it says does not move
// its buttons.
TEST(PreferencesDialogTest, ManyProgramsAndItsHintsKeepTheDialogsSize) {
    QStringList many;
    for (int i = 0; i < 22; ++i) many << QStringLiteral("p%1").arg(i);
    CPreferencesDialog two({KeyMap::Standard(), false, {}, {QStringLiteral("a"), QStringLiteral("b")}});
    CPreferencesDialog lots({KeyMap::Standard(), false, {}, many});
    EXPECT_LE(lots.sizeHint().height(), two.sizeHint().height() + two.fontMetrics().lineSpacing() * 4);
    const QSize before = lots.sizeHint();
    lots.SelectProgram(QStringLiteral("p3"));
    lots.BeginCapture(CPreferencesDialog::Capture::Program);
    EXPECT_FALSE(lots.Status().isEmpty());
    EXPECT_EQ(lots.sizeHint(), before);
}

TEST(PreferencesDialogTest, AKeyGivenToAFunctionSaysWhatItDidBefore) {
    CPreferencesDialog dialog({KeyMap::Standard(), false});
    auto* functions = dialog.findChild<QComboBox*>(QStringLiteral("function"));
    ASSERT_NE(functions, nullptr);
    EXPECT_EQ(functions->findData(QStringLiteral("sto+")), -1) << "a function of a register needs its register";
    const struct {
        const char* token;
        KeyboardKey key;
        const char* status;
    } steps[] = {
        {"abs", {Qt::Key_7, false}, "7 pressed 7; it now performs ABS (absolute value)."},
        {"tanh", {Qt::Key_7, false}, "7 performed ABS (absolute value); it now performs TANH (hyperbolic tangent)."},
        {"abs", {Qt::Key_A, false}, "A now performs ABS (absolute value)."},
    };
    for (const auto& step : steps) {
        dialog.SelectFunction(QString::fromLatin1(step.token));
        dialog.BeginCapture(CPreferencesDialog::Capture::Function);
        QTest::keyClick(&dialog, static_cast<Qt::Key>(step.key.key));
        EXPECT_EQ(dialog.Status(), QString::fromUtf8(step.status));
        EXPECT_EQ(dialog.Result().keys.FunctionOf(step.key), step.token);
    }
    EXPECT_EQ(dialog.Result().keys.CodeOf({Qt::Key_7, false}), 0);
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("functionKeys"));
    ASSERT_EQ(table->rowCount(), 2);
    table->setCurrentCell(0, 0);
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("&Remove the Key")) button->click();
    }
    EXPECT_EQ(dialog.Status(), QStringLiteral("7 no longer performs TANH (hyperbolic tangent)."));
    EXPECT_EQ(dialog.Result().keys.FunctionKeys(), (QList<FunctionKey>{{"abs", {Qt::Key_A, false}}}));
}

TEST(PreferencesDialogTest, TheMapsChoiceFollowsTheKeysAndRestoreDefaultsGoesBack) {
    CPreferencesDialog dialog({KeyMap::Laptop(), true});
    auto* map = dialog.findChild<QComboBox*>(QStringLiteral("keyMap"));
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->currentIndex(), 1);
    EXPECT_TRUE(dialog.Result().restoreAtStart);
    dialog.SelectCode(keys::kPlus);
    dialog.CaptureKey({Qt::Key_J, false});  // not waiting: nothing happens
    EXPECT_EQ(dialog.Result().keys, KeyMap::Laptop());
    dialog.BeginCapture(CPreferencesDialog::Capture::Add);
    dialog.CaptureKey({Qt::Key_J, false});
    EXPECT_EQ(map->currentIndex(), 2) << "custom keys";
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("calculatorKeys"));
    ASSERT_EQ(table->rowCount(), 29);
    EXPECT_EQ(table->item(table->currentRow(), 2)->text(), QStringLiteral("keypad +, +, J"));
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("Re&move a Key")) button->click();
    }
    EXPECT_EQ(dialog.Result().keys, KeyMap::Laptop());
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("Restore &Defaults")) button->click();
    }
    EXPECT_EQ(dialog.Result().keys, KeyMap::Standard());
    EXPECT_EQ(map->currentIndex(), 0);
}

class PreferencesFrameTest : public ::testing::Test {
protected:
    PreferencesFrameTest() {
        Settings().clear();
        services.fileDialog = &dialog;
        services.messageBox = &messages;
        services.recentFiles = &recent;
        services.availableScreen = [] { return QSize(1920, 1080); };
        services.sessionFolder = folder.path();
    }
    std::unique_ptr<CMainFrame> NewFrame(testing::TestSession& s) { return std::make_unique<CMainFrame>(s.session, services); }
    DocumentServices Services() { return {&dialog, &messages, &recent, nullptr}; }
    void Type(CMainFrame& frame, int qtKey, Qt::KeyboardModifiers modifiers = {}) {
        QKeyEvent press(QEvent::KeyPress, qtKey, modifiers);
        QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers);
        QApplication::sendEvent(frame.View(), &press);
        QApplication::sendEvent(frame.View(), &release);
    }

    QTemporaryDir folder;
    testing::FakeFileDialog dialog;
    testing::RecordingMessageBox messages;
    RecentFileList recent;
    testing::TestSession t{Services()};
    FrameServices services;
    QStringList notices;
};

TEST_F(PreferencesFrameTest, ChosenKeysAreUsedRememberedAndShown) {
    KeyMap keys = KeyMap::Standard();
    keys.Bind(keys::kSeven, {Qt::Key_J, false}, false);
    services.editPreferences = [&](const CPreferencesDialog::Values& shown) {
        EXPECT_EQ(shown.keys, KeyMap::Standard());
        return std::optional(CPreferencesDialog::Values{keys, false});
    };
    auto frame = NewFrame(t);
    frame->OnCommand(cmd::kHelpKeys);
    ASSERT_NE(frame->KeysWindow(), nullptr);
    EXPECT_EQ(frame->KeysWindow()->Table()->item(8, 2)->text(), QStringLiteral("7, keypad 7"));
    EXPECT_EQ(frame->KeysWindow()->Table()->item(8, 1)->text(), QStringLiteral("FIX (display digits)"));
    EXPECT_TRUE(frame->OnCommand(cmd::kEditPreferences));
    EXPECT_EQ(frame->KeysWindow()->Table()->item(8, 2)->text(), QStringLiteral("7, keypad 7, J"));
    Type(*frame, Qt::Key_J);
    EXPECT_EQ(t.doc.m_strDisplay, " 7");
    EXPECT_EQ(Settings().value(QStringLiteral("Keymap/9")).toString(), QStringLiteral("7, Num+7, J"));

    // The next start reads the same keys, and the face's captions are remembered.
    frame->OnCommand(cmd::kViewKeyboardKeys);
    EXPECT_TRUE(frame->View()->ShowsKeyboardKeys());
    frame->OnCommand(cmd::kViewHighContrastLcd);
    EXPECT_TRUE(frame->View()->HighContrastLcd());
    frame.reset();
    testing::TestSession next{Services()};
    auto again = NewFrame(next);
    EXPECT_EQ(again->View()->Keys(), keys);
    EXPECT_TRUE(again->View()->ShowsKeyboardKeys());
    EXPECT_TRUE(again->View()->HighContrastLcd()) << "remembered too";
}

TEST_F(PreferencesFrameTest, AKeyIsWhatWasPressedWhenShiftIsLetGoFirst) {
    auto frame = NewFrame(t);
    frame->ApplyPreferences({KeyMap::Laptop(), false});
    t.Type("6");
    t.Press(keys::kEnter);
    t.Type("7");
    // Shift+8 pressed as "*", Shift let go, then the 8 key: a multiplication.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Asterisk, Qt::ShiftModifier, 17, 0, 0);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_8, Qt::NoModifier, 17, 0, 0);
    QApplication::sendEvent(frame->View(), &press);
    QApplication::sendEvent(frame->View(), &release);
    EXPECT_EQ(t.doc.m_dX, 42);
}

TEST_F(PreferencesFrameTest, OffWritesNothingAndRestoresNothing) {
    {
        auto frame = NewFrame(t);
        t.Type("42");
        frame->Store().SaveNow();
        EXPECT_FALSE(frame->RestoreSession());
    }
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(PreferencesFrameTest, TheCalculatorAndItsTapeComeBackAtTheNextStart) {
    {
        auto frame = NewFrame(t);
        frame->ApplyPreferences({KeyMap::Standard(), true});
        EXPECT_TRUE(Settings().value(QStringLiteral("Session/RestoreAtStart")).toBool());
        for (std::uint32_t key : {keys::kFour, keys::kTwo, keys::kEnter, keys::kShift, keys::kNine, keys::kThree,
                                  keys::kOne}) {
            frame->View()->PressKey(static_cast<int>(key));
        }
        EXPECT_TRUE(QFile::exists(frame->Store().SessionFile())) << "saved when turned on";
    }  // saved at exit: a half-typed number, ENG 3 and the tape
    const CalculatorState saved = t.doc.State();
    testing::TestSession next{Services()};
    auto frame = NewFrame(next);
    ASSERT_TRUE(frame->RestoreSession());
    EXPECT_EQ(next.doc.State(), saved);
    EXPECT_EQ(frame->Calculator().Tape().Size(), 3u);
    EXPECT_EQ(frame->Calculator().Tape().Line(0).tokens, "42 ENTER");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"session.txt"}) << "one file";
}

// What a file of the folder holds, and the names of its files.
QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST_F(PreferencesFrameTest, ADamagedSessionIsKeptAsideWithItsTapeAndTheCalculatorStartsAfresh) {
    Settings().setValue(QStringLiteral("Session/RestoreAtStart"), true);
    Write(folder.filePath(QStringLiteral("session.rpn")), "not a state file");
    Write(folder.filePath(QStringLiteral("session-tape.tsv")), "1\t1\t 1.000000 00\t1\n");
    auto frame = NewFrame(t);
    EXPECT_FALSE(frame->RestoreSession());
    EXPECT_EQ(t.doc.State(), CTabrixDoc().State());
    const QStringList kept = QDir(folder.path()).entryList({QStringLiteral("*.damaged-*")}, QDir::Files, QDir::Name);
    ASSERT_EQ(kept.size(), 2);
    EXPECT_EQ(Contents(folder.filePath(kept[0])), QByteArray("1\t1\t 1.000000 00\t1\n")) << "the tape goes with it";
    EXPECT_EQ(Contents(folder.filePath(kept[1])), QByteArray("not a state file"));
    frame->Store().SaveNow();  // saving afterwards leaves what was kept aside alone
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("*.damaged-*")}).size(), 2);
}

TEST_F(PreferencesFrameTest, DamagedTapeLinesAreLeftOutToldAndKeptAsideAndTheRestComesBack) {
    testing::TestSession saved{Services()};
    SessionStore store(saved.session, folder.path(), [](const QString&) {});
    for (std::uint32_t key : {keys::kFour, keys::kTwo, keys::kEnter, keys::kSeven}) saved.Perform(Action::Key(key));
    store.SetEnabled(true);
    store.SaveNow();
    QByteArray kept = Contents(store.SessionFile());
    Write(store.SessionFile(), kept + "not\ta tape\nnor\tthis\n");

    SessionStore next(t.session, folder.path(), [&](const QString& text) { notices << text; });
    EXPECT_TRUE(next.Restore());
    EXPECT_EQ(t.doc.State(), saved.doc.State());
    // The good lines are all there; a last line starts the tape anew from
    // what is shown, so that it still replays.
    ASSERT_EQ(t.session.Tape().Size(), 3u);
    EXPECT_EQ(t.session.Tape().Line(0).tokens, "42 ENTER");
    EXPECT_EQ(EnglishText(t.session.Tape().Line(2).label), "Start");
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].startsWith(QStringLiteral("2 of the last session's tape lines could not be read")))
        << notices[0].toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("session.txt.damaged-*")}).size(), 1);
}

TEST_F(PreferencesFrameTest, APairKeptByAnOlderVersionComesBackAsOneFile) {
    CalculatorState state;
    state.m_dX = 2.5;
    state.m_strFormat = "FIX";
    state.m_nDigits = 2;
    const std::vector<std::uint8_t> bytes = EncodeState(state);
    Write(folder.filePath(QStringLiteral("session.rpn")),
          QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size())));
    Write(folder.filePath(QStringLiteral("session-tape.tsv")), "2.5\t2.5\t 2.50\t2.5\n");
    SessionStore store(t.session, folder.path(), [&](const QString& text) { notices << text; });
    store.SetEnabled(true);
    ASSERT_TRUE(store.Restore());
    EXPECT_EQ(t.doc.m_dX, 2.5);
    EXPECT_EQ(t.doc.m_strDisplay, " 250");
    EXPECT_EQ(t.session.Tape().Script(), "2.5         #  2.50\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"session.txt"});
    EXPECT_TRUE(notices.isEmpty());
}

TEST_F(PreferencesFrameTest, AFailedWriteIsToldOnceUntilOneSucceeds) {
    const QString blocked = folder.filePath(QStringLiteral("blocked"));
    Write(blocked, "a file where the folder should be");
    SessionStore store(t.session, blocked + QStringLiteral("/tabrix"), [&](const QString& text) { notices << text; });
    store.SetEnabled(true);
    store.SaveNow();
    store.SaveNow();
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].startsWith(QStringLiteral("The calculator cannot be kept for the next start"))) << notices[0].toStdString();
    QFile::remove(blocked);
    store.SaveNow();
    EXPECT_TRUE(QFile::exists(blocked + QStringLiteral("/tabrix/session.txt")));
    QDir(blocked).removeRecursively();
    Write(blocked, "blocked again");
    store.SaveNow();
    EXPECT_EQ(notices.size(), 2);
}

// Version 1.0's files, under "Local AppWizard-Generated Applications", move
// to the program's own folders once; where both places hold one, the new
// one wins and the old one stays.
TEST(AppFolders, FilesOfTheOldPlacesMoveOnceAndNeverOverANewOne) {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString oldConfig = config + QStringLiteral("/Local AppWizard-Generated Applications/Tabrix.conf");
    const QString oldData = data + QStringLiteral("/Local AppWizard-Generated Applications/Tabrix");
    const QString newConfig = config + QStringLiteral("/tabrix/tabrix.conf");
    QDir().mkpath(QFileInfo(oldConfig).absolutePath());
    QDir().mkpath(oldData);
    QFile::remove(newConfig);
    QDir(DataFolder()).removeRecursively();
    Write(oldConfig, "[Keymap]\n9=Q\n");
    Write(oldData + QStringLiteral("/session.rpn"), "state");
    Write(oldData + QStringLiteral("/session-tape.tsv"), "tape");

    MoveFilesFromOldPlaces();
    EXPECT_EQ(Contents(newConfig), QByteArray("[Keymap]\n9=Q\n"));
    EXPECT_EQ(Contents(DataFolder() + QStringLiteral("/session.rpn")), QByteArray("state"));
    EXPECT_EQ(Contents(DataFolder() + QStringLiteral("/session-tape.tsv")), QByteArray("tape"));
    EXPECT_FALSE(QFile::exists(oldConfig));

    Write(oldConfig, "[Keymap]\n9=W\n");  // an old file beside a new one
    MoveFilesFromOldPlaces();
    EXPECT_EQ(Contents(newConfig), QByteArray("[Keymap]\n9=Q\n"));
    EXPECT_EQ(Contents(oldConfig), QByteArray("[Keymap]\n9=W\n"));
    QFile::remove(oldConfig);
    QFile::remove(newConfig);
    QDir(oldData).removeRecursively();
    QDir(DataFolder()).removeRecursively();
}

}  // namespace
}  // namespace tabrix
