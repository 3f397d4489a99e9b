// The key map: which keyboard key presses which calculator key, the laptop
// map, and the settings entries people share.
#include <QKeyEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "engine/key_codes.h"
#include "fakes/qt_printing.h"
#include "view/key_help.h"
#include "view/key_map.h"

namespace tabrix {
namespace {

// A released key as X delivers it: the key Qt made of it, the modifiers and
// the physical key (X11 key codes 10..19 are the top-row 1..0).
struct Press {
    const char* what;
    int key;
    Qt::KeyboardModifiers modifiers;
    quint32 scanCode;
    int standard;  // the key code it presses with the standard map
    int laptop;    // and with the laptop map
};

TEST(KeyMapTest, KeyboardKeysPressTheirCalculatorKeys) {
    using namespace keys;
    const Press presses[] = {
        {"top-row 7", Qt::Key_7, {}, 16, kSeven, kSeven},
        {"keypad 7", Qt::Key_7, Qt::KeypadModifier, 79, kSeven, kSeven},
        {"Shift+7 on a German layout types /", Qt::Key_Slash, Qt::ShiftModifier, 16, kDivide, kDivide},
        {"Shift+8 types * on a US layout", Qt::Key_Asterisk, Qt::ShiftModifier, 17, kMultiply, kMultiply},
        {"Shift+5 types % on a US layout: no key, never 5", Qt::Key_Percent, Qt::ShiftModifier, 14, 0, 0},
        {"Shift+9 types ( on a US layout", Qt::Key_ParenLeft, Qt::ShiftModifier, 18, 0, 0},
        {"Shift+= types + on a US layout", Qt::Key_Plus, Qt::ShiftModifier, 21, kPlus, kPlus},
        {"Shift+/ types ?", Qt::Key_Question, Qt::ShiftModifier, 61, kAbout, kAbout},
        {"= on the main keyboard", Qt::Key_Equal, {}, 21, 0, kEnter},
        {"- on the main keyboard", Qt::Key_Minus, {}, 20, kMinus, kMinus},
        {"- on a French 6", Qt::Key_Minus, {}, 15, kMinus, kMinus},
        {"\u00E9 on a French 2 is its 2", Qt::Key_Eacute, {}, 11, kTwo, kTwo},
        {"keypad -", Qt::Key_Minus, Qt::KeypadModifier, 82, kMinus, kMinus},
        {"keypad , (a German keypad's separator)", Qt::Key_Comma, Qt::KeypadModifier, 91, kPoint, kPoint},
        {"Ctrl+Return is still ENTER", Qt::Key_Return, Qt::ControlModifier, 36, kEnter, kEnter},
        {"Shift+1 on a French layout types 1", Qt::Key_1, Qt::ShiftModifier, 10, kOne, kOne},
        {"keypad 0 is not the top row's 0", Qt::Key_Insert, Qt::KeypadModifier, 19, 0, 0},
        {"S is SIN", Qt::Key_S, {}, 39, kSin, kSin},
        {"W is x<>y", Qt::Key_W, {}, 25, kSwap, kSwap},
        {"A is no key", Qt::Key_A, {}, 38, 0, 0},
    };
    const KeyMap standard = KeyMap::Standard(), laptop = KeyMap::Laptop();
    for (const Press& p : presses) {
        const QKeyEvent event(QEvent::KeyRelease, p.key, p.modifiers, p.scanCode, 0, 0);
        EXPECT_EQ(standard.CodeOf(event), p.standard) << p.what;
        EXPECT_EQ(laptop.CodeOf(event), p.laptop) << p.what;
    }
}

TEST(KeyMapTest, AnOperatorTypedOnTheTopRowIsNeverItsDigit) {
    // Where people took the main keyboard's operators away, the French 6
    // that types - and a US Shift+8 press nothing rather than 6 and 8.
    KeyMap map = KeyMap::Standard();
    map.Unbind(keys::kMinus, {Qt::Key_Minus, false});
    map.Unbind(keys::kMultiply, {Qt::Key_Asterisk, false});
    const QKeyEvent minus(QEvent::KeyRelease, Qt::Key_Minus, {}, 15, 0, 0, QStringLiteral("-"));
    const QKeyEvent times(QEvent::KeyRelease, Qt::Key_Asterisk, Qt::ShiftModifier, 17, 0, 0, QStringLiteral("*"));
    const QKeyEvent ampersand(QEvent::KeyRelease, Qt::Key_Ampersand, {}, 10, 0, 0, QStringLiteral("&"));
    EXPECT_EQ(map.CodeOf(minus), 0);
    EXPECT_EQ(map.CodeOf(times), 0);
    EXPECT_EQ(map.CodeOf(ampersand), keys::kOne) << "the French 1 key types & without Shift";
}

TEST(KeyMapTest, BindingAKeyElsewhereMovesIt) {
    KeyMap map = KeyMap::Standard();
    const KeyboardKey padSeven{Qt::Key_7, true}, q{Qt::Key_J, false};
    EXPECT_EQ(map.Bind(keys::kEight, padSeven, false).movedFrom, keys::kSeven);
    EXPECT_EQ(map.KeysOf(keys::kSeven), (QList<KeyboardKey>{{Qt::Key_7, false}}));
    EXPECT_EQ(map.CodeOf(padSeven), keys::kEight);
    EXPECT_EQ(map.Bind(keys::kEight, padSeven, false).movedFrom, 0) << "bound again where it is: no move";
    EXPECT_EQ(map.KeysOf(keys::kEight).size(), 3);

    EXPECT_EQ(map.Bind(keys::kSeven, q, true).movedFrom, 0);
    EXPECT_EQ(map.KeysOf(keys::kSeven), QList<KeyboardKey>{q});
    map.Unbind(keys::kSeven, q);
    EXPECT_TRUE(map.KeysOf(keys::kSeven).isEmpty());
    std::vector<std::optional<KeyboardKey>> dropped;
    for (int n = 0; n < 6; ++n) dropped.push_back(map.Bind(keys::kOne, {Qt::Key_A + n, false}, false).dropped);
    EXPECT_EQ(map.KeysOf(keys::kOne).size(), KeyMap::kMaxKeysPerCode) << "the oldest go";
    // 1 and keypad 1, then A and B, fill the four places; C lets 1 go, D keypad 1.
    EXPECT_EQ(dropped[2], (KeyboardKey{Qt::Key_1, false}));
    EXPECT_EQ(dropped[3], (KeyboardKey{Qt::Key_1, true}));
    EXPECT_FALSE(dropped[1].has_value());
    EXPECT_EQ(map.KeysOf(keys::kOne).back().key, Qt::Key_A + 5);
    EXPECT_TRUE(map.KeysOf(0).isEmpty());
    EXPECT_TRUE(map.KeysOf(31).isEmpty());
}

TEST(KeyMapTest, AFunctionKeyTakesItsKeyFromWhereverItWas) {
    KeyMap map = KeyMap::Standard();
    const KeyboardKey a{Qt::Key_A, false}, seven{Qt::Key_7, false};
    EXPECT_TRUE(map.BindFunction("abs", a));
    EXPECT_EQ(map.FunctionOf(a), "abs");
    EXPECT_TRUE(map.BindFunction("sto+:3", seven));
    EXPECT_EQ(map.CodeOf(seven), 0) << "no longer the calculator's 7";
    EXPECT_EQ(map.KeysOf(keys::kSeven), (QList<KeyboardKey>{{Qt::Key_7, true}}));
    EXPECT_TRUE(map.BindFunction("tanh", a)) << "bound again: it moves, not doubles";
    EXPECT_EQ(map.FunctionKeys().size(), 2);
    EXPECT_EQ(map.FunctionOf(a), "tanh");
    map.Bind(keys::kSeven, seven, false);
    EXPECT_FALSE(map.FunctionOf(seven).has_value()) << "a calculator key takes it back";
    for (const char* token : {"", "nonsense", "sto+", "sto+:x", "sto+:10", "abs:3"}) {
        EXPECT_FALSE(map.BindFunction(token, seven)) << token;
    }
    EXPECT_EQ(map.CodeOf(seven), keys::kSeven) << "a refused function leaves the key alone";
    const QKeyEvent event(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    EXPECT_EQ(map.FunctionOf(event), "tanh");
}

class KeyMapSettingsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("keys.conf"));

    void Write(const QByteArray& text) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
};

TEST_F(KeyMapSettingsTest, SharedEntriesAreReadAndUnreadableOnesSkippedWithAWarning) {
    Write("[Keymap]\n"
          "9=J, Num+7\n"   // the 7: J and keypad 7
          "10=\n"          // the 8: no key
          "16=Ctrl+W\n"    // modifiers are no keys
          "26=A\n"         // under ENTER: no key
          "31=B\n"
          "x=C\n"
          "11=+++junk\n"
          "12=Delete\n"    // Delete and Escape keep their own work
          "13=Tab\n");     // and Tab moves the keyboard to the tape
    QSettings settings(path, QSettings::IniFormat);
    QStringList warnings;
    const KeyMap map = KeyMap::Load(settings, &warnings);
    EXPECT_EQ(map.KeysOf(keys::kSeven), (QList<KeyboardKey>{{Qt::Key_J, false}, {Qt::Key_7, true}}));
    EXPECT_TRUE(map.KeysOf(keys::kEight).isEmpty());
    EXPECT_EQ(map.KeysOf(16), KeyMap::Standard().KeysOf(16));
    EXPECT_EQ(map.KeysOf(11), KeyMap::Standard().KeysOf(11));
    EXPECT_EQ(map.KeysOf(12), KeyMap::Standard().KeysOf(12));
    EXPECT_EQ(map.KeysOf(13), KeyMap::Standard().KeysOf(13));
    EXPECT_EQ(warnings.size(), 7) << warnings.join('\n').toStdString();
    EXPECT_TRUE(warnings.join('\n').contains(QStringLiteral("16=Ctrl+W")));
}

TEST_F(KeyMapSettingsTest, SavingWritesOnlyWhatDiffersAndReadsBackTheSame) {
    KeyMap map = KeyMap::Laptop();
    map.Bind(keys::kSeven, {Qt::Key_J, false}, true);
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.setValue(QStringLiteral("Keymap/20"), QStringLiteral("Z"));  // a stale entry goes
        map.Save(settings);
    }
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Keymap"));
    QStringList entries = settings.childKeys();
    entries.sort();
    EXPECT_EQ(entries, (QStringList{"20", "9"})) << "the laptop map differs in = alone";
    EXPECT_EQ(settings.value(QStringLiteral("9")).toString(), QStringLiteral("J"));
    settings.endGroup();
    EXPECT_EQ(KeyMap::Load(settings), map);
    KeyMap::Standard().Save(settings);
    EXPECT_TRUE(settings.allKeys().isEmpty());
}

TEST_F(KeyMapSettingsTest, FunctionKeysAreSavedAsAListAndBadEntriesSkipped) {
    KeyMap map = KeyMap::Standard();
    map.BindFunction("abs", {Qt::Key_A, false});
    map.BindFunction("rcl+:9", {Qt::Key_9, true});
    {
        QSettings settings(path, QSettings::IniFormat);
        map.Save(settings);
    }
    {
        QSettings settings(path, QSettings::IniFormat);
        EXPECT_EQ(KeyMap::Load(settings), map);
        KeyMap::Standard().Save(settings);
        EXPECT_TRUE(settings.allKeys().isEmpty()) << "no function keys: no list";
    }
    Write("[FunctionKeys]\n"
          "1\\function=abs\n1\\key=B\n"
          "2\\function=frobnicate\n2\\key=C\n"
          "3\\function=sin\n3\\key=Ctrl+W\n"
          "4\\function=cos\n4\\key=D, E\n"
          "size=4\n");
    QSettings settings(path, QSettings::IniFormat);
    QStringList warnings;
    const KeyMap loaded = KeyMap::Load(settings, &warnings);
    EXPECT_EQ(loaded.FunctionKeys(), (QList<FunctionKey>{{"abs", {Qt::Key_B, false}}}));
    EXPECT_EQ(warnings.size(), 3) << warnings.join('\n').toStdString();
    EXPECT_TRUE(warnings.join('\n').contains(QStringLiteral("frobnicate=C")));
}

TEST(KeyHelpTest, TheKeysFunctionShiftedFunctionAndKeyboardKeysInWords) {
    EXPECT_EQ(KeyHelpText(keys::kSeven, KeyMap::Standard()),
              QStringLiteral("7 \u2014 shifted: FIX (display digits) \u2014 keyboard: 7, keypad 7"));
    KeyMap map = KeyMap::Standard();
    map.Unbind(keys::kShift, {Qt::Key_F, false});
    EXPECT_TRUE(KeyHelpText(keys::kShift, map).endsWith(QStringLiteral("keyboard: none")));
    EXPECT_EQ(CalculatorKeyCodes().size(), 29);
    EXPECT_EQ(FunctionKeyText("sto+:3"), QStringLiteral("STO+ 3 (add x to a register)"));
}

}  // namespace
}  // namespace tabrix
