// The STO and RCL menus: one-step register commands, their command ids and
// the item labels.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "fakes/document_fakes.h"

namespace {

namespace keys = tabrix::keys;
using tabrix::CalculatorState;
using tabrix::testing::DocumentHarness;
using tabrix::testing::RecordingCommandUI;

// X, Y, Z, T = 3, 3, 2, 1 with the lift flag off, as "1 ENTER 2 ENTER 3 ENTER" leaves them.
void StackAfterEnter(DocumentHarness& h) {
    h.t.Press({keys::kOne, keys::kEnter, keys::kTwo, keys::kEnter, keys::kThree, keys::kEnter});
}

std::vector<double> Stack(const tabrix::CTabrixDoc& d) { return {d.m_dX, d.m_dY, d.m_dZ, d.m_dT}; }

TEST(RegisterMenusTest, StoreWhileTypingCommitsAndLeavesTheStack) {
    DocumentHarness h;
    StackAfterEnter(h);
    h.t.Type("42");
    h.commands.OnStoreRegister(4);
    EXPECT_EQ(h.doc().m_dReg[4], 42.0);
    EXPECT_FALSE(h.doc().m_bEntering);
    EXPECT_EQ(Stack(h.doc()), (std::vector<double>{42, 3, 2, 1}));
    EXPECT_FALSE(h.doc().m_bLift);
    EXPECT_EQ(h.doc().m_strDisplay, " 4200000 01");
    EXPECT_EQ(h.view.updates, 1);
}

TEST(RegisterMenusTest, BothCommandsCancelShiftAndAnyPrefix) {
    for (const std::uint32_t prefixKey : {keys::kSeven, keys::kEight, keys::kNine, keys::kZero, keys::kPoint,
                                          keys::kAbout}) {
        for (const bool store : {true, false}) {
            SCOPED_TRACE(::testing::Message() << "prefix key " << prefixKey << (store ? " STO" : " RCL"));
            DocumentHarness h;
            h.doc().m_dX = 6;
            h.doc().m_dReg[2] = 20;
            h.t.Shifted(prefixKey);
            ASSERT_NE(h.doc().m_strPrefix, "");
            store ? h.commands.OnStoreRegister(2) : h.commands.OnRecallRegister(2);
            EXPECT_EQ(h.doc().m_strPrefix, "");
            EXPECT_EQ(h.doc().m_dReg[2], store ? 6.0 : 20.0);
            EXPECT_EQ(h.doc().m_dX, store ? 6.0 : 20.0);
            EXPECT_EQ(h.doc().m_strFormat + std::to_string(h.doc().m_nDigits), "SCI6");
            h.t.Press(keys::kFive);  // an ordinary digit now
            EXPECT_TRUE(h.doc().m_bEntering);
            EXPECT_EQ(h.doc().m_nDigits, 6);
        }
    }
    DocumentHarness h;
    h.t.Press(keys::kShift);
    h.commands.OnStoreRegister(0);
    EXPECT_FALSE(h.doc().m_bShift);
    h.t.Press(keys::kShift);
    h.commands.OnRecallRegister(0);
    EXPECT_FALSE(h.doc().m_bShift);
}

TEST(RegisterMenusTest, RecallAlwaysLiftsAndKeepsTheLiftFlag) {
    // Right after ENTER: the stack moves up anyway, T falls off, and a number
    // typed next replaces the recalled value.
    DocumentHarness h;
    StackAfterEnter(h);
    h.doc().m_dReg[7] = 70;
    h.commands.OnRecallRegister(7);
    EXPECT_EQ(Stack(h.doc()), (std::vector<double>{70, 3, 3, 2}));
    EXPECT_FALSE(h.doc().m_bLift);
    EXPECT_EQ(h.view.updates, 1);
    h.t.Type("9");
    h.t.Press(keys::kEnter);
    EXPECT_EQ(Stack(h.doc()), (std::vector<double>{9, 9, 3, 3}));

    // After +: a number typed next pushes the recalled value up.
    DocumentHarness g;
    g.t.Press({keys::kTwo, keys::kEnter, keys::kThree, keys::kPlus});
    g.doc().m_dReg[0] = 70;
    g.commands.OnRecallRegister(0);
    EXPECT_EQ(Stack(g.doc()), (std::vector<double>{70, 5, 0, 0}));
    EXPECT_TRUE(g.doc().m_bLift);
    g.t.Type("9");
    g.t.Press(keys::kEnter);
    EXPECT_EQ(Stack(g.doc()), (std::vector<double>{9, 9, 70, 5}));

    // While typing: the entry is committed first and lifted with the rest.
    DocumentHarness e;
    StackAfterEnter(e);
    e.doc().m_dReg[9] = -1;
    e.t.Type("42");
    e.commands.OnRecallRegister(9);
    EXPECT_FALSE(e.doc().m_bEntering);
    EXPECT_EQ(Stack(e.doc()), (std::vector<double>{-1, 42, 3, 2}));
}

TEST(RegisterMenusTest, LabelsShowEachRegisterInTheCurrentFormat) {
    DocumentHarness h;
    EXPECT_EQ(h.commands.StoreLabel(3), "STO 3:  0.000000 00");
    EXPECT_EQ(h.commands.RecallLabel(3), "RCL 3:  0.000000 00");
    h.t.Shifted(keys::kSeven);
    h.t.Press(keys::kTwo);  // FIX 2
    EXPECT_EQ(h.commands.StoreLabel(0), "STO 0:  0.00");
    h.doc().m_dReg[3] = -1234.5;
    h.t.Type("77");  // a number being typed shows in no label
    EXPECT_EQ(h.commands.StoreLabel(3), "STO 3: -1234.50");
    EXPECT_EQ(h.commands.RecallLabel(3), "RCL 3: -1234.50");

    for (int n = 0; n < 10; ++n) {
        SCOPED_TRACE(n);
        h.doc().m_dReg[n] = n * 1.5;
        RecordingCommandUI sto, rcl;
        h.commands.OnUpdateStoreRegister(n, sto);
        h.commands.OnUpdateRecallRegister(n, rcl);
        const std::string value = h.doc().FormatNumber(n * 1.5);
        EXPECT_EQ(sto.texts, std::vector<std::string>{"STO " + std::to_string(n) + ": " + value});
        EXPECT_EQ(rcl.texts, std::vector<std::string>{"RCL " + std::to_string(n) + ": " + value});
        EXPECT_TRUE(sto.enables.empty() && rcl.enables.empty());  // the items are always available
    }
}

TEST(RegisterMenusTest, RegisterNumbersOutsideZeroToNineAreIgnored) {
    for (int n : {-1, 10, 1000}) {
        SCOPED_TRACE(n);
        DocumentHarness h;
        h.t.Type("5");
        h.t.Press(keys::kShift);
        const CalculatorState before = h.doc().State();
        h.commands.OnStoreRegister(n);
        h.commands.OnRecallRegister(n);
        RecordingCommandUI item;
        h.commands.OnUpdateStoreRegister(n, item);
        h.commands.OnUpdateRecallRegister(n, item);
        EXPECT_EQ(h.doc().State(), before);
        EXPECT_EQ(h.view.updates, 0);
        EXPECT_TRUE(item.texts.empty() && item.enables.empty());
        EXPECT_EQ(h.commands.StoreLabel(n), "");
        EXPECT_EQ(h.commands.RecallLabel(n), "");
    }
}

}  // namespace
