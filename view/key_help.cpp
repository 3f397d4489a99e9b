#include "view/key_help.h"

#include <QCoreApplication>
#include <string>
#include <vector>

#include "document/function_help.h"
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

QString KeyHelpText(int code, const KeyMap& map) {
    return Translated(KeyHelp(static_cast<std::uint32_t>(code), KeyboardKeys(code, map)));
}

}  // namespace tabrix
