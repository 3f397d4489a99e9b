// Copy, Cut and Paste of X through the clipboard, and the Paste item's state.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakes/document_fakes.h"

namespace {

namespace keys = tabrix::keys;
using tabrix::CalculatorState;
using tabrix::DocumentCommands;
using tabrix::testing::DocumentHarness;
using tabrix::testing::RecordingCommandUI;

TEST(ClipboardCommandsTest, CopyPutsSixDecimalsExponentText) {
    const struct {
        double x;
        const char* text;
    } rows[] = {{0, "0.000000e+00"},         {1.0 / 3, "3.333333e-01"},  {-1234.5, "-1.234500e+03"},
                {9.9999996, "1.000000e+01"}, {1e100, "1.000000e+100"}, {-2.5e-300, "-2.500000e-300"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        DocumentHarness h;
        h.doc().m_dX = row.x;
        const CalculatorState before = h.doc().State();
        EXPECT_TRUE(h.commands.OnEditCopy());
        EXPECT_EQ(h.clipboard.text, row.text);
        EXPECT_EQ(h.doc().State(), before);
        EXPECT_EQ(h.view.updates, 0);
        EXPECT_EQ(h.clipboard.opens, 1);
        EXPECT_EQ(h.clipboard.closes, 1);
        EXPECT_EQ(h.clipboard.misuse, 0);
    }
}

TEST(ClipboardCommandsTest, CopyWhileTypingTakesTheEntryAndLeavesItGoing) {
    DocumentHarness h;
    h.t.Type("7");
    h.t.Press(keys::kEnter);
    h.t.Type("2.5");
    const CalculatorState before = h.doc().State();
    EXPECT_TRUE(h.commands.OnEditCopy());
    EXPECT_EQ(h.clipboard.text, "2.500000e+00");
    EXPECT_EQ(h.doc().State(), before);
    h.t.Type("1");
    h.t.Press(keys::kEnter);
    EXPECT_EQ(h.doc().m_dX, 2.51);
    EXPECT_EQ(h.doc().m_dZ, 7.0);
}

TEST(ClipboardCommandsTest, CopyThenPasteKeepsSevenSignificantDigits) {
    DocumentHarness h;
    h.t.Type("3");
    h.t.Press(keys::kInverse);
    ASSERT_TRUE(h.commands.OnEditCopy());
    h.commands.OnEditPaste();
    EXPECT_EQ(h.doc().m_dX, 0.3333333);
}

TEST(ClipboardCommandsTest, PasteReadsTheLeadingNumber) {
    const struct {
        const char* text;
        double x;
        const char* display;  // nullptr: not checked
    } rows[] = {
        {"  42abc", 42, nullptr},
        {"\t\n -1.5e3 apples", -1500, nullptr},
        {"2.500000e+00", 2.5, " 2500000 00"},
        {"7,5", 7, nullptr},
        {"abc", 0, " 0000000 00"},
        {"", 0, nullptr},
        {"- 3", 0, nullptr},
        {"1e999", 0, "ERROR: Inf"},
        {"-1e999", 0, "ERROR: Inf"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        DocumentHarness h;
        h.doc().m_dX = 99;
        h.clipboard.text = row.text;
        h.commands.OnEditPaste();
        EXPECT_EQ(h.doc().m_dX, row.x);
        if (row.display != nullptr) {
            EXPECT_EQ(h.doc().m_strDisplay, row.display);
        }
        EXPECT_EQ(h.clipboard.text, row.text);  // the clipboard is only read
        EXPECT_EQ(h.view.updates, 1);
        EXPECT_TRUE(h.messages.messages.empty());
        EXPECT_EQ(h.clipboard.opens, h.clipboard.closes);
        EXPECT_EQ(h.clipboard.misuse, 0);
    }
}

TEST(ClipboardCommandsTest, PasteWithoutTextSaysSoAndChangesNothing) {
    DocumentHarness h;
    h.t.Type("12");
    const CalculatorState before = h.doc().State();
    bool openWhileShown = false;
    h.messages.onShow = [&](const std::string&) { openWhileShown = h.clipboard.isOpen; };
    h.commands.OnEditPaste();
    EXPECT_EQ(h.messages.messages, std::vector<std::string>{"There is no text data (ANSI) on the Clipboard."});
    EXPECT_TRUE(openWhileShown);
    EXPECT_FALSE(h.clipboard.isOpen);
    EXPECT_EQ(h.clipboard.misuse, 0);
    EXPECT_EQ(h.doc().State(), before);
    EXPECT_EQ(h.view.updates, 0);
}

TEST(ClipboardCommandsTest, ClipboardHeldElsewhereMakesCopyAndPasteSilent) {
    DocumentHarness h;
    h.t.Type("12");
    h.clipboard.text = "5";
    h.clipboard.failOpen = true;
    const CalculatorState before = h.doc().State();
    EXPECT_FALSE(h.commands.OnEditCopy());
    h.commands.OnEditPaste();
    EXPECT_EQ(h.clipboard.text, "5");
    EXPECT_EQ(h.doc().State(), before);
    EXPECT_TRUE(h.messages.messages.empty());
    EXPECT_EQ(h.view.updates, 0);
    EXPECT_EQ(h.clipboard.misuse, 0);
}

TEST(ClipboardCommandsTest, PasteWhileTypingAbandonsTheEntry) {
    DocumentHarness h;
    h.t.Type("1");
    h.t.Press(keys::kEnter);
    h.t.Type("99");
    h.clipboard.text = "5";
    h.commands.OnEditPaste();
    EXPECT_FALSE(h.doc().m_bEntering);
    EXPECT_EQ(h.doc().m_dX, 5.0);
    EXPECT_EQ(h.doc().m_strDisplay, " 5000000 00");
    h.t.Press(keys::kEnter);  // still typing, this would commit 99
    EXPECT_EQ(h.doc().m_dX, 5.0);
    EXPECT_EQ(h.doc().m_dY, 5.0);
    EXPECT_EQ(h.doc().m_dZ, 1.0);
}

TEST(ClipboardCommandsTest, PasteOverwritesXAndLeavesTheLiftFlag) {
    // After ENTER (lift off) the pasted value, and then the typed one, replace X.
    DocumentHarness h;
    h.t.Type("7");
    h.t.Press(keys::kEnter);
    h.clipboard.text = "5";
    h.commands.OnEditPaste();
    EXPECT_EQ(h.doc().m_dX, 5.0);
    EXPECT_EQ(h.doc().m_dY, 7.0);
    EXPECT_FALSE(h.doc().m_bLift);
    h.t.Type("9");
    EXPECT_EQ(h.doc().GetEntryValue(), 9.0);
    EXPECT_EQ(h.doc().m_dY, 7.0);
    EXPECT_EQ(h.doc().m_dZ, 0.0);

    // After + (lift on) a typed number pushes the pasted value up.
    DocumentHarness g;
    g.t.Type("2");
    g.t.Press(keys::kEnter);
    g.t.Type("3");
    g.t.Press(keys::kPlus);
    g.clipboard.text = "8";
    g.commands.OnEditPaste();
    EXPECT_EQ(g.doc().m_dX, 8.0);
    EXPECT_TRUE(g.doc().m_bLift);
    g.t.Type("9");
    g.t.Press(keys::kEnter);
    EXPECT_EQ(g.doc().m_dY, 9.0);
    EXPECT_EQ(g.doc().m_dZ, 8.0);
}

TEST(ClipboardCommandsTest, ShiftAndPendingPrefixSurviveEveryCommand) {
    const struct {
        const char* name;
        std::function<void(DocumentCommands&)> run;
    } rows[] = {
        {"copy", [](DocumentCommands& c) { c.OnEditCopy(); }},
        {"cut", [](DocumentCommands& c) { c.OnEditCut(); }},
        {"paste", [](DocumentCommands& c) { c.OnEditPaste(); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        DocumentHarness h;
        h.clipboard.text = "4";
        h.t.Press(keys::kShift);
        row.run(h.commands);
        EXPECT_TRUE(h.doc().m_bShift);
        h.t.Press(keys::kSeven);  // shifted: FIX prefix, not the digit 7
        EXPECT_EQ(h.doc().m_strPrefix, "FIX");

        DocumentHarness p;
        p.clipboard.text = "4";
        p.doc().m_dX = 6;
        p.doc().m_dReg.fill(-1);
        p.t.Shifted(keys::kZero);  // STO pending
        row.run(p.commands);
        EXPECT_EQ(p.doc().m_strPrefix, "STO");
        p.t.Press(keys::kThree);  // completes the STO, whatever X now is
        EXPECT_EQ(p.doc().m_dReg[3], p.doc().m_dX);
        EXPECT_EQ(p.doc().m_strPrefix, "");
    }
}

TEST(ClipboardCommandsTest, PasteItemFollowsTheClipboard) {
    DocumentHarness h;
    RecordingCommandUI withText, withoutText, unavailable;
    h.clipboard.text = "1";
    h.commands.OnUpdateEditPaste(withText);
    h.clipboard.text.reset();
    h.commands.OnUpdateEditPaste(withoutText);
    h.clipboard.failOpen = true;
    h.commands.OnUpdateEditPaste(unavailable);
    EXPECT_EQ(withText.enables, std::vector<bool>{true});
    EXPECT_EQ(withoutText.enables, std::vector<bool>{false});
    EXPECT_TRUE(unavailable.enables.empty());  // keeps the state it was given
    EXPECT_TRUE(withText.texts.empty() && withoutText.texts.empty());
    EXPECT_EQ(h.clipboard.opens, h.clipboard.closes);
    EXPECT_EQ(h.clipboard.misuse, 0);
}

TEST(ClipboardCommandsTest, CutWhileTypingCopiesTheEntryAndClearsX) {
    DocumentHarness h;
    h.t.Type("1");
    h.t.Press(keys::kEnter);
    h.t.Type("2");
    h.t.Press(keys::kEnter);
    h.t.Type("3");
    h.t.Press(keys::kEnter);
    h.t.Type("2.5");
    h.commands.OnEditCut();
    EXPECT_EQ(h.clipboard.text, "2.500000e+00");
    EXPECT_EQ(h.doc().m_dX, 0.0);
    EXPECT_FALSE(h.doc().m_bEntering);
    EXPECT_FALSE(h.doc().m_bLift);
    EXPECT_EQ(h.doc().m_dY, 3.0);
    EXPECT_EQ(h.doc().m_dZ, 2.0);
    EXPECT_EQ(h.doc().m_dT, 1.0);
    EXPECT_EQ(h.doc().m_strDisplay, " 0000000 00");
    EXPECT_EQ(h.view.updates, 1);
    h.t.Type("4");  // lift off: the next number replaces the 0
    EXPECT_EQ(h.doc().m_dY, 3.0);
}

TEST(ClipboardCommandsTest, CutChangesNothingWhenTheCopyFails) {
    const struct {
        const char* name;
        bool failOpen;
        bool failSet;
    } rows[] = {{"clipboard held elsewhere", true, false}, {"text not accepted", false, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        for (bool typing : {false, true}) {
            DocumentHarness h;
            h.doc().m_dX = 8;
            if (typing) h.t.Type("2.5");
            h.clipboard.text = "old";
            h.clipboard.failOpen = row.failOpen;
            h.clipboard.failSet = row.failSet;
            const CalculatorState before = h.doc().State();
            h.commands.OnEditCut();
            EXPECT_EQ(h.doc().State(), before);
            EXPECT_EQ(h.clipboard.text, "old");
            EXPECT_TRUE(h.messages.messages.empty());
            EXPECT_EQ(h.view.updates, 0);
            EXPECT_EQ(h.clipboard.opens, h.clipboard.closes);
        }
    }
}

TEST(ClipboardCommandsTest, WithoutAClipboardServiceNothingHappens) {
    tabrix::testing::TestDoc t;
    DocumentCommands commands(t.doc, tabrix::DocumentServices{});
    t.Type("5");
    const CalculatorState before = t.doc.State();
    EXPECT_FALSE(commands.OnEditCopy());
    commands.OnEditCut();
    commands.OnEditPaste();
    RecordingCommandUI item;
    commands.OnUpdateEditPaste(item);
    EXPECT_EQ(t.doc.State(), before);
    EXPECT_TRUE(item.enables.empty());
}

}  // namespace
