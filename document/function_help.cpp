#include "document/function_help.h"

#include "document/notice.h"
#include "engine/key_table.h"

namespace tabrix {

std::string FunctionHelp(const catalogue::Function& function) {
    const std::string label(function.label);
    if (function.description.empty()) return label;
    return label + " (" + Marked("Functions", std::string(function.description).c_str()) + ")";
}

std::string KeyboardHelp(const std::vector<std::string>& keys) {
    if (keys.empty()) return Marked("KeyHelp", QT_TRANSLATE_NOOP("KeyHelp", "none"));
    std::string list;
    for (const std::string& key : keys) list += (list.empty() ? "" : ", ") + key;
    return list;
}

std::string KeyHelp(std::uint32_t code, const std::string& keyboard) {
    const std::string plain = FunctionHelp(KeyFunctionOf(code, false));
    const catalogue::Function& shifted = KeyFunctionOf(code, true);
    if (shifted.label.empty()) {
        return Marked("KeyHelp", QT_TRANSLATE_NOOP("KeyHelp", "%1 \u2014 keyboard: %2"), {plain, keyboard});
    }
    return Marked("KeyHelp", QT_TRANSLATE_NOOP("KeyHelp", "%1 \u2014 shifted: %2 \u2014 keyboard: %3"),
                  {plain, FunctionHelp(shifted), keyboard});
}

}  // namespace tabrix
