// The main window on the offscreen platform: menus, tool bar, command ids,
// shortcuts and the document commands behind them.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QToolTip>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include <fstream>

#include "engine/key_codes.h"
#include "shell/function_finder.h"
#include "document/state_file.h"
#include "fakes/document_fakes.h"
#include "fakes/session_fixture.h"
#include "fakes/qt_printing.h"
#include "shell/about_dlg.h"
#include "shell/command_line.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"

namespace tabrix {
namespace {

// Each test starts with an empty recent-file list in the settings.
struct ClearedSettings {
    ClearedSettings() {
        QSettings().clear();
    }
};

class MainFrameTest : public ::testing::Test {
protected:
    MainFrameTest() {
        services.fileDialog = &dialog;
        services.messageBox = &messages;
        services.clipboard = &clipboard;
        services.recentFiles = &recent;
        services.showAbout = [this] { ++aboutShown; };
        services.availableScreen = [this] { return screen; };
        frame = std::make_unique<CMainFrame>(t.session, services);
    }

    // A menu of the bar, or one of More's.
    QMenu* Menu(const QString& title) {
        for (QAction* action : frame->menuBar()->actions()) {
            if (action->text() == title) return action->menu();
            for (QAction* inner : action->menu()->actions()) {
                if (inner->menu() != nullptr && inner->text() == title) return inner->menu();
            }
        }
        return nullptr;
    }
    // The items as the menu shows them: the text, and after a tab the
    // shortcut (from the text, or else the action's first shortcut).
    QStringList Texts(QMenu* menu) {
        QStringList texts;
        for (QAction* action : menu->actions()) {
            if (!action->isVisible()) continue;
            QString text = action->isSeparator() ? QStringLiteral("-") : action->text();
            if (!text.contains(QLatin1Char('\t')) && !action->shortcut().isEmpty()) {
                text += QLatin1Char('\t') + action->shortcut().toString(QKeySequence::PortableText);
            }
            texts << text;
        }
        return texts;
    }

    ClearedSettings clearedSettings;
    testing::FakeFileDialog dialog;
    testing::RecordingMessageBox messages;
    QtClipboard clipboard;
    RecentFileList recent;
    testing::TestSession t{DocumentServices{&dialog, &messages, &recent, &clipboard}};
    int aboutShown = 0;
    QSize screen{800, 600};  // the screen's area for windows, as the frame sees it
    FrameServices services;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(MainFrameTest, WindowMenusAndToolBar) {
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Tabrix"));
    QStringList titles;
    for (QAction* action : frame->menuBar()->actions()) titles << action->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&STO", "&RCL", "&More", "&Help"}));
    EXPECT_EQ(Texts(Menu("&More")), (QStringList{"&Programs", "F&unctions", "&View"}));
    EXPECT_EQ(Texts(Menu("&File")), (QStringList{"&Save State", "&Load State", "-", "Recent File", "-",
                                                  "R&eset State", "E&xit\tCtrl+Q"}));
    EXPECT_EQ(Texts(Menu("&Edit")),
              (QStringList{"&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V", "-",
                           "Copy &Exact\tCtrl+Shift+C", "Paste &Number\tCtrl+Shift+V", "Paste &Data", "Copy Words with &Base Prefix", "-",
                           "Pre&ferences\u2026\tCtrl+,"}));
    EXPECT_EQ(Texts(Menu("&View")), (QStringList{"&Zoom In\tCtrl++", "Zoom &Out\tCtrl+-", "&Actual Size\tCtrl+0", "-",
                                                  "&Tape\tCtrl+T", "Stat&istics", "&Bits", "&Clear Tape",
                                                  "&Save Tape As\u2026\tCtrl+Shift+S", "-", "&Keyboard Keys", "&High-Contrast LCD"}));
    EXPECT_EQ(Texts(Menu("&Help")), (QStringList{"&Keys and Keyboard\tF1", "&About Tabrix..."}));
    // No program yet: the menu begins with its own items.
    EXPECT_EQ(Texts(Menu("&Programs")).mid(1),
              (QStringList{"&Record Program\u2026", "&Stop Recording", "&Continue", "-", "&Edit Programs\u2026",
                           "&Import Programs\u2026", "E&xport Programs\u2026"}));

    const QList<QToolBar*> bars = frame->findChildren<QToolBar*>();
    ASSERT_EQ(bars.size(), 1);
    EXPECT_FALSE(bars[0]->isMovable());
    QStringList buttons;
    for (QAction* action : bars[0]->actions()) buttons << (action->isSeparator() ? "-" : action->data().toString());
    EXPECT_EQ(buttons, (QStringList{"-", "57635", "57634", "57637", "-", "57664", "-"}));
}

TEST_F(MainFrameTest, RegisterMenusUseTheirCommandIdsAndShowTheRegisters) {
    QMenu* sto = Menu("&STO");
    QMenu* rcl = Menu("&RCL");
    ASSERT_EQ(sto->actions().size(), 10);
    for (int n = 0; n < 10; ++n) {
        EXPECT_EQ(sto->actions()[n]->data().toInt(), kStoreCommandIds[n]);
        EXPECT_EQ(rcl->actions()[n]->data().toInt(), kRecallCommandIds[n]);
        EXPECT_EQ(sto->actions()[n]->text(), QString::number(n));  // until the menu first opens
    }
    t.Type("42");
    EXPECT_TRUE(frame->OnCommand(1));  // STO 1
    EXPECT_EQ(t.doc.m_dReg[1], 42);
    for (std::uint32_t key : {keys::kShift, keys::kSeven, keys::kTwo}) t.Press(key);  // FIX 2
    emit sto->aboutToShow();
    emit rcl->aboutToShow();
    EXPECT_EQ(sto->actions()[1]->text(), QStringLiteral("STO 1:  42.00"));
    EXPECT_EQ(rcl->actions()[0]->text(), QStringLiteral("RCL 0:  0.00"));
    sto->actions()[1]->trigger();
    rcl->actions()[1]->trigger();
    EXPECT_EQ(t.doc.m_dX, 42);
    EXPECT_EQ(t.doc.m_dY, 42);
}

TEST_F(MainFrameTest, EveryRegisterMenuIdReachesItsOwnRegister) {
    for (int n = 0; n < 10; ++n) {
        t.doc.m_dX = 10 + n;
        EXPECT_TRUE(frame->OnCommand(kStoreCommandIds[n]));
    }
    EXPECT_EQ(t.doc.m_dReg, (std::array<double, 10>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
    for (int n = 0; n < 10; ++n) {
        EXPECT_TRUE(frame->OnCommand(kRecallCommandIds[n]));
        EXPECT_EQ(t.doc.m_dX, 10 + n) << n;
    }
    // The edges of the ranges: STO 0 and 9, RCL 0 and 9, and STO 1 with id 1.
    t.doc.m_dX = 7;
    for (int id : {32783, 1, 32791}) frame->OnCommand(id);
    EXPECT_EQ(t.doc.m_dReg[0] + t.doc.m_dReg[1] + t.doc.m_dReg[9], 21);
    frame->OnCommand(32773);
    EXPECT_EQ(t.doc.m_dX, 7);
}

TEST_F(MainFrameTest, PasteIsEnabledOnlyWithTextOnTheClipboard) {
    QAction* paste = frame->ActionFor(cmd::kEditPaste);
    QApplication::clipboard()->setText(QStringLiteral("  2.5e1 apples"));
    emit Menu("&Edit")->aboutToShow();
    EXPECT_TRUE(paste->isEnabled());
    frame->OnCommand(cmd::kEditPaste);
    EXPECT_EQ(t.doc.m_dX, 25);
    QApplication::clipboard()->clear();
    emit Menu("&Edit")->aboutToShow();
    EXPECT_FALSE(paste->isEnabled());
    frame->OnCommand(cmd::kEditCopy);  // Copy puts text there, and Paste comes back
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("2.500000e+01"));
    EXPECT_TRUE(paste->isEnabled());
}

TEST_F(MainFrameTest, CopyExactAndPasteNumberFromTheirKeys) {
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    t.doc.m_dX = 3.141592653589793;
    QTest::keyClick(frame.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("3.141592653589793"));

    QApplication::clipboard()->setText(QStringLiteral("Total: \u2212 1.234,50 \u20AC"));
    QCoreApplication::processEvents();
    QTest::keyClick(frame.get(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(t.doc.m_dX, 1234.5);
    ASSERT_NE(frame->NoticeLabel(), nullptr);
    EXPECT_EQ(frame->NoticeLabel()->text(), QStringLiteral("Pasted 1234.5 \u2014 read \u201C1.234,50\u201D as 1234.5"));
    frame->OnCommand(cmd::kEditUndo);  // one change for undo
    EXPECT_EQ(t.doc.m_dX, 3.141592653589793);

    QApplication::clipboard()->setText(QStringLiteral("3 apples and 4 pears"));
    frame->OnCommand(cmd::kEditPasteNumber);
    EXPECT_EQ(t.doc.m_dX, 3.141592653589793);
    EXPECT_TRUE(frame->NoticeLabel()->text().startsWith(QStringLiteral("Nothing pasted")));
    // A long notice wraps within the window instead of running off it.
    QApplication::clipboard()->setText(QStringLiteral("1") + QStringLiteral(" 234").repeated(50));
    frame->OnCommand(cmd::kEditPasteNumber);
    EXPECT_TRUE(frame->NoticeLabel()->isVisible());
    EXPECT_LE(frame->NoticeLabel()->width(), frame->width());
    EXPECT_GT(frame->NoticeLabel()->height(), frame->NoticeLabel()->fontMetrics().height() * 2);

    QApplication::clipboard()->clear();
    emit Menu("&Edit")->aboutToShow();
    EXPECT_FALSE(frame->ActionFor(cmd::kEditPasteNumber)->isEnabled());  // like Paste, only with text
}

// Paste Data from the menu fills the Statistics panel, which follows every
// change while it is shown and leaves the keyboard to the calculator.
TEST_F(MainFrameTest, PasteDataFillsTheStatisticsPanelLive) {
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    frame->OnCommand(cmd::kViewStatistics);
    ASSERT_NE(frame->StatisticsPanel(), nullptr);
    EXPECT_TRUE(frame->ActionFor(cmd::kViewStatistics)->isChecked());
    EXPECT_EQ(frame->StatisticsPanel()->ValueText(1), QStringLiteral("\u2014"));  // x̄ of no points
    QApplication::clipboard()->setText(QStringLiteral("x\ty\n1\t4\n2\t6\n"));
    frame->OnCommand(cmd::kEditPasteData);
    EXPECT_EQ(frame->NoticeLabel()->text(), QStringLiteral("Added 2 points. Line 1 skipped: \u201Cx\ty\u201D holds no number."));
    EXPECT_EQ(frame->StatisticsPanel()->ValueText(0), QStringLiteral("2"));
    EXPECT_EQ(frame->StatisticsPanel()->ValueText(7), QStringLiteral("2"));  // b
    // A point typed with the keyboard, as focus stays with the calculator.
    QTest::keyClicks(frame.get(), QStringLiteral("9"));
    QTest::keyClick(frame.get(), Qt::Key_Return);
    QTest::keyClicks(frame.get(), QStringLiteral("3"));
    frame->Functions().Find(QStringLiteral("sum+"));
    QTest::keyClick(frame->Functions().Finder()->Search(), Qt::Key_Return);
    EXPECT_EQ(frame->StatisticsPanel()->ValueText(0), QStringLiteral("3"));
    frame->OnCommand(cmd::kEditUndo);
    EXPECT_EQ(frame->StatisticsPanel()->ValueText(0), QStringLiteral("2"));
    frame->OnCommand(cmd::kViewStatistics);
    EXPECT_TRUE(frame->StatisticsPanel()->isHidden());
}

TEST_F(MainFrameTest, RecentFilesKeepFourAndShowAPlaceholderWhenEmpty) {
    QAction* first = frame->ActionFor(cmd::kFileMruFirst);
    EXPECT_EQ(first->text(), QStringLiteral("Recent File"));
    EXPECT_FALSE(first->isEnabled());
    for (const char* name : {"/tmp/a.rpn", "/tmp/b.rpn", "/tmp/c.rpn", "/tmp/d.rpn", "/tmp/e.rpn"}) {
        recent.AddToRecentFileList(name);
    }
    EXPECT_EQ(recent.Paths(), (QStringList{"/tmp/e.rpn", "/tmp/d.rpn", "/tmp/c.rpn", "/tmp/b.rpn"}));
    EXPECT_EQ(Texts(Menu("&File")).mid(3, 4), (QStringList{"&1 e.rpn", "&2 d.rpn", "&3 c.rpn", "&4 b.rpn"}));
    EXPECT_TRUE(first->isEnabled());
    EXPECT_EQ(RecentFileList().Paths(), recent.Paths());  // kept in the settings
}

TEST(DesktopCommandLine, OneStateFileHelpVersionAndUsageErrors) {
    using Action = DesktopCommandLine::Action;
    const struct {
        QStringList args;
        Action action;
        std::optional<QString> file;
    } rows[] = {
        {{}, Action::Run, std::nullopt},
        {{"work.rpn"}, Action::Run, "work.rpn"},
        {{"--", "-x.rpn"}, Action::Run, "-x.rpn"},
        {{"--help"}, Action::Help, std::nullopt},
        {{"-h"}, Action::Help, std::nullopt},
        {{"--help-all"}, Action::Help, std::nullopt},
        {{"--version"}, Action::Version, std::nullopt},
        {{"--frobnicate"}, Action::UsageError, std::nullopt},
        {{"-x.rpn"}, Action::UsageError, std::nullopt},
        {{"a.rpn", "b.rpn"}, Action::UsageError, std::nullopt},
        {{"-platform", "offscreen", "-style=fusion", "-reverse", "w.rpn"}, Action::Run, "w.rpn"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.join(' ').toStdString());
        const DesktopCommandLine parsed = ParseDesktopCommandLine(QStringList{"tabrix"} + row.args);
        EXPECT_EQ(parsed.action, row.action);
        EXPECT_EQ(parsed.stateFile, row.file);
    }
    EXPECT_TRUE(ParseDesktopCommandLine({"tabrix", "--help"}).text.contains("file"));
    EXPECT_TRUE(ParseDesktopCommandLine({"tabrix", "--version"}).text.startsWith("tabrix "));
    EXPECT_TRUE(ParseDesktopCommandLine({"tabrix", "--frobnicate"}).text.contains("frobnicate"));
}

// A window of 240 x 268 at 100 % plus 60 pixels of menu, tool bar and title.
TEST(StartZoom, FitsTheScreenAndStartsLargeEnoughTheFirstTime) {
    const auto windowAt = [](int percent) { return QSize(240 * percent / 100 + 16, 268 * percent / 100 + 60); };
    const struct {
        std::optional<int> remembered;
        QSize screen;
        int zoom;
    } rows[] = {
        {std::nullopt, {1920, 1080}, 200},  // 596 of 1080: within two thirds
        {std::nullopt, {1366, 768}, 150},   // 200 % would be 596 of 768
        {std::nullopt, {800, 600}, 100},
        {std::nullopt, {320, 240}, 100},    // never below 100 %
        {std::nullopt, {3840, 2160}, 200},  // never above 200 % the first time
        {400, {3840, 2160}, 400},
        {400, {1920, 1080}, 300},           // 400 % would be 1132 tall
        {300, {1366, 768}, 200},
        {150, {1920, 1080}, 150},           // a remembered smaller zoom is kept
        {125, {1920, 1080}, 100},           // an unknown value counts as 100 %
        {300, {640, 400}, 100},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(StartZoom(row.remembered, row.screen, windowAt), row.zoom)
            << row.remembered.value_or(0) << " on " << row.screen.width() << "x" << row.screen.height();
    }
}

TEST(RecentFiles, MenuTextsShowAmpersandsAndTellNamesApart) {
    const QString home = QDir::homePath();
    EXPECT_EQ(RecentFileMenuTexts({"/tmp/a&b.rpn", "/tmp/x/c.rpn"}), (QStringList{"&1 a&&b.rpn", "&2 c.rpn"}));
    EXPECT_EQ(RecentFileMenuTexts({"/srv/one/s.rpn", home + "/work/s.rpn", "/srv/t.rpn", home + "/s.rpn"}),
              (QStringList{"&1 s.rpn (/srv/one)", "&2 s.rpn (~/work)", "&3 t.rpn", "&4 s.rpn (~)"}));
}

TEST_F(MainFrameTest, RecentFileItemsKeepTheWholePathAsTheirTip) {
    recent.AddToRecentFileList("/tmp/one/s.rpn");
    recent.AddToRecentFileList("/tmp/two/s.rpn");
    const QAction* newest = frame->ActionFor(cmd::kFileMruFirst);
    EXPECT_EQ(newest->text(), QStringLiteral("&1 s.rpn (/tmp/two)"));
    EXPECT_EQ(newest->toolTip(), QStringLiteral("/tmp/two/s.rpn"));
    EXPECT_TRUE(Menu("&File")->toolTipsVisible());
}

TEST_F(MainFrameTest, CtrlSSavesTheStateInsteadOfTruncatingTheFile) {
    QTemporaryDir dir;
    const std::string path = (dir.path() + "/work.rpn").toStdString();
    dialog.answer = path;
    t.Type("12");
    frame->OnCommand(cmd::kFileSave);
    const auto bytes = ReadStateBytes(path);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, EncodeState(t.doc.State()));
    EXPECT_EQ(dialog.requests.at(0).title, "Save State File");
}

TEST_F(MainFrameTest, StartingWithAFileLoadsIt) {
    QTemporaryDir dir;
    const std::string path = (dir.path() + "/start.rpn").toStdString();
    CalculatorState saved = t.doc.State();
    saved.m_dX = 6.5;
    saved.m_strFormat = "FIX";
    saved.m_nDigits = 1;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(EncodeState(saved).data()),
                                                static_cast<std::streamsize>(EncodeState(saved).size()));
    frame->OpenStateFileAtStart(QString::fromStdString(path));
    EXPECT_EQ(t.doc.m_dX, 6.5);
    EXPECT_EQ(t.doc.m_strDisplay, " 65");
    frame->OpenStateFileAtStart("/nonexistent/x.rpn");
    EXPECT_EQ(messages.messages, std::vector<std::string>{"File Error"});
    EXPECT_EQ(t.doc.m_dX, 6.5);
}

TEST_F(MainFrameTest, ShortcutsUndoRedoNewAndPanes) {
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    CTabrixView* view = frame->View();
    for (std::uint32_t key : {keys::kTwo, keys::kEnter, keys::kThree}) view->PressKey(key);  // 2 ENTER 3
    QTest::keyClick(frame.get(), Qt::Key_F6);  // no command: nothing happens
    QTest::keyClick(frame.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(t.doc.m_bEntering);  // the 3 is taken back
    EXPECT_EQ(t.doc.m_dY, 2);
    QTest::keyClick(frame.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(t.doc.m_strMantissa, "3");
    QTest::keyClick(frame.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(t.doc.State(), CTabrixDoc().State());
    QTest::keyClick(frame.get(), Qt::Key_Backspace, Qt::AltModifier);  // New is undone too
    EXPECT_EQ(t.doc.m_strMantissa, "3");
}

TEST_F(MainFrameTest, UndoAndRedoItemsAreEnabledOnlyWhenThereIsSomethingToDo) {
    QAction* undo = frame->ActionFor(cmd::kEditUndo);
    QAction* redo = frame->ActionFor(cmd::kEditRedo);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    frame->View()->PressKey(keys::kOne);
    EXPECT_TRUE(undo->isEnabled());
    frame->View()->PressKey(keys::kNone);  // a tap on no key with nothing pending changes nothing
    frame->OnCommand(cmd::kEditUndo);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
    QApplication::clipboard()->setText(QStringLiteral("8"));
    frame->OnCommand(cmd::kEditPaste);  // a new change drops what could be redone
    EXPECT_FALSE(redo->isEnabled());
    frame->OnCommand(kStoreCommandIds[4]);
    frame->OnCommand(cmd::kEditUndo);
    EXPECT_EQ(t.doc.m_dReg[4], 0);
    frame->OnCommand(cmd::kEditUndo);
    EXPECT_EQ(t.doc.m_dX, 0);
}

TEST_F(MainFrameTest, ZoomStepsResizeTheWindowAndAreRemembered) {
    frame->show();
    EXPECT_EQ(frame->ZoomPercent(), 100);  // the first start on an 800 x 600 screen
    const QSize actual = frame->size();
    screen = QSize(1920, 1200);  // room for every step
    frame->OnCommand(cmd::kViewZoomIn);
    EXPECT_EQ(frame->ZoomPercent(), 150);
    EXPECT_EQ(frame->View()->size(), QSize(360, 402));
    for (int i = 0; i < 5; ++i) frame->OnCommand(cmd::kViewZoomIn);
    EXPECT_EQ(frame->ZoomPercent(), 400);
    EXPECT_FALSE(frame->ActionFor(cmd::kViewZoomIn)->isEnabled());
    frame->OnCommand(cmd::kViewZoomOut);
    EXPECT_EQ(frame->ZoomPercent(), 300);
    EXPECT_EQ(frame->View()->PictureScale(), 3.0);
    screen = QSize(1920, 1200);
    CMainFrame second(t.session, services);  // the next start opens at the same zoom
    EXPECT_EQ(second.ZoomPercent(), 300);
    screen = QSize(1024, 768);
    CMainFrame smaller(t.session, services);  // unless the window would not fit the screen
    EXPECT_LT(smaller.ZoomPercent(), 300);
    EXPECT_LE(smaller.sizeHint().height() + 48, 768);
    frame->OnCommand(cmd::kViewActualSize);
    EXPECT_EQ(frame->size(), actual);
    EXPECT_FALSE(frame->ActionFor(cmd::kViewZoomOut)->isEnabled());
}

// Zoom In offers only the steps at which the whole window, the tape too,
// fits the screen.
TEST_F(MainFrameTest, ZoomInOffersOnlyTheStepsThatFitTheScreen) {
    screen = QSize(1280, 800);
    frame->show();
    frame->OnCommand(cmd::kViewTape);
    for (int i = 0; i < 5; ++i) frame->OnCommand(cmd::kViewZoomIn);
    EXPECT_EQ(frame->ZoomPercent(), 200);  // 300 % would be 804 pixels of picture alone
    EXPECT_FALSE(frame->ActionFor(cmd::kViewZoomIn)->isEnabled());
    EXPECT_LE(frame->sizeHint().width(), 1280);
    EXPECT_LE(frame->sizeHint().height(), 800);
    screen = QSize(1920, 1200);  // a larger screen offers more
    emit Menu("&View")->aboutToShow();
    EXPECT_TRUE(frame->ActionFor(cmd::kViewZoomIn)->isEnabled());
}

TEST_F(MainFrameTest, TheAboutKeyMenuItemAndButtonOpenTheSameBox) {
    t.Press(keys::kAbout);  // the ? key asks once the key is done
    EXPECT_EQ(aboutShown, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(aboutShown, 1);
    Menu("&Help")->actions().back()->trigger();
    EXPECT_EQ(aboutShown, 2);
}

// The box keeps its one text and its OK button; the path and the reason sit
// behind "Show Details...".
TEST(MessageBox, FileErrorKeepsItsTextAndHoldsTheReasonInItsDetails) {
    QString text, details;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        details = box->detailedText();
        buttons = box->standardButtons();
        box->accept();
    });
    QtMessageBox().ShowMessage("File Error", "s.rpn: Permission denied");
    EXPECT_EQ(text, QStringLiteral("File Error"));
    EXPECT_EQ(details, QStringLiteral("s.rpn: Permission denied"));
    EXPECT_EQ(buttons, QMessageBox::Ok);
}

TEST(AboutBox, ShowsVersionAndTheSponsorAddressReadOnly) {
    CAboutDlg dialog;
    dialog.m_strURL = QString::fromLatin1(kSponsorUrl);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Tabrix"));
    auto* url = dialog.findChild<QLineEdit*>(QStringLiteral("sponsorUrl"));
    ASSERT_NE(url, nullptr);
    EXPECT_TRUE(url->isReadOnly());
    EXPECT_EQ(url->text(), QStringLiteral("https://www.example.org/"));
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("Tabrix Calculator Version 1.0 (Alpha)")));
    EXPECT_TRUE(labels.contains(QStringLiteral("Visit the sponsor:")));
}

}  // namespace
}  // namespace tabrix
