// The catalogue as the one registry of functions: the keypad is a layout of
// its rows, each word names one row, every row says what it is; and the
// functions beyond the keys keep the rules of the keys: what they do with a
// number being typed, with stack lift, and with LAST X.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/function_catalogue.h"
#include "engine/key_table.h"
#include "fakes/doc_fixture.h"

namespace tabrix {
namespace {

using K = keys::KeyCode;
using testing::TestDoc;

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

TEST(Catalogue, EveryRowIsNamedOnceAndSaysWhatItIs) {
    std::set<std::pair<std::string, bool>> words;
    for (const catalogue::Function& f : catalogue::All()) {
        if (!f.Exists()) continue;
        EXPECT_FALSE(f.label.empty()) << f.token;
        EXPECT_FALSE(catalogue::FamilyName(f.family).empty()) << f.token;
        EXPECT_EQ(f.description.empty(), f.digit >= 0) << f.token;
        EXPECT_NE(f.Calculates(), f.word != ProgramWord::None) << f.token;
        if (f.digit >= 0) continue;  // a run of digits is read as a number
        const bool withArgument = f.argument != ArgumentKind::None;
        EXPECT_TRUE(words.insert({Upper(f.token), withArgument}).second) << f.token;
        for (const std::string& word : {std::string(f.token), Upper(f.token)}) {
            EXPECT_EQ(catalogue::Find(word, withArgument), &f) << word;
        }
    }
    EXPECT_EQ(catalogue::Find("nosuchword", false), nullptr);
    EXPECT_EQ(catalogue::Find("abs", true), nullptr) << "abs takes no argument";
}

// The keypad is a layout over the catalogue: every key's function is a row,
// and the row knows the key that gives it.
TEST(Catalogue, TheKeypadIsALayoutOfItsRows) {
    int functions = 0;
    for (const KeyRow& row : KeyTable()) {
        for (const bool shifted : {false, true}) {
            const catalogue::Function& f = shifted ? row.Shifted() : row.Plain();
            if (!f.Exists()) continue;
            ++functions;
            EXPECT_EQ(&KeyFunctionOf(row.code, shifted), &f);
            const auto key = catalogue::KeyOf(f.id);
            ASSERT_TRUE(key.has_value()) << f.token;
            EXPECT_EQ(key->code, row.code) << f.token;
            EXPECT_EQ(key->shifted, shifted) << f.token;
        }
    }
    EXPECT_EQ(functions, 57);  // 29 keys (F among them), 28 of them with a shifted function
    EXPECT_FALSE(catalogue::KeyOf(FunctionId::Abs).has_value());
}

TEST(Catalogue, TokensCarryTheirArguments) {
    const catalogue::Function& add = catalogue::At(FunctionId::StoreAdd);
    EXPECT_EQ(catalogue::TokenPattern(add), "sto+:N");
    EXPECT_EQ(catalogue::TokenWith(add, 3), "sto+:3");
    EXPECT_EQ(catalogue::LabelWith(add, 3), "STO+ 3");
    EXPECT_EQ(catalogue::TokenPattern(catalogue::At(FunctionId::Label)), "lbl:L");
    EXPECT_EQ(catalogue::TokenPattern(catalogue::At(FunctionId::Run)), "run:NAME");
    EXPECT_EQ(catalogue::TokenWith(catalogue::At(FunctionId::Abs), 7), "abs");
    EXPECT_EQ(catalogue::RegisterArgument("9"), 9);
    EXPECT_FALSE(catalogue::RegisterArgument("10").has_value());
}

void Do(TestDoc& t, FunctionId id, int argument = 0) { t.doc.ExecuteFunction(catalogue::At(id), argument); }

// LAST X holds the X an operation worked on, whether a key or a function
// beyond the keys did it; the stack's rearrangements keep it.
TEST(LastX, TheOperandOfTheLastOperationIsKept) {
    TestDoc t;
    t.Type("3");
    t.Press(K::kEnter);
    t.Type("4");
    t.Press(K::kPlus);
    EXPECT_EQ(t.doc.m_dLastX, 4);  // the typed 4, committed
    t.Press(K::kSwap);
    t.Press(K::kEnter);
    t.Shifted(K::kChs);  // R↑
    EXPECT_EQ(t.doc.m_dLastX, 4) << "x≷y, ENTER and the rolls keep it";
    t.doc.m_dX = -2.5;
    Do(t, FunctionId::Abs);
    EXPECT_EQ(t.doc.m_dX, 2.5);
    EXPECT_EQ(t.doc.m_dLastX, -2.5);
    t.Press(K::kSqrt);
    EXPECT_EQ(t.doc.m_dLastX, 2.5);
    t.Shifted(K::kPlus);  // CLR clears it with the stack
    EXPECT_EQ(t.doc.m_dLastX, 0);
}

// lastx lifts the stack as RCL does, and the number typed next pushes it up.
TEST(LastX, RecallLiftsTheStackAndEnablesLift) {
    TestDoc t;
    t.Type("9");
    t.Press(K::kSqrt);  // X 3, LAST X 9
    t.Press(K::kEnter);  // lift off
    Do(t, FunctionId::LastX);
    EXPECT_EQ(t.doc.m_dX, 9);
    EXPECT_EQ(t.doc.m_dY, 3);
    EXPECT_EQ(t.doc.m_dZ, 3);
    t.Type("1");
    EXPECT_EQ(t.doc.m_dY, 9) << "the typed number pushes LAST X up";
}

// Functions beyond the keys follow a key's rules: commit a number being
// typed, enable lift, end a shift and a prefix; a binary one drops the stack.
TEST(FunctionsBeyondTheKeys, KeepTheKeysRules) {
    TestDoc t;
    t.Type("7");
    t.Press(K::kEnter);
    t.Type("3");
    t.Press(K::kShift);
    Do(t, FunctionId::Mod);
    EXPECT_EQ(t.doc.m_dX, 1);
    EXPECT_FALSE(t.doc.m_bEntering);
    EXPECT_FALSE(t.doc.m_bShift);
    EXPECT_TRUE(t.doc.m_bLift);
    EXPECT_EQ(t.doc.m_dLastX, 3);

    // Register arithmetic leaves X, the stack and lift alone.
    t.doc.m_dReg[4] = 10;
    t.Type("4");
    Do(t, FunctionId::StoreSubtract, 4);
    EXPECT_EQ(t.doc.m_dReg[4], 6);
    Do(t, FunctionId::StoreMultiply, 4);
    Do(t, FunctionId::StoreDivide, 4);
    Do(t, FunctionId::StoreAdd, 4);
    EXPECT_EQ(t.doc.m_dReg[4], 10);
    EXPECT_EQ(t.doc.m_dX, 4);
    EXPECT_EQ(t.doc.m_dY, 1);
    Do(t, FunctionId::StoreAdd, 12);  // no such register: nothing
    EXPECT_EQ(t.doc.m_dX, 4);

    // The hyperbolic functions by name are HYP and the key.
    for (const auto& [id, key] : {std::pair{FunctionId::Sinh, K::kSin}, {FunctionId::Cosh, K::kCos},
                                  {FunctionId::Tanh, K::kTan}}) {
        TestDoc a, b;
        a.doc.m_dX = b.doc.m_dX = 0.75;
        Do(a, id);
        b.Shifted(K::kAbout);  // HYP
        b.Press(key);
        EXPECT_EQ(a.doc.State(), b.doc.State()) << catalogue::At(id).token;
    }
}

}  // namespace
}  // namespace tabrix
