// Functions > Find Function: what a few letters find and in which order,
// the register a function asks for, the last used first, and that what it
// performs is one undo step, one tape line and a step of a recording; and
// the Functions menu's families.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "document/function_search.h"
#include "engine/key_codes.h"
#include "fakes/document_fakes.h"
#include "fakes/session_fixture.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"

namespace tabrix {
namespace {

class FinderTest : public ::testing::Test {
protected:
    FinderTest() {
        QSettings().clear();
        services.messageBox = &messages;
        services.sessionFolder = folder.path();
        services.programFolder = folder.path();
        services.askName = [](const QString&, const QString&, const QString&) { return QStringLiteral("rec"); };
        frame = std::make_unique<CMainFrame>(t.session, services);
    }
    CFunctionFinder& Open(const QString& text = {}) {
        frame->OnCommand(cmd::kFunctionsFind);
        CFunctionFinder* finder = frame->Functions().Finder();
        finder->Search()->setText(text);
        return *finder;
    }
    // A number typed on the keys, through the session (on the tape).
    void Keys(const std::string& number) {
        for (char c : number) t.Perform(Action::Key(c == '.' ? keys::kPoint : keys::kDigitKeys[c - '0']));
    }
    // The tokens of the matches, in their order.
    static QStringList Matches(const CFunctionFinder& finder) {
        QStringList tokens;
        for (int row = 0; row < finder.Matches()->count(); ++row) {
            const auto id = static_cast<FunctionId>(finder.Matches()->item(row)->data(Qt::UserRole).toInt());
            tokens << QString::fromUtf8(catalogue::At(id).token.data(), static_cast<qsizetype>(catalogue::At(id).token.size()));
        }
        return tokens;
    }

    QTemporaryDir folder;
    testing::RecordingMessageBox messages;
    testing::TestSession t{DocumentServices{nullptr, &messages, nullptr, nullptr}};
    FrameServices services;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(FinderTest, TokensLabelsAndWordsFindTheirFunctionsBestFirst) {
    const struct {
        const char* typed;
        const char* first;
    } rows[] = {
        {"tanh", "tanh"}, {"TAN", "TAN"}, {"atan", "ATAN"}, {"absolute", "abs"}, {"hyperbolic tan", "tanh"},
        {"modulo", "mod"}, {"sto+", "sto+"}, {"sto+:4", "sto+"}, {"LASTx", "lastx"}, {"hms", ">hms"},
        {"register", "STO"}, {"combinations", "ncr"},
    };
    CFunctionFinder& finder = Open();
    EXPECT_GT(finder.Matches()->count(), 60) << "an empty box lists them all";
    for (const auto& row : rows) {
        finder.Search()->setText(QString::fromUtf8(row.typed));
        ASSERT_GT(finder.Matches()->count(), 0) << row.typed;
        EXPECT_EQ(Matches(finder).front().toStdString(), row.first) << row.typed;
    }
    finder.Search()->setText(QStringLiteral("qqqq"));
    EXPECT_EQ(finder.Matches()->count(), 0);
    EXPECT_FALSE(finder.Hint().isEmpty());
}

// Return performs as a key would: one undo step, one tape line, a step of
// the program being recorded.
TEST_F(FinderTest, ReturnPerformsTheFunctionAsOneStep) {
    Keys("0.5");
    frame->OnCommand(cmd::kProgramsRecord);
    ASSERT_TRUE(t.session.Recording());
    const std::size_t levels = t.session.UndoLevels();
    QTest::keyClick(Open(QStringLiteral("tanh")).Search(), Qt::Key_Return);
    EXPECT_EQ(t.doc.m_dX, std::tanh(0.5));
    EXPECT_EQ(t.doc.m_dLastX, 0.5);
    EXPECT_EQ(t.session.UndoLevels(), levels + 1);
    EXPECT_EQ(t.session.Tape().Line(t.session.Tape().Size() - 1).tokens, "0.5 tanh");
    frame->OnCommand(cmd::kProgramsStopRecording);
    EXPECT_EQ(frame->Programs().Book().Find("rec")->body, "tanh");
    frame->OnCommand(cmd::kEditUndo);
    EXPECT_TRUE(t.doc.m_bEntering) << "one undo brings back the number as it was being typed";
    EXPECT_EQ(t.doc.GetEntryValue(), 0.5);
}

// A function that takes a register asks for it; a function a key gives is
// its keys, pressed as one step.
TEST_F(FinderTest, ARegisterIsAskedForAndKeysArePressedAsOneStep) {
    Keys("5");
    CFunctionFinder& finder = Open(QStringLiteral("sto+"));
    QTest::keyClick(finder.Search(), Qt::Key_Return);
    EXPECT_EQ(finder.Search()->text(), QStringLiteral("sto+:"));
    EXPECT_TRUE(finder.Hint().contains(QStringLiteral("register")));
    EXPECT_TRUE(finder.isVisible());
    QTest::keyClicks(finder.Search(), QStringLiteral("3"));
    QTest::keyClick(finder.Search(), Qt::Key_Return);
    EXPECT_EQ(t.doc.m_dReg[3], 5);
    EXPECT_EQ(t.session.Tape().Line(t.session.Tape().Size() - 1).tokens, "5 sto+:3");

    const std::size_t levels = t.session.UndoLevels();
    QTest::keyClick(Open(QStringLiteral("asin")).Search(), Qt::Key_Return);
    EXPECT_EQ(t.session.UndoLevels(), levels + 1) << "F and SIN⁻¹'s key are one step";
    EXPECT_EQ(t.session.Tape().Line(t.session.Tape().Size() - 1).tokens, "ASIN");
}

TEST_F(FinderTest, TheLastUsedComeFirstAndAreKept) {
    for (const char* token : {"frac", "abs"}) QTest::keyClick(Open(QString::fromUtf8(token)).Search(), Qt::Key_Return);
    CFunctionFinder& finder = Open();
    EXPECT_EQ(Matches(finder).mid(0, 2), (QStringList{QStringLiteral("abs"), QStringLiteral("frac")}));
    finder.Search()->setText(QStringLiteral("a"));  // among equal matches too
    EXPECT_EQ(Matches(finder).front(), QStringLiteral("abs"));
    EXPECT_EQ(QSettings().value(QStringLiteral("Functions/Recent")).toStringList(),
              (QStringList{QStringLiteral("abs"), QStringLiteral("frac")}));
}

// The Functions menu: Find Function, then each family with its functions.
TEST_F(FinderTest, TheMenuListsEveryFamily) {
    QMenu* functions = nullptr;
    for (QAction* title : frame->menuBar()->actions()) {
        for (QAction* inner : title->menu()->actions()) {
            if (inner->text() == QStringLiteral("F&unctions")) functions = inner->menu();
        }
    }
    ASSERT_NE(functions, nullptr);
    QStringList families;
    QAction* abs = nullptr;
    for (QAction* item : functions->actions()) {
        if (item->menu() == nullptr) continue;
        families << item->text();
        for (QAction* function : item->menu()->actions()) {
            if (function->text().startsWith(QStringLiteral("ABS"))) abs = function;
        }
    }
    EXPECT_EQ(families, (QStringList{QStringLiteral("Number entry"), QStringLiteral("Arithmetic"),
                                     QStringLiteral("Powers and logarithms"), QStringLiteral("Trigonometry"),
                                     QStringLiteral("Conversions"), QStringLiteral("Probability"),
                                     QStringLiteral("Stack"), QStringLiteral("Display"), QStringLiteral("Registers"),
                                     QStringLiteral("Statistics"), QStringLiteral("Programs"),
                                     QStringLiteral("Integers and bases")}));
    ASSERT_NE(abs, nullptr);
    t.doc.m_dX = -4;
    abs->trigger();
    EXPECT_EQ(t.doc.m_dX, 4);
}

}  // namespace
}  // namespace tabrix
