#include "view/key_help.h"

#include <QCoreApplication>
#include <QStringList>
#include <utility>

#include "engine/key_codes.h"
#include "view/qt_text.h"

namespace tabrix {

namespace {

// The functions by their console word.
constexpr std::pair<std::string_view, const char*> kDescriptions[] = {
    {"EXP", QT_TRANSLATE_NOOP("KeyHelp", "e to the power x")},
    {"LN", QT_TRANSLATE_NOOP("KeyHelp", "natural logarithm")},
    {"ALOG", QT_TRANSLATE_NOOP("KeyHelp", "10 to the power x")},
    {"LOG", QT_TRANSLATE_NOOP("KeyHelp", "common logarithm")},
    {"SIN", QT_TRANSLATE_NOOP("KeyHelp", "sine")},
    {"ASIN", QT_TRANSLATE_NOOP("KeyHelp", "arc sine")},
    {"COS", QT_TRANSLATE_NOOP("KeyHelp", "cosine")},
    {"ACOS", QT_TRANSLATE_NOOP("KeyHelp", "arc cosine")},
    {"TAN", QT_TRANSLATE_NOOP("KeyHelp", "tangent")},
    {"ATAN", QT_TRANSLATE_NOOP("KeyHelp", "arc tangent")},
    {"INV", QT_TRANSLATE_NOOP("KeyHelp", "reciprocal")},
    {"POW", QT_TRANSLATE_NOOP("KeyHelp", "y to the power x")},
    {"SQRT", QT_TRANSLATE_NOOP("KeyHelp", "square root")},
    {"SQ", QT_TRANSLATE_NOOP("KeyHelp", "square")},
    {"EEX", QT_TRANSLATE_NOOP("KeyHelp", "enter exponent")},
    {"PI", QT_TRANSLATE_NOOP("KeyHelp", "pi")},
    {"FIX", QT_TRANSLATE_NOOP("KeyHelp", "display digits")},
    {"SCI", QT_TRANSLATE_NOOP("KeyHelp", "scientific display, digits")},
    {"ENG", QT_TRANSLATE_NOOP("KeyHelp", "engineering display, digits")},
    {"/", QT_TRANSLATE_NOOP("KeyHelp", "divide")},
    {"%", QT_TRANSLATE_NOOP("KeyHelp", "percent")},
    {"SWAP", QT_TRANSLATE_NOOP("KeyHelp", "exchange x and y")},
    {"RDN", QT_TRANSLATE_NOOP("KeyHelp", "roll the stack down")},
    {"CHS", QT_TRANSLATE_NOOP("KeyHelp", "change sign")},
    {"RUP", QT_TRANSLATE_NOOP("KeyHelp", "roll the stack up")},
    {"DEG", QT_TRANSLATE_NOOP("KeyHelp", "angles in degrees")},
    {"RAD", QT_TRANSLATE_NOOP("KeyHelp", "angles in radians")},
    {"GRD", QT_TRANSLATE_NOOP("KeyHelp", "angles in grads")},
    {"*", QT_TRANSLATE_NOOP("KeyHelp", "multiply")},
    {"FACT", QT_TRANSLATE_NOOP("KeyHelp", "factorial")},
    {"?", QT_TRANSLATE_NOOP("KeyHelp", "about Tabrix")},
    {"HYP", QT_TRANSLATE_NOOP("KeyHelp", "hyperbolic functions")},
    {"ENTER", QT_TRANSLATE_NOOP("KeyHelp", "enter, lifting the stack")},
    {"RAN", QT_TRANSLATE_NOOP("KeyHelp", "random number")},
    {">P", QT_TRANSLATE_NOOP("KeyHelp", "to polar")},
    {">R", QT_TRANSLATE_NOOP("KeyHelp", "to rectangular")},
    {"-", QT_TRANSLATE_NOOP("KeyHelp", "subtract")},
    {">DEG", QT_TRANSLATE_NOOP("KeyHelp", "radians to degrees")},
    {">RAD", QT_TRANSLATE_NOOP("KeyHelp", "degrees to radians")},
    {"F", QT_TRANSLATE_NOOP("KeyHelp", "shift")},
    {"STO", QT_TRANSLATE_NOOP("KeyHelp", "store in a register")},
    {"RCL", QT_TRANSLATE_NOOP("KeyHelp", "recall a register")},
    {".", QT_TRANSLATE_NOOP("KeyHelp", "decimal point")},
    {"BS", QT_TRANSLATE_NOOP("KeyHelp", "backspace")},
    {"CLX", QT_TRANSLATE_NOOP("KeyHelp", "clear x")},
    {"+", QT_TRANSLATE_NOOP("KeyHelp", "add")},
    {"CLR", QT_TRANSLATE_NOOP("KeyHelp", "clear all")},
};

}  // namespace

QList<int> CalculatorKeyCodes() {
    QList<int> codes;
    for (int code = keys::kFirstKey; code <= static_cast<int>(keys::kLastKey); ++code) {
        if (code != keys::kUnderEnter) codes << code;
    }
    return codes;
}

QString FunctionDescription(const KeyFunction& function) {
    for (const auto& [token, description] : kDescriptions) {
        if (token == function.token) return QCoreApplication::translate("KeyHelp", description);
    }
    return {};
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
