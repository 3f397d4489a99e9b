// Hardware key releases: each mapped key acts exactly like its keypad key;
// Delete and Escape clear on their own; every release ends with m_nKey = 0
// and a redraw.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "fakes/doc_fixture.h"

namespace {

using K = tabrix::keys::KeyCode;
using tabrix::CalculatorState;
using tabrix::testing::CountingView;
using tabrix::testing::TestDoc;

constexpr std::pair<std::uint32_t, std::uint32_t> kMappings[] = {
    {0x60, K::kZero}, {0x61, K::kOne}, {0x62, K::kTwo}, {0x63, K::kThree}, {0x64, K::kFour}, {0x65, K::kFive},
    {0x66, K::kSix}, {0x67, K::kSeven}, {0x68, K::kEight}, {0x69, K::kNine}, {0x30, K::kZero}, {0x31, K::kOne},
    {0x32, K::kTwo}, {0x33, K::kThree}, {0x34, K::kFour}, {0x35, K::kFive}, {0x36, K::kSix}, {0x37, K::kSeven},
    {0x38, K::kEight}, {0x39, K::kNine}, {0x0D, K::kEnter}, {0x6B, K::kPlus}, {0x6D, K::kMinus},
    {0x6A, K::kMultiply}, {0x6F, K::kDivide}, {0x46, K::kShift}, {0x45, K::kEex}, {0x6E, K::kPoint},
    {0xBE, K::kPoint}, {0x08, K::kBackspace}, {0x20, K::kChs},
};

// Start states in which keys mean different things: idle, typing (with an
// exponent), shift active, a prefix waiting for its digit.
const std::function<void(TestDoc&)> kStartStates[] = {
    [](TestDoc& t) { t.doc.m_dX = 3, t.doc.m_dY = 4, t.doc.m_dZ = 5, t.doc.m_dT = 6; },
    [](TestDoc& t) { t.doc.m_dY = 4, t.Type("12.5"); },
    [](TestDoc& t) { t.doc.m_dY = 4, t.Type("12"), t.Press(K::kEex); },
    [](TestDoc& t) { t.doc.m_dX = 0.5, t.doc.m_dY = 4, t.doc.m_dZ = 5, t.Press(K::kShift); },
    [](TestDoc& t) { t.doc.m_dX = 7, t.Shifted(K::kZero); },
};

TEST(KeyboardMapTest, MappedKeysActLikeTheirKeypadKeys) {
    for (auto [vk, key] : kMappings) {
        for (std::size_t s = 0; s < std::size(kStartStates); ++s) {
            SCOPED_TRACE(::testing::Message() << "vk 0x" << std::hex << vk << std::dec << ", start state " << s);
            TestDoc byKeyboard, byKeypad;
            kStartStates[s](byKeyboard);
            kStartStates[s](byKeypad);
            byKeyboard.random.Push(123456789);
            byKeypad.random.Push(123456789);
            CountingView view;
            byKeyboard.doc.AddView(&view);
            byKeyboard.doc.m_nKey = 9;  // a stylus press being held is cancelled
            byKeyboard.doc.OnHardwareKeyUp(vk);
            byKeypad.Press(key);
            EXPECT_EQ(byKeyboard.doc.State(), byKeypad.doc.State());
            EXPECT_EQ(view.updates, 1);
        }
    }
}

TEST(KeyboardMapTest, UnmappedKeysOnlyResetTheKeyAndRedraw) {
    // Shift, Ctrl, Alt, letters other than E and F, the main keyboard's minus
    // and plus, arrows, Tab, F1, the numeric keypad's separator, and so on.
    for (std::uint32_t code : {0x00u, 0x10u, 0x11u, 0x12u, 0x41u, 0x44u, 0x47u, 0x5Au, 0xBDu, 0xBBu, 0x25u, 0x26u,
                               0x27u, 0x28u, 0x09u, 0x70u, 0x6Cu, 0x2Fu, 0x3Au, 0x5Fu, 0x6A0u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(::testing::Message() << "vk 0x" << std::hex << code);
        TestDoc t;
        t.Type("12");
        t.Press(K::kShift);
        CountingView view;
        t.doc.AddView(&view);
        const CalculatorState expected = t.doc.State();
        t.doc.m_nKey = 21;
        t.doc.OnHardwareKeyUp(code);
        EXPECT_EQ(t.doc.State(), expected);
        EXPECT_EQ(view.updates, 1);
    }
}

TEST(KeyboardMapTest, DeleteClearsXWithoutTheEpilogue) {
    TestDoc t;
    t.Press({K::kShift, K::kSeven, K::kTwo});  // FIX 2
    t.doc.m_dY = 4;
    t.doc.m_bLift = false;
    t.Type("12");
    t.Press(K::kShift);
    t.doc.OnHardwareKeyUp(0x2E);
    EXPECT_FALSE(t.doc.m_bEntering);
    EXPECT_FALSE(t.doc.m_bLift);
    EXPECT_EQ(t.doc.m_dX, 0.0);
    EXPECT_TRUE(t.doc.m_bShift);                     // the shift stays pending
    EXPECT_EQ(t.doc.m_strDisplay, " 0000000 00");  // no refresh into FIX 2
    EXPECT_EQ(t.doc.m_nPointPos, 0);               // still the entry's
    t.doc.OnHardwareKeyUp(0x0D);                   // the next key acts shifted: RAN#, no lift
    EXPECT_FALSE(t.doc.m_bShift);
    EXPECT_EQ(t.doc.m_dY, 4.0);

    TestDoc p;  // a pending prefix survives Delete too
    p.Shifted(K::kZero);
    p.doc.OnHardwareKeyUp(0x2E);
    EXPECT_EQ(p.doc.m_strPrefix, "STO");
}

TEST(KeyboardMapTest, EscapeClearsAllButKeepsModesAndPrefix) {
    TestDoc t;
    t.Press({K::kShift, K::kSeven, K::kTwo, K::kShift, K::kSix});  // FIX 2, GRD
    t.doc.m_dReg[4] = 9;
    t.doc.m_dY = 3, t.doc.m_dZ = 2, t.doc.m_dT = 1;
    t.Type("12");
    t.Shifted(K::kSeven);  // FIX pending again
    CountingView view;
    t.doc.AddView(&view);
    t.doc.OnHardwareKeyUp(0x1B);
    TestDoc fresh;
    CalculatorState expected = fresh.doc.State();
    expected.m_strFormat = "FIX", expected.m_nDigits = 2, expected.m_strAngle = "GRD", expected.m_strPrefix = "FIX";
    EXPECT_EQ(t.doc.State(), expected);  // the main line keeps the SCI zero picture
    EXPECT_EQ(view.updates, 1);
    t.doc.OnHardwareKeyUp(0x35);  // the pending FIX takes the 5
    EXPECT_EQ(t.doc.m_nDigits, 5);
    EXPECT_FALSE(t.doc.m_bEntering);
    EXPECT_EQ(t.doc.m_strDisplay, " 000000");
}

TEST(KeyboardMapTest, KeyboardFReachesTheShiftedFunctions) {
    TestDoc t;
    auto release = [&t](std::initializer_list<std::uint32_t> codes) {
        for (std::uint32_t code : codes) t.doc.OnHardwareKeyUp(code);
    };
    t.doc.m_dX = 1, t.doc.m_dY = 2, t.doc.m_dZ = 3, t.doc.m_dT = 4;
    release({0x46, 0x20});  // F Space: roll up
    EXPECT_EQ(std::vector<double>({t.doc.m_dX, t.doc.m_dY, t.doc.m_dZ}), std::vector<double>({4, 1, 2}));
    release({0x46, 0x30, 0x35});  // F, top-row 0, top-row 5: STO 5
    EXPECT_EQ(t.doc.m_dReg[5], 4.0);
    t.random.Push(4294967295u);
    release({0x46, 0x0D});  // F Enter: RAN#
    EXPECT_NEAR(t.doc.m_dX, 1.0, 1e-15);
    release({0x31, 0x32, 0x46, 0x08});  // F Backspace: CLX even while typing
    EXPECT_FALSE(t.doc.m_bEntering);
    EXPECT_EQ(t.doc.m_dX, 0.0);
    release({0x38});  // top-row 8 is a digit, never the multiplication
    EXPECT_EQ(t.doc.m_strMantissa, "8");
    release({0x46, 0x6B});  // F numeric-keypad +: CLR
    EXPECT_EQ(t.doc.m_dReg[5], 0.0);
    EXPECT_EQ(t.doc.m_dY, 0.0);
}

TEST(KeyboardMapTest, ViewsAreToldOncePerReleaseUntilRemoved) {
    TestDoc t;
    CountingView a, b;
    t.doc.AddView(&a);
    t.doc.AddView(&b);
    t.doc.AddView(&a);  // registered once only
    for (std::uint32_t code : {0x31u, 0x1Bu, 0x2Eu}) t.doc.OnHardwareKeyUp(code);
    EXPECT_EQ(a.updates, 3);
    EXPECT_EQ(b.updates, 3);
    t.Press(K::kTwo);  // keypad keys leave the redraw to their caller
    EXPECT_EQ(a.updates, 3);
    t.doc.RemoveView(&a);
    t.doc.OnHardwareKeyUp(0x10);
    EXPECT_EQ(a.updates, 3);
    EXPECT_EQ(b.updates, 4);
}

}  // namespace
