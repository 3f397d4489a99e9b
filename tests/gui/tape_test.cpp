// The tape in the desktop program: the dock, its commands, and the proof that
// a session's saved tape replays in tabrix-cli to the same calculator.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <random>

#include <nlohmann/json.hpp>

#include "document/state_file.h"
#include "engine/key_codes.h"
#include "fakes/document_fakes.h"
#include "fakes/session_fixture.h"
#include "fakes/qt_printing.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "view/translated_text.h"

namespace tabrix {
namespace {

class TapeDockTest : public ::testing::Test {
protected:
    TapeDockTest() {
        QSettings().clear();
        services.fileDialog = &dialog;
        services.messageBox = &messages;
        services.clipboard = &clipboard;
        services.recentFiles = &recent;
        services.availableScreen = [] { return QSize(1920, 1080); };
        services.confirm = [this](const QString& title, const QString& question) {
            asked << title + QStringLiteral(": ") + question;
            return clearTape;
        };
        frame = std::make_unique<CMainFrame>(t.session, services);
    }
    QStringList asked;
    bool clearTape = true;
    void Keys(std::initializer_list<std::uint32_t> codes) {
        for (std::uint32_t code : codes) frame->View()->PressKey(static_cast<int>(code));
    }

    testing::FakeFileDialog dialog;
    testing::RecordingMessageBox messages;
    QtClipboard clipboard;
    RecentFileList recent;
    testing::TestSession t{DocumentServices{&dialog, &messages, &recent, &clipboard}};
    FrameServices services;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(TapeDockTest, ViewTapeShowsItBesideTheFaceAndIsRemembered) {
    frame->show();
    ASSERT_EQ(frame->TapePanel(), nullptr);  // hidden the first time: not even made
    const QSize face = frame->View()->size();
    const int width = frame->width();
    frame->OnCommand(cmd::kViewTape);
    EXPECT_FALSE(frame->TapePanel()->isHidden());
    EXPECT_TRUE(frame->ActionFor(cmd::kViewTape)->isChecked());
    EXPECT_EQ(frame->View()->size(), face);  // the face keeps its size; the window grows
    EXPECT_GT(frame->width(), width);
    EXPECT_GT(frame->TapePanel()->x(), frame->View()->x());  // on the right
    CMainFrame second(t.session, services);
    EXPECT_FALSE(second.TapePanel()->isHidden());
    frame->OnCommand(cmd::kViewTape);
    EXPECT_TRUE(frame->TapePanel()->isHidden());
    EXPECT_EQ(frame->width(), width);
    CMainFrame third(t.session, services);
    EXPECT_EQ(third.TapePanel(), nullptr);
}

TEST_F(TapeDockTest, LinesCopyValueDoubleClickClearAndSave) {
    frame->show();
    frame->OnCommand(cmd::kViewTape);
    Keys({keys::kOne, keys::kEnter, keys::kThree, keys::kInverse});  // 1 ENTER, 3 1/x
    TapeView* list = frame->TapePanel()->List();
    ASSERT_EQ(list->RowCount(), 2);
    EXPECT_EQ(list->RowText(1), QStringLiteral("3 1/x           3.333333-01"));

    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);  // the lines, not X
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("1 ENTER     #  1.000000 00\n3 INV       #  3.333333-01\n"));
    frame->TapePanel()->CopyValue(1);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("0.3333333333333333"));

    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, list->RowHeight() / 2));  // 1, as a paste
    EXPECT_EQ(t.doc.m_dX, 1);
    EXPECT_EQ(frame->Calculator().Tape().Line(2).tokens, "paste:\"1\"");
    frame->OnCommand(cmd::kEditUndo);
    EXPECT_EQ(t.doc.m_dX, 1.0 / 3);

    QTemporaryDir dir;
    dialog.answer = (dir.path() + "/session.txt").toStdString();
    frame->OnCommand(cmd::kViewSaveTapeAs);
    EXPECT_EQ(dialog.requests.back().title, "Save Tape");
    EXPECT_EQ(ReadFileBytes(*dialog.answer, 1 << 20)->size(), frame->Calculator().Tape().Script().size());
    // The tape starts again from the calculator as it stands, and undo
    // cannot reach back before it: asked first, and saying so.
    const int rows = list->RowCount();
    clearTape = false;
    frame->OnCommand(cmd::kViewClearTape);
    EXPECT_EQ(list->RowCount(), rows) << "not cleared";
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked.front().contains(QStringLiteral("can no longer be undone"))) << asked.front().toStdString();
    clearTape = true;
    frame->OnCommand(cmd::kViewClearTape);
    ASSERT_EQ(list->RowCount(), 1);
    frame->OnCommand(cmd::kViewClearTape);
    EXPECT_EQ(asked.size(), 2) << "nothing to undo: nothing asked";
    EXPECT_EQ(list->RowText(0), QStringLiteral("Start           3.333333-01"));
    EXPECT_FALSE(frame->ActionFor(cmd::kEditUndo)->isEnabled());
}

// A line too long for the list loses the middle of its keys, never its value.
TEST_F(TapeDockTest, ALongLineLosesTheMiddleOfItsKeysNeverItsValue) {
    frame->show();
    frame->OnCommand(cmd::kViewTape);
    QApplication::clipboard()->setText(QStringLiteral("12 apples, 34 pears and 56 plums, all of them fresh 78"));
    frame->OnCommand(cmd::kEditPaste);
    Keys({keys::kOne, keys::kEnter});
    TapeView* list = frame->TapePanel()->List();
    ASSERT_EQ(list->RowCount(), 2);
    const QString drawn = list->DrawnText(0);
    EXPECT_TRUE(drawn.contains(QChar(0x2026))) << drawn.toStdString();
    EXPECT_TRUE(drawn.startsWith(QStringLiteral("Paste 1"))) << drawn.toStdString();
    EXPECT_TRUE(drawn.endsWith(QStringLiteral(" 1.200000 01"))) << drawn.toStdString();
    EXPECT_LE(list->fontMetrics().horizontalAdvance(drawn), list->viewport()->width());
    EXPECT_EQ(list->DrawnText(1), list->RowText(1));  // a short line as it is
}

// A label too long for its room gives up the sentence's words before its
// values: what was pasted, a program's name, a step stay whole.
TEST_F(TapeDockTest, ALongLabelKeepsItsValuesWhole) {
    frame->show();
    frame->OnCommand(cmd::kViewTape);
    QApplication::clipboard()->setText(QStringLiteral("$1,234.50"));
    frame->OnCommand(cmd::kEditPasteNumber);
    TapeView* list = frame->TapePanel()->List();
    ASSERT_EQ(list->RowCount(), 1);
    const QString drawn = list->DrawnText(0);
    ASSERT_NE(drawn, list->RowText(0)) << "the line must be too long for this test: " << drawn.toStdString();
    // The number read from the text, whole; the words before it give way.
    EXPECT_TRUE(drawn.contains(QStringLiteral("\u20261,234.50\u201D"))) << drawn.toStdString();
    EXPECT_TRUE(drawn.startsWith(QStringLiteral("Paste"))) << drawn.toStdString();
    EXPECT_LE(list->fontMetrics().horizontalAdvance(drawn), list->viewport()->width());

    // Any room: never wider than it, and the values whole while they fit.
    const std::string label = Marked("Tape", "Paste Number \u201C%1\u201D", {"$1,234.50"});
    const QFontMetrics metrics = list->fontMetrics();
    const int valueWidth = metrics.horizontalAdvance(QStringLiteral("$1,234.50\u2026"));
    for (int room = 10; room < 400; room += 7) {
        const QString fitted = TranslatedWithin(label, metrics, room);
        EXPECT_LE(metrics.horizontalAdvance(fitted), room) << room;
        if (room > valueWidth + metrics.horizontalAdvance(QStringLiteral("\u201C\u201D"))) {
            EXPECT_TRUE(fitted.contains(QStringLiteral("$1,234.50"))) << room << ": " << fitted.toStdString();
        }
    }
    // A run that ended keeps the program's name and its step before its words.
    const std::string stopped = Marked("Tape", "%1 stopped at step %2", {"forever", "12"});
    const int both = metrics.horizontalAdvance(QStringLiteral("forever12"));
    const QString fitted = TranslatedWithin(stopped, metrics, both + metrics.horizontalAdvance(QStringLiteral("\u2026")));
    EXPECT_TRUE(fitted.startsWith(QStringLiteral("forever")) && fitted.endsWith(QStringLiteral("12"))) << fitted.toStdString();
}

// The tape shows its newest line when it opens, and keeps it in sight through
// a zoom and new lines, as long as the user has not scrolled away.
TEST_F(TapeDockTest, TheNewestLineStaysInSight) {
    frame->show();
    for (int i = 0; i < 40; ++i) Keys({keys::kOne, keys::kEnter});
    frame->OnCommand(cmd::kViewTape);
    QApplication::processEvents();
    QScrollBar* bar = frame->TapePanel()->List()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << "more lines than fit";
    EXPECT_EQ(bar->value(), bar->maximum()) << "opened at its end";
    frame->OnCommand(cmd::kViewZoomIn);
    QApplication::processEvents();
    EXPECT_EQ(bar->value(), bar->maximum()) << "zoomed, still at its end";
    Keys({keys::kTwo, keys::kEnter});
    EXPECT_EQ(bar->value(), bar->maximum()) << "a new line is shown";
    bar->setValue(3);  // scrolled back to read
    Keys({keys::kThree, keys::kEnter});
    frame->OnCommand(cmd::kViewZoomOut);
    QApplication::processEvents();
    EXPECT_EQ(bar->value(), 3) << "what the user reads stays";
}

TEST_F(TapeDockTest, TheTapeFollowsTheZoomAndIsAListToScreenReaders) {
    frame->OnCommand(cmd::kViewTape);
    const int small = frame->TapePanel()->List()->font().pixelSize();
    frame->OnCommand(cmd::kViewZoomIn);
    EXPECT_GT(frame->TapePanel()->List()->font().pixelSize(), small);
    Keys({keys::kSeven, keys::kEnter, keys::kTwo, keys::kPlus});
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(frame->TapePanel()->List());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Tape"));
    ASSERT_EQ(list->childCount(), 2);
    EXPECT_EQ(list->child(1)->role(), QAccessible::ListItem);
    EXPECT_EQ(list->child(1)->text(QAccessible::Name), QStringLiteral("2 +, X 9.000000 00"));
}

// Odd texts for the clipboard: blanks, quotes, "#", control characters,
// non-ASCII, numbers in several notations, and none at all.
constexpr std::array<const char*, 8> kOddTexts = {
    "  -7.25xyz", "1 234,50 \"net\" # total", "\u00FCn\u00EFc\u00F6d\u00E9 3", "\t4\n5", "1,5e3", "abc", "",
    "-1.5\u00B710\u207B\u00B2"};

// The state record tabrix-cli --json prints after running a script.
CalculatorState ReplayInConsole(const std::string& script) {
    const std::string command = std::string(TABRIX_CLI_PATH) + " --json --script '" + script + "'";
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 4096> buffer;
        while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) out.append(buffer.data(), n);
        pclose(pipe);
    }
    const nlohmann::json j = nlohmann::json::parse(out);
    // Numbers are the shortest text of each double, or "nan", "inf", "-inf".
    auto number = [](const nlohmann::json& v) {
        if (!v.is_string()) return v.get<double>();
        const std::string text = v.get<std::string>();
        return text == "nan" ? std::nan("") : text == "inf" ? HUGE_VAL : -HUGE_VAL;
    };
    CalculatorState s;
    ForEachMember(
        [&](const char* name, auto& member) {
            using T = std::decay_t<decltype(member)>;
            if constexpr (std::is_same_v<T, double>) {
                member = number(j[name]);
            } else if constexpr (std::is_same_v<T, std::array<double, 10>>) {
                for (std::size_t n = 0; n < member.size(); ++n) member[n] = number(j[name][n]);
            } else if constexpr (std::is_same_v<T, Statistics>) {
                member = Statistics::FromHex(j[name].get<std::string>()).value();
            } else if constexpr (std::is_same_v<T, IntegerMode>) {
                if (!j.contains(name)) return;  // the float modes' defaults
                const nlohmann::json& m = j[name];
                member.base = m["base"].get<std::uint8_t>();
                member.size = m["size"].get<std::uint8_t>();
                const std::string sign = m["sign"].get<std::string>();
                member.sign = sign == "unsigned" ? SignMode::Unsigned
                              : sign == "1s"     ? SignMode::OnesComplement
                                                 : SignMode::TwosComplement;
                member.carry = m["carry"].get<bool>();
                member.overflow = m["overflow"].get<bool>();
                member.window = m["window"].get<std::uint8_t>();
                for (std::size_t n = 0; n < member.words.size(); ++n) {
                    member.words[n] = std::stoull(m["words"][n].get<std::string>());
                }
            } else {
                member = j[name].get<T>();
            }
        },
        s);
    return s;
}

// The proof: random keys (the keypad and the keyboard), menu commands and
// pastes of odd text in the desktop program; its saved tape, replayed by
// tabrix-cli --script, gives the same state record, member by member, the
// doubles to the bit.
TEST_F(TapeDockTest, ASavedTapeReplaysInTheConsoleToTheSameState) {
    const std::array<int, 12> commands = {cmd::kEditCut,        cmd::kEditCopy,       cmd::kEditPaste,
                                          cmd::kEditPasteNumber, cmd::kEditCopyExact,  cmd::kEditUndo,
                                          cmd::kEditRedo,       cmd::kFileResetState, kStoreCommandIds[3],
                                          kRecallCommandIds[3], cmd::kFileNew,        cmd::kFileLoadState};
    const std::array<int, 6> keyboard = {Qt::Key_Escape, Qt::Key_Delete, Qt::Key_F, Qt::Key_E, Qt::Key_5, Qt::Key_Plus};
    QTemporaryDir dir;
    const std::string saved = (dir.path() + "/saved.rpn").toStdString();
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        frame->OnCommand(cmd::kFileNew);
        frame->OnCommand(cmd::kViewClearTape);
        dialog.answer = saved;
        frame->OnCommand(cmd::kFileSaveState);  // a state file for the loads to read
        for (int step = 0; step < 200; ++step) {
            const unsigned what = random() % 10;
            if (what < 6) {
                frame->View()->PressKey(static_cast<int>(random() % 32));
            } else if (what < 8) {
                const int key = keyboard[random() % keyboard.size()];
                const Qt::KeyboardModifiers keypad = key == Qt::Key_Plus ? Qt::KeypadModifier : Qt::NoModifier;
                QTest::keyPress(frame->View(), static_cast<Qt::Key>(key), keypad);
                QTest::keyRelease(frame->View(), static_cast<Qt::Key>(key), keypad);
            } else {
                QApplication::clipboard()->setText(QString::fromUtf8(kOddTexts[random() % kOddTexts.size()]));
                frame->OnCommand(commands[random() % commands.size()]);
            }
        }
        const std::string tape = (dir.path() + "/tape.txt").toStdString();
        dialog.answer = tape;
        frame->OnCommand(cmd::kViewSaveTapeAs);
        EXPECT_EQ(ReplayInConsole(tape), t.doc.State()) << frame->Calculator().Tape().Script();
    }
}

}  // namespace
}  // namespace tabrix
