// Undo and redo over snapshots of the whole state record.
#include "document/undo_history.h"

#include <gtest/gtest.h>

#include <new>

#include "fakes/doc_fixture.h"

namespace tabrix {
namespace {

struct UndoTest : ::testing::Test {
    testing::TestDoc t;
    testing::CountingView view;
    CUndoHistory history{t.doc};
    UndoTest() { t.doc.AddView(&view); }
    ~UndoTest() override { t.doc.RemoveView(&view); }

    void Key(std::uint32_t key) {
        history.Record([&] { t.Press(key); });
    }
};

TEST_F(UndoTest, UndoAndRedoWalkThroughEveryKey) {
    for (std::uint32_t key : {keys::kOne, keys::kPoint, keys::kFive, keys::kEnter, keys::kTwo, keys::kMultiply}) {
        Key(key);
    }
    ASSERT_EQ(t.doc.m_dX, 3);
    history.Undo();  // before x: 2 being typed over 1.5
    EXPECT_TRUE(t.doc.m_bEntering);
    EXPECT_EQ(t.doc.m_strDisplay, " 2");
    EXPECT_EQ(t.doc.m_dY, 1.5);
    history.Undo();
    history.Undo();  // before ENTER: 1.5 still being typed, point drawn after the 1
    EXPECT_EQ(t.doc.m_strMantissa + "." + t.doc.m_strFraction, "1.5");
    EXPECT_EQ(t.doc.m_nPointPos, 3);
    history.Redo();
    history.Redo();
    history.Redo();
    EXPECT_EQ(t.doc.m_dX, 3);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_GT(view.updates, 0);
}

// An error text, or the zero picture Escape leaves in FIX, comes back as it
// was shown; a display refresh would have turned both into X's text.
TEST_F(UndoTest, UndoAndRedoBringBackTheMainLineAsItWasShown) {
    for (std::uint32_t key : {keys::kZero, keys::kInverse}) Key(key);  // 1/0
    ASSERT_EQ(t.doc.m_strDisplay, "ERROR: Inf");
    const CalculatorState atError = t.doc.State();
    Key(keys::kTan);
    history.Undo();
    EXPECT_EQ(t.doc.State(), atError);
    history.Redo();
    history.Undo();
    EXPECT_EQ(t.doc.m_strDisplay, "ERROR: Inf");

    for (std::uint32_t key : {keys::kShift, keys::kSeven, keys::kTwo}) Key(key);  // FIX 2
    history.Record([&] { t.doc.OnHardwareKeyUp(vk::kEscape); });
    const CalculatorState afterEscape = t.doc.State();
    ASSERT_EQ(afterEscape.m_strDisplay, " 0000000 00");
    Key(keys::kFive);
    history.Undo();
    EXPECT_EQ(t.doc.State(), afterEscape);
}

TEST_F(UndoTest, ChangesThatChangeNothingAreNotRemembered) {
    Key(keys::kNone);   // a tap on no key, nothing pending
    Key(keys::kUnderEnter);
    history.Record([&] { t.doc.m_nKey = 9; });  // only the held key
    EXPECT_FALSE(history.CanUndo());
    Key(keys::kShift);
    Key(keys::kNone);  // cancels the shift: a change
    EXPECT_EQ(history.UndoLevels(), 2u);
}

TEST_F(UndoTest, ANewChangeAfterUndoDropsTheRedoBranch) {
    Key(keys::kOne);
    Key(keys::kTwo);
    history.Undo();
    EXPECT_TRUE(history.CanRedo());
    Key(keys::kThree);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(t.doc.m_strMantissa, "13");
    history.Redo();  // nothing to redo: no change
    EXPECT_EQ(t.doc.m_strMantissa, "13");
}

TEST_F(UndoTest, KeepsAtLeastAHundredLevelsAndDropsTheOldest) {
    CUndoHistory small(t.doc, 100);
    for (int i = 0; i < 150; ++i) small.Record([&] { t.doc.m_dReg[0] = i + 1; });
    EXPECT_EQ(small.UndoLevels(), 100u);
    while (small.CanUndo()) small.Undo();
    EXPECT_EQ(t.doc.m_dReg[0], 50);  // the 50 oldest changes are gone

    for (int i = 0; i < 150; ++i) history.Record([&] { t.doc.m_dReg[1] = i + 1; });
    EXPECT_EQ(history.UndoLevels(), 150u);
}

TEST_F(UndoTest, AChangeOfNothingOnAFullHistoryKeepsTheOldestLevel) {
    CUndoHistory small(t.doc, 3);
    for (int i = 1; i <= 3; ++i) small.Record([&] { t.doc.m_dReg[0] = i; });
    small.Record([] {});  // nothing changes: no level is given up for it
    ASSERT_EQ(small.UndoLevels(), 3u);
    while (small.CanUndo()) small.Undo();
    EXPECT_EQ(t.doc.m_dReg[0], 0);
    while (small.CanRedo()) small.Redo();
    EXPECT_EQ(t.doc.m_dReg[0], 3);
}

TEST_F(UndoTest, NestedRecordsAreOneChange) {
    history.Record([&] {
        t.Press(keys::kSeven);
        history.Record([&] { t.Press(keys::kEnter); });
    });
    EXPECT_EQ(history.UndoLevels(), 1u);
    history.Undo();
    EXPECT_EQ(t.doc.State(), testing::TestDoc().doc.State());
}

TEST_F(UndoTest, AChangeThatThrowsIsNoStepAndRecordingGoesOn) {
    Key(keys::kOne);
    EXPECT_THROW(history.Record([&] {
        t.Press(keys::kTwo);
        throw std::bad_alloc();
    }),
                 std::bad_alloc);
    EXPECT_EQ(history.UndoLevels(), 1u);
    Key(keys::kEnter);  // recorded as a step of its own, not folded into a change that never ended
    EXPECT_EQ(history.UndoLevels(), 2u);
    history.Undo();
    EXPECT_EQ(t.doc.m_strMantissa, "12");
    history.Clear();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
}

}  // namespace
}  // namespace tabrix
