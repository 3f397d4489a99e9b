// Keyboard keys that run programs: F5 runs "tri", Ctrl+1 runs "npv". They are
// kept in the settings file, group [ProgramKeys], one entry per program:
// "TRI=F5". A program key is a function key or a key held with Ctrl or Alt,
// so that it never takes a key the calculator or the window uses.
#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <QList>
#include <QMap>
#include <QString>
#include <optional>

#include "view/key_map.h"

class QSettings;

namespace tabrix {

class ProgramKeys {
    Q_DECLARE_TR_FUNCTIONS(ProgramKeys)

public:
    // From the settings; an entry that is no key, or no key a program may
    // have, is skipped and `warnings` (when given) says why.
    static ProgramKeys Load(QSettings& settings, QStringList* warnings = nullptr);
    void Save(QSettings& settings) const;

    // Programs are named without regard to case.
    QKeySequence KeyOf(const QString& program) const;
    // Which program `key` runs (its name as the settings have it), or empty.
    QString ProgramOf(const QKeySequence& key) const;
    // Gives `program` the key, taking it from a program that had it: that
    // program's name, or empty.
    QString Bind(const QString& program, const QKeySequence& key);
    void Unbind(const QString& program);
    void Rename(const QString& from, const QString& to);
    const QMap<QString, QKeySequence>& All() const { return m_keys; }

    // Why `key` cannot run a program (it is no single key, the calculator or
    // the window takes it), in the user's language; nothing when it can.
    static std::optional<QString> WhyNot(const QKeySequence& key, const KeyMap& calculatorKeys,
                                         const QList<QKeySequence>& windowShortcuts);

    friend bool operator==(const ProgramKeys&, const ProgramKeys&) = default;

private:
    QMap<QString, QKeySequence> m_keys;  // by upper-case name
};

}  // namespace tabrix
