#include "view/key_map.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QSettings>

#include "engine/key_codes.h"
#include "document/function_search.h"
#include "engine/keyboard_keys.h"

namespace tabrix {

namespace {

// X11 key codes of the top-row digit keys 1..9, 0 (the physical keys).
constexpr quint32 kX11TopRowOne = 10;
constexpr quint32 kX11TopRowZero = 19;

// A default key as Qt names it.
KeyboardKey FromDefault(const KeyboardKeyRow& key) {
    return {QKeySequence::fromString(QString::fromLatin1(key.name), QKeySequence::PortableText)[0].key(), key.keypad};
}

bool TypesOperator(const QString& text) {
    return text.size() == 1 && QStringLiteral("+-*/=.,").contains(text[0]);
}

}  // namespace

QString KeyboardKey::PortableText() const {
    return QKeySequence(QKeyCombination(keypad ? Qt::KeypadModifier : Qt::NoModifier, static_cast<Qt::Key>(key)))
        .toString(QKeySequence::PortableText);
}

QString KeyboardKey::Caption() const {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return QStringLiteral("\u21B5");
        case Qt::Key_Backspace: return QStringLiteral("\u232B");
        case Qt::Key_Space: return QStringLiteral("\u2423");
        default: return QKeySequence(static_cast<Qt::Key>(key)).toString(QKeySequence::NativeText);
    }
}

QString KeyboardKey::Spoken() const {
    const QString name = QKeySequence(static_cast<Qt::Key>(key)).toString(QKeySequence::NativeText);
    return keypad ? QCoreApplication::translate("KeyMap", "keypad %1").arg(name) : name;
}

KeyMap KeyMap::Standard() {
    KeyMap map;
    for (const KeyboardKeyRow& key : KeyboardKeys()) {
        if (!key.laptop) map.m_keys[key.code].append(FromDefault(key));
    }
    return map;
}

KeyMap KeyMap::Laptop() {
    KeyMap map = Standard();
    for (const KeyboardKeyRow& key : KeyboardKeys()) {
        if (key.laptop) map.Bind(static_cast<int>(key.code), FromDefault(key), false);
    }
    return map;
}

const QList<KeyboardKey>& KeyMap::KeysOf(int code) const {
    static const QList<KeyboardKey> none;
    return code >= 1 && code <= static_cast<int>(keys::kLastKey) ? m_keys[static_cast<std::size_t>(code)] : none;
}

KeyMap::Bound KeyMap::Bind(int code, const KeyboardKey& key, bool replace) {
    Bound result;
    if (code < 1 || code > static_cast<int>(keys::kLastKey)) return result;
    UnbindFunction(key);
    const int previous = CodeOf(key);
    if (previous != 0) m_keys[static_cast<std::size_t>(previous)].removeAll(key);
    QList<KeyboardKey>& bound = m_keys[static_cast<std::size_t>(code)];
    if (replace) bound.clear();
    if (bound.size() == kMaxKeysPerCode) result.dropped = bound.takeFirst();
    bound.append(key);
    result.movedFrom = previous == code ? 0 : previous;
    return result;
}

bool KeyMap::BindFunction(const std::string& token, const KeyboardKey& key) {
    if (!FunctionSearch::Exact(token)) return false;
    if (const int code = CodeOf(key)) Unbind(code, key);
    UnbindFunction(key);
    m_functions.append({token, key});
    return true;
}

void KeyMap::UnbindFunction(const KeyboardKey& key) {
    m_functions.removeIf([&](const FunctionKey& bound) { return bound.key == key; });
}

std::optional<std::string> KeyMap::FunctionOf(const KeyboardKey& key) const {
    for (const FunctionKey& bound : m_functions) {
        if (bound.key == key) return bound.token;
    }
    return std::nullopt;
}

std::optional<std::string> KeyMap::FunctionOf(const QKeyEvent& event) const {
    if (m_functions.isEmpty()) return std::nullopt;
    return FunctionOf(KeyboardKey{event.key(), event.modifiers().testFlag(Qt::KeypadModifier)});
}

bool KeyMap::IsReserved(int qtKey) {
    return qtKey == Qt::Key_Delete || qtKey == Qt::Key_Escape || qtKey == Qt::Key_Tab || qtKey == Qt::Key_Backtab;
}

void KeyMap::Unbind(int code, const KeyboardKey& key) {
    if (code >= 1 && code <= static_cast<int>(keys::kLastKey)) m_keys[static_cast<std::size_t>(code)].removeAll(key);
}

int KeyMap::CodeOf(const KeyboardKey& key) const {
    for (std::size_t code = keys::kFirstKey; code <= keys::kLastKey; ++code) {
        if (m_keys[code].contains(key)) return static_cast<int>(code);
    }
    return 0;
}

int KeyMap::CodeOf(const QKeyEvent& event) const {
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (const int code = CodeOf(KeyboardKey{event.key(), keypad})) return code;
    // The place of a top-row key stands for its digit only where the layout
    // types no digit there without Shift (é on a French 2). A key typed with
    // Shift, or one that types an operator or a point, is never a digit: a
    // US Shift+5 (%) presses nothing rather than 5.
    const quint32 scanCode = event.nativeScanCode();
    if (keypad || scanCode < kX11TopRowOne || scanCode > kX11TopRowZero) return 0;
    if (event.modifiers().testFlag(Qt::ShiftModifier) || TypesOperator(event.text())) return 0;
    const int digit = scanCode == kX11TopRowZero ? 0 : static_cast<int>(scanCode - kX11TopRowOne) + 1;
    return CodeOf(KeyboardKey{Qt::Key_0 + digit, false});
}

QString KeyMap::KeysText(int code) const {
    QStringList texts;
    for (const KeyboardKey& key : KeysOf(code)) texts << key.PortableText();
    return texts.join(QStringLiteral(", "));
}

std::optional<QList<KeyboardKey>> KeyMap::ParseKeys(const QString& text) {
    // QKeySequence reads "Q, Num+7" as a sequence of keys: each is a binding.
    const QKeySequence sequence = QKeySequence::fromString(text, QKeySequence::PortableText);
    if (sequence.isEmpty() && !text.trimmed().isEmpty()) return std::nullopt;
    QList<KeyboardKey> keys;
    for (int i = 0; i < sequence.count(); ++i) {
        const QKeyCombination combination = sequence[static_cast<uint>(i)];
        const Qt::KeyboardModifiers others = combination.keyboardModifiers() & ~Qt::KeypadModifier;
        if (combination.key() == Qt::Key_unknown || others != Qt::NoModifier || IsReserved(combination.key())) {
            return std::nullopt;
        }
        keys.append({combination.key(), combination.keyboardModifiers().testFlag(Qt::KeypadModifier)});
    }
    return keys;
}

KeyMap KeyMap::Load(QSettings& settings, QStringList* warnings) {
    KeyMap map = Standard();
    settings.beginGroup(QStringLiteral("Keymap"));
    for (const QString& name : settings.childKeys()) {
        bool isNumber = false;
        const int code = name.toInt(&isNumber);
        // A value with commas may come back as a list of strings.
        const QVariant value = settings.value(name);
        const QString text = value.canConvert<QStringList>() && value.toStringList().size() > 1
                                 ? value.toStringList().join(QStringLiteral(", "))
                                 : value.toString();
        const auto keys = ParseKeys(text);
        if (!isNumber || code < 1 || code > static_cast<int>(keys::kLastKey) || code == keys::kUnderEnter || !keys) {
            if (warnings != nullptr) warnings->append(QStringLiteral("the key map entry %1=%2 was ignored: a key code from 1 to 30 takes keyboard keys such as \"Q, Num+7\"").arg(name, text));
            continue;
        }
        map.m_keys[static_cast<std::size_t>(code)].clear();
        for (const KeyboardKey& key : *keys) map.Bind(code, key, false);
    }
    settings.endGroup();
    map.LoadFunctions(settings, warnings);
    return map;
}

void KeyMap::LoadFunctions(QSettings& settings, QStringList* warnings) {
    const int count = settings.beginReadArray(QStringLiteral("FunctionKeys"));
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        const QString token = settings.value(QStringLiteral("function")).toString();
        const QString text = settings.value(QStringLiteral("key")).toString();
        const auto keys = ParseKeys(text);
        if (!keys || keys->size() != 1 || !BindFunction(token.toStdString(), keys->front())) {
            if (warnings != nullptr) {
                warnings->append(QStringLiteral("the function key %1=%2 was ignored: a function such as abs "
                                                "takes one keyboard key such as \"A\"").arg(token, text));
            }
        }
    }
    settings.endArray();
}

void KeyMap::Save(QSettings& settings) const {
    const KeyMap standard = Standard();
    settings.beginGroup(QStringLiteral("Keymap"));
    settings.remove(QString());
    for (std::size_t code = keys::kFirstKey; code <= keys::kLastKey; ++code) {
        if (m_keys[code] != standard.m_keys[code]) settings.setValue(QString::number(code), KeysText(static_cast<int>(code)));
    }
    settings.endGroup();
    settings.remove(QStringLiteral("FunctionKeys"));
    if (m_functions.isEmpty()) return;
    settings.beginWriteArray(QStringLiteral("FunctionKeys"), static_cast<int>(m_functions.size()));
    for (int i = 0; i < m_functions.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("function"), QString::fromStdString(m_functions[i].token));
        settings.setValue(QStringLiteral("key"), m_functions[i].key.PortableText());
    }
    settings.endArray();
}

}  // namespace tabrix
