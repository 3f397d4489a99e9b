// Preferences: rebinding keys in the dialog and on the face, the Keys and
// Keyboard window, and the calculator kept between sessions.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QKeyEvent>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "engine/key_codes.h"
#include "fakes/document_fakes.h"
#include "fakes/qt_printing.h"
#include "shell/command_ids.h"
#include "shell/keys_window.h"
#include "shell/main_frame.h"
#include "shell/preferences_dialog.h"
#include "shell/session_store.h"

namespace tabrix {
namespace {

QSettings Settings() { return QSettings(QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Tabrix")); }

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
    QTest::keyClick(&dialog, Qt::Key_Tab);    // Tab is a key like any other while waiting
    EXPECT_EQ(dialog.Result().keys.KeysOf(keys::kSeven), (QList<KeyboardKey>{{Qt::Key_Tab, false}}));
    EXPECT_EQ(dialog.SelectedCode(), keys::kSeven);

    bool rejected = false;
    QObject::connect(&dialog, &QDialog::rejected, [&] { rejected = true; });
    dialog.BeginCapture(CPreferencesDialog::Capture::Replace);
    QTest::keyClick(&dialog, Qt::Key_Escape);  // Escape and Delete keep their own work
    EXPECT_EQ(dialog.Status(), QStringLiteral("No key was changed."));
    EXPECT_FALSE(rejected) << "Escape while waiting does not close the dialog";
    EXPECT_EQ(dialog.Result().restoreAtStart, false);
}

TEST(PreferencesDialogTest, AWindowShortcutCannotBeBound) {
    CPreferencesDialog dialog({KeyMap::Standard(), false}, {{Qt::Key_F1, false}});
    dialog.SelectCode(keys::kSeven);
    dialog.BeginCapture(CPreferencesDialog::Capture::Add);
    QTest::keyClick(&dialog, Qt::Key_F1);
    EXPECT_EQ(dialog.Status(), QStringLiteral("F1 is a shortcut of the window; choose another key."));
    EXPECT_EQ(dialog.Result().keys, KeyMap::Standard());
}

TEST(PreferencesDialogTest, TheMapsChoiceFollowsTheKeysAndRestoreDefaultsGoesBack) {
    CPreferencesDialog dialog({KeyMap::Laptop(), true});
    auto* map = dialog.findChild<QComboBox*>();
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->currentIndex(), 1);
    EXPECT_TRUE(dialog.Result().restoreAtStart);
    dialog.SelectCode(keys::kPlus);
    dialog.CaptureKey({Qt::Key_P, false});  // not waiting: nothing happens
    EXPECT_EQ(dialog.Result().keys, KeyMap::Laptop());
    dialog.BeginCapture(CPreferencesDialog::Capture::Add);
    dialog.CaptureKey({Qt::Key_P, false});
    EXPECT_EQ(map->currentIndex(), 2) << "custom keys";
    auto* table = dialog.findChild<QTableWidget*>();
    ASSERT_EQ(table->rowCount(), 29);
    EXPECT_EQ(table->item(table->currentRow(), 2)->text(), QStringLiteral("keypad +, +, P"));
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
    std::unique_ptr<CMainFrame> NewFrame(testing::TestDoc& doc) { return std::make_unique<CMainFrame>(doc.doc, services); }
    void Type(CMainFrame& frame, int qtKey, Qt::KeyboardModifiers modifiers = {}) {
        QKeyEvent press(QEvent::KeyPress, qtKey, modifiers);
        QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers);
        QApplication::sendEvent(frame.View(), &press);
        QApplication::sendEvent(frame.View(), &release);
    }

    QTemporaryDir folder;
    testing::TestDoc t;
    testing::FakeFileDialog dialog;
    testing::RecordingMessageBox messages;
    RecentFileList recent;
    FrameServices services;
};

TEST_F(PreferencesFrameTest, ChosenKeysAreUsedRememberedAndShown) {
    KeyMap keys = KeyMap::Standard();
    keys.Bind(keys::kSeven, {Qt::Key_Q, false}, false);
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
    EXPECT_EQ(frame->KeysWindow()->Table()->item(8, 2)->text(), QStringLiteral("7, keypad 7, Q"));
    Type(*frame, Qt::Key_Q);
    EXPECT_EQ(t.doc.m_strDisplay, " 7");
    EXPECT_EQ(Settings().value(QStringLiteral("Keymap/9")).toString(), QStringLiteral("7, Num+7, Q"));

    // The next start reads the same keys, and the face's captions are remembered.
    frame->OnCommand(cmd::kViewKeyboardKeys);
    EXPECT_TRUE(frame->View()->ShowsKeyboardKeys());
    frame.reset();
    testing::TestDoc next;
    auto again = NewFrame(next);
    EXPECT_EQ(again->View()->Keys(), keys);
    EXPECT_TRUE(again->View()->ShowsKeyboardKeys());
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
        frame->Session().SaveNow();
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
        EXPECT_TRUE(QFile::exists(frame->Session().StateFile())) << "saved when turned on";
    }  // saved at exit: a half-typed number, ENG 3 and the tape
    const CalculatorState saved = t.doc.State();
    testing::TestDoc next;
    auto frame = NewFrame(next);
    ASSERT_TRUE(frame->RestoreSession());
    EXPECT_EQ(next.doc.State(), saved);
    EXPECT_EQ(frame->Tape().Size(), 3u);
    EXPECT_EQ(frame->Tape().Line(0).tokens, "42 ENTER");
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
    frame->Session().SaveNow();  // saving afterwards leaves what was kept aside alone
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("*.damaged-*")}).size(), 2);
}

TEST_F(PreferencesFrameTest, ADamagedTapeIsToldAndKeptAsideAndTheCalculatorStillComesBack) {
    testing::TestDoc saved;
    CTape savedTape(saved.doc, nullptr);
    SessionStore store(saved.doc, savedTape, folder.path());
    saved.Type("42");
    store.SetEnabled(true);
    store.SaveNow();
    Write(store.TapeFile(), "not\ta tape\n");

    CTape tape(t.doc, nullptr);
    SessionStore next(t.doc, tape, folder.path());
    QStringList notices;
    EXPECT_TRUE(next.Restore([&](const QString& text) { notices << text; }));
    EXPECT_EQ(t.doc.State(), saved.doc.State());
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].startsWith(QStringLiteral("The tape of the last session could not be read"))) << notices[0].toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("session-tape.tsv.damaged-*")}).size(), 1);
}

}  // namespace
}  // namespace tabrix
