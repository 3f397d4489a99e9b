#include "document/state_json.h"

#include <array>
#include <cmath>
#include <optional>

#include <nlohmann/json.hpp>

#include "engine/main_line.h"
#include "engine/number_text.h"

namespace tabrix {

namespace {

// A menu item as the register menus and Paste leave it.
class ItemProbe final : public ICommandUI {
public:
    void Enable(bool enabled) override { this->enabled = enabled; }
    void SetText(const std::string& text) override { this->text = text; }
    bool enabled = false;
    std::string text;
};

}  // namespace

std::string JsonText(const std::string& text) {
    return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

namespace {

std::string JsonString(const std::string& text) { return JsonText(text); }

// The shortest text that reads back to the same double; JSON has no NaN or
// infinities, so those are strings.
std::string JsonNumber(double x) {
    if (std::isnan(x)) return "\"nan\"";
    if (std::isinf(x)) return x < 0 ? "\"-inf\"" : "\"inf\"";
    return ExactText(x);
}

const char* JsonBool(bool b) { return b ? "true" : "false"; }

class JsonObject {
public:
    void Raw(const char* key, const std::string& value) {
        m_text += m_text.empty() ? "{" : ",";
        m_text += JsonString(key) + ":" + value;
    }
    void Text(const char* key, const std::string& value) { Raw(key, JsonString(value)); }
    void Number(const char* key, double value) { Raw(key, JsonNumber(value)); }
    void Integer(const char* key, long long value) { Raw(key, std::to_string(value)); }
    void Bool(const char* key, bool value) { Raw(key, JsonBool(value)); }
    // A member of the state record, under its own name.
    void Member(const char* key, bool value) { Bool(key, value); }
    void Member(const char* key, const std::string& value) { Text(key, value); }
    void Member(const char* key, double value) { Number(key, value); }
    void Member(const char* key, std::int32_t value) { Integer(key, value); }
    void Member(const char* key, std::uint32_t value) { Integer(key, value); }
    // The statistics exactly, as the hexadecimal of their bytes ("" for none).
    void Member(const char* key, const Statistics& stats) { Text(key, stats.Hex()); }
    // Integer mode, with every word as the decimal text of its bits (exact
    // beyond the 53 bits a JSON number keeps).
    void Member(const char* key, const IntegerMode& mode) {
        static constexpr const char* kSigns[] = {"unsigned", "1s", "2s"};
        std::string words;
        for (const std::uint64_t w : mode.words) words += (words.empty() ? "[" : ",") + JsonString(std::to_string(w));
        Raw(key, "{\"base\":" + std::to_string(mode.base) + ",\"size\":" + std::to_string(mode.size) +
                     ",\"sign\":" + JsonString(kSigns[static_cast<int>(mode.sign) % 3]) +
                     ",\"carry\":" + JsonBool(mode.carry) + ",\"overflow\":" + JsonBool(mode.overflow) +
                     ",\"window\":" + std::to_string(mode.window) + ",\"words\":" + words + "]}");
    }
    void Member(const char* key, const std::array<double, 10>& values) {
        std::string list;
        for (double value : values) list += (list.empty() ? "[" : ",") + JsonNumber(value);
        Raw(key, list + "]");
    }
    std::string Close() const { return m_text + "}"; }

private:
    std::string m_text;
};

}  // namespace

std::string StateToJson(const CTabrixDoc& doc, DocumentCommands& commands, IClipboard& clipboard) {
    JsonObject json;
    // Integer mode only while it is not at its defaults: the float modes print as they always have.
    ForEachMember(
        [&json](const char* name, const auto& value) {
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, IntegerMode>) {
                if (value == IntegerMode{}) return;
            }
            json.Member(name, value);
        },
        doc.State());
    json.Text("lcd", MainLineAsRead(doc));
    json.Raw("stack_lines", "[" + JsonString(doc.SlotText(kSlotY)) + "," + JsonString(doc.SlotText(kSlotZ)) + "," +
                                JsonString(doc.SlotText(kSlotT)) + "]");

    std::optional<std::string> text;
    if (clipboard.Open()) {
        text = clipboard.GetText();
        clipboard.Close();
    }
    json.Raw("clipboard", text ? JsonString(*text) : "null");
    ItemProbe paste;
    commands.OnUpdateEditPaste(paste);
    json.Bool("paste_enabled", paste.enabled);
    std::string sto, rcl;
    for (int n = 0; n < 10; ++n) {
        ItemProbe item;
        commands.OnUpdateStoreRegister(n, item);
        sto += (n == 0 ? "[" : ",") + JsonString(item.text);
        commands.OnUpdateRecallRegister(n, item);
        rcl += (n == 0 ? "[" : ",") + JsonString(item.text);
    }
    json.Raw("sto_labels", sto + "]");
    json.Raw("rcl_labels", rcl + "]");
    return json.Close();
}

}  // namespace tabrix
