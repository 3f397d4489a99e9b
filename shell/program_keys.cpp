#include "shell/program_keys.h"

#include <QSettings>

#include "document/program.h"

namespace tabrix {

namespace {

const QString kGroup = QStringLiteral("ProgramKeys");

QString Key(const QString& program) { return QString::fromStdString(ProgramKey(program.toStdString())); }

}  // namespace

ProgramKeys ProgramKeys::Load(QSettings& settings, QStringList* warnings) {
    ProgramKeys keys;
    settings.beginGroup(kGroup);
    for (const QString& name : settings.childKeys()) {
        const QString text = settings.value(name).toString();
        const QKeySequence key = QKeySequence::fromString(text, QKeySequence::PortableText);
        if (!IsProgramName(name.toStdString())) {
            if (warnings != nullptr) warnings->append(tr("[ProgramKeys] %1: no program may have that name").arg(name));
        } else if (key.isEmpty() || WhyNot(key, KeyMap(), {})) {
            if (warnings != nullptr) warnings->append(tr("[ProgramKeys] %1=%2: no key a program may have").arg(name, text));
        } else {
            keys.Bind(name, key);
        }
    }
    settings.endGroup();
    return keys;
}

void ProgramKeys::Save(QSettings& settings) const {
    settings.remove(kGroup);
    settings.beginGroup(kGroup);
    for (auto it = m_keys.cbegin(); it != m_keys.cend(); ++it) {
        settings.setValue(it.key(), it.value().toString(QKeySequence::PortableText));
    }
    settings.endGroup();
}

QKeySequence ProgramKeys::KeyOf(const QString& program) const { return m_keys.value(Key(program)); }

QString ProgramKeys::ProgramOf(const QKeySequence& key) const {
    for (auto it = m_keys.cbegin(); it != m_keys.cend(); ++it) {
        if (it.value() == key) return it.key();
    }
    return {};
}

QString ProgramKeys::Bind(const QString& program, const QKeySequence& key) {
    const QString before = ProgramOf(key);
    if (!before.isEmpty()) m_keys.remove(before);
    m_keys.insert(Key(program), key);
    return before == Key(program) ? QString() : before;
}

void ProgramKeys::Unbind(const QString& program) { m_keys.remove(Key(program)); }

void ProgramKeys::Rename(const QString& from, const QString& to) {
    const QKeySequence key = m_keys.take(Key(from));
    if (!key.isEmpty()) m_keys.insert(Key(to), key);
}

std::optional<QString> ProgramKeys::WhyNot(const QKeySequence& key, const KeyMap& calculatorKeys,
                                           const QList<QKeySequence>& windowShortcuts) {
    if (key.count() != 1) return tr("A program key is one key, with Ctrl or Alt if you like.");
    const QKeyCombination combination = key[0];
    const int qtKey = combination.key();
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    const bool functionKey = qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F35;
    const bool held = modifiers.testAnyFlags(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const QString name = key.toString(QKeySequence::NativeText);
    if (!functionKey && !held) {
        const KeyboardKey typed{qtKey, modifiers.testFlag(Qt::KeypadModifier)};
        if (calculatorKeys.CodeOf(typed) != 0 || calculatorKeys.FunctionOf(typed)) {
            return tr("%1 is typed into the calculator; choose a function key (F5) or a key with Ctrl or Alt (Ctrl+1).")
                .arg(name);
        }
        return tr("%1 alone is no program key, so that typing stays typing; choose a function key (F5) or a key "
                  "with Ctrl or Alt (Ctrl+1).")
            .arg(name);
    }
    if (KeyMap::IsReserved(qtKey) && !held) return tr("%1 keeps its own work; choose another key.").arg(name);
    if (!held && calculatorKeys.CodeOf(KeyboardKey{qtKey, false}) != 0) {
        return tr("%1 presses a key of the calculator; choose another key.").arg(name);
    }
    for (const QKeySequence& shortcut : windowShortcuts) {
        if (shortcut.matches(key) == QKeySequence::ExactMatch) {
            return tr("%1 is a shortcut of the window; choose another key.").arg(name);
        }
    }
    return std::nullopt;
}

}  // namespace tabrix
