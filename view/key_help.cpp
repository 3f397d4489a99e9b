#include "view/key_help.h"

#include <QCoreApplication>
#include <string>
#include <vector>

#include "document/function_help.h"
#include "document/function_search.h"
#include "engine/key_codes.h"
#include "view/translated_text.h"

namespace tabrix {

namespace {

std::string KeyboardKeys(int code, const KeyMap& map) {
    std::vector<std::string> names;
    for (const KeyboardKey& key : map.KeysOf(code)) names.push_back(key.Spoken().toStdString());
    return KeyboardHelp(names);
}

}  // namespace

QList<int> CalculatorKeyCodes() {
    QList<int> codes;
    for (int code = keys::kFirstKey; code <= static_cast<int>(keys::kLastKey); ++code) {
        if (code != keys::kUnderEnter) codes << code;
    }
    return codes;
}

QString FunctionDescription(const catalogue::Function& function) {
    if (function.description.empty()) return {};
    return QCoreApplication::translate("Functions", std::string(function.description).c_str());
}

QString FunctionHelpText(const catalogue::Function& function) { return Translated(FunctionHelp(function)); }

QString KeyboardHelpText(int code, const KeyMap& map) { return Translated(KeyboardKeys(code, map)); }

QString FunctionKeyText(const std::string& token) {
    const std::optional<Action> action = FunctionSearch::Exact(token);
    if (!action) return QString::fromStdString(token);
    const catalogue::Function& f = catalogue::At(static_cast<FunctionId>(action->code));
    const QString label = QString::fromStdString(catalogue::LabelWith(f, action->argument));
    return label + QStringLiteral(" (") + FunctionDescription(f) + QLatin1Char(')');
}

QString KeyHelpText(int code, const KeyMap& map) {
    return Translated(KeyHelp(static_cast<std::uint32_t>(code), KeyboardKeys(code, map)));
}

}  // namespace tabrix
