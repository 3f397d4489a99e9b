#include "view/key_help.h"

#include <QCoreApplication>
#include <QStringList>
#include <string>

#include "engine/key_codes.h"
#include "view/qt_text.h"

namespace tabrix {

QList<int> CalculatorKeyCodes() {
    QList<int> codes;
    for (int code = keys::kFirstKey; code <= static_cast<int>(keys::kLastKey); ++code) {
        if (code != keys::kUnderEnter) codes << code;
    }
    return codes;
}

QString FunctionDescription(const KeyFunction& function) {
    if (function.description.empty()) return {};
    return QCoreApplication::translate("KeyHelp", std::string(function.description).c_str());
}

QString FunctionHelp(const KeyFunction& function) {
    const QString description = FunctionDescription(function);
    return description.isEmpty() ? QtText(function.label) : QtText(function.label) + QStringLiteral(" (") + description + ')';
}

QString KeyboardHelp(int code, const KeyMap& map) {
    QStringList names;
    for (const KeyboardKey& key : map.KeysOf(code)) names << key.Spoken();
    return names.isEmpty() ? QCoreApplication::translate("KeyHelp", "none") : names.join(QStringLiteral(", "));
}

QString KeyHelp(int code, const KeyMap& map) {
    const auto key = static_cast<std::uint32_t>(code);
    QString help = FunctionHelp(KeyFunctionOf(key, false));
    if (const KeyFunction& shifted = KeyFunctionOf(key, true); !shifted.label.empty()) {
        help += QCoreApplication::translate("KeyHelp", " \u2014 shifted: %1").arg(FunctionHelp(shifted));
    }
    return help + QCoreApplication::translate("KeyHelp", " \u2014 keyboard: %1").arg(KeyboardHelp(code, map));
}

}  // namespace tabrix
