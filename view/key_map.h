// The desktop program's keyboard map, which people can change: which
// keyboard keys (Qt's keys) press which calculator keys. The standard map is
// the calculator's own (engine/keyboard_keys.h, the one table of them):
// the digits (top row and numeric keypad), + - * / on the keypad and the
// main keyboard, Return and Enter, F, E, both period keys, Backspace and
// Space, a letter for each function key and ? for the ? key. People may change it;
// Delete (clear X) and Escape (clear all) stay as they are. Modifiers are
// ignored: a key is its key and whether it sits on the numeric keypad.
#pragma once

#include <QList>
#include <QString>
#include <array>
#include <optional>
#include <string>

class QKeyEvent;
class QSettings;

namespace tabrix {

struct KeyboardKey {
    int key = 0;  // a Qt::Key
    bool keypad = false;

    friend bool operator==(const KeyboardKey&, const KeyboardKey&) = default;
    // QKeySequence's portable text: "7", "Num+7", "Return", "Q".
    QString PortableText() const;
    // A short caption for a corner of the key: "7", "↵", "⌫", "␣", "+".
    QString Caption() const;
    // How a person names it, in the user's language: "7", "keypad 7".
    QString Spoken() const;
};

// A keyboard key that performs a function of the catalogue instead of
// pressing a calculator key: "A" for abs, or for sto+:3.
struct FunctionKey {
    std::string token;  // as the finder takes it ("abs", "sto+:3")
    KeyboardKey key;
    friend bool operator==(const FunctionKey&, const FunctionKey&) = default;
};

class KeyMap {
public:
    // At most this many keyboard keys press one calculator key.
    static constexpr int kMaxKeysPerCode = 4;

    // The calculator's own map.
    static KeyMap Standard();
    // The standard map, and = (ENTER) on the main keyboard too, for
    // keyboards without a numeric keypad.
    static KeyMap Laptop();

    // The keyboard keys of key code 1..30, in the order they were bound.
    const QList<KeyboardKey>& KeysOf(int code) const;
    // Binds `key` to `code`, after its keys or (replace) instead of them. A
    // key bound to another code moves from it; a code that had its most
    // keys already lets its first one go.
    struct Bound {
        int movedFrom = 0;                     // the code `key` pressed before, else 0
        std::optional<KeyboardKey> dropped;    // the key `code` let go to make room
    };
    Bound Bind(int code, const KeyboardKey& key, bool replace);
    void Unbind(int code, const KeyboardKey& key);

    // Binds `key` to the function `token` ("abs", "sto+:3"), moving it from
    // a calculator key or another function. False for a token that names no
    // function the finder could perform.
    bool BindFunction(const std::string& token, const KeyboardKey& key);
    void UnbindFunction(const KeyboardKey& key);
    const QList<FunctionKey>& FunctionKeys() const { return m_functions; }
    // The function a keyboard key performs ("abs"), when it performs one.
    std::optional<std::string> FunctionOf(const KeyboardKey& key) const;
    std::optional<std::string> FunctionOf(const QKeyEvent& event) const;

    // The key code a keyboard key presses, 0 for none.
    int CodeOf(const KeyboardKey& key) const;
    // The key code a released key presses, 0 for none. When the key itself is
    // not bound, a top-row digit key typed without Shift counts as its digit
    // (é on a French 2), unless it typed an operator or a point.
    int CodeOf(const QKeyEvent& event) const;

    // The settings group "Keymap": an entry for each key code whose keys are
    // not the standard ones, its value the keys in portable text separated by
    // commas ("9=Q, Num+7"); a missing entry means the standard keys. And the
    // group "FunctionKeys", a list of the keys that perform functions, each
    // its function's token and its key ("abs", "A"). An entry that cannot be
    // read is skipped, and `warnings` (when given) says why.
    static KeyMap Load(QSettings& settings, QStringList* warnings = nullptr);
    void Save(QSettings& settings) const;
    // Keys that can never be a calculator key: Delete and Escape keep their
    // own work (clear X, clear all), and Tab and Shift+Tab move the keyboard
    // between the calculator and the tape.
    static bool IsReserved(int qtKey);

    // Portable text of a code's keys, and the keys such a text names.
    QString KeysText(int code) const;
    static std::optional<QList<KeyboardKey>> ParseKeys(const QString& text);

    // The calculator keys' keyboard keys alone, the function keys aside.
    bool SameKeypadKeys(const KeyMap& other) const { return m_keys == other.m_keys; }
    friend bool operator==(const KeyMap&, const KeyMap&) = default;

private:
    void LoadFunctions(QSettings& settings, QStringList* warnings);

    std::array<QList<KeyboardKey>, 31> m_keys;
    QList<FunctionKey> m_functions;
};

}  // namespace tabrix
