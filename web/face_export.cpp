// Writes the web page's face.json at build time from the same tables the
// desktop draws with: the keys' rectangles, their functions, colours, the
// LCD's layout and fonts, the catalogue of every function, the keyboard's
// default keys, and the names of the session's actions. Run under Node:
// face_export OUT.json
#include <cstdio>
#include <fstream>
#include <string>

#include <nlohmann/json.hpp>

#include "document/catalogue_json.h"
#include "document/session_action.h"
#include "engine/calculator_state.h"
#include "engine/function_catalogue.h"
#include "engine/key_codes.h"
#include "engine/key_table.h"
#include "engine/keyboard_keys.h"
#include "engine/main_line.h"
#include "view/face_layout.h"
#include "view/key_labels.h"
#include "view/keypad_geometry.h"

namespace tabrix {
namespace {

using Json = nlohmann::ordered_json;

Json Rect(const KeyRect& r) { return {{"left", r.left}, {"top", r.top}, {"right", r.right}, {"bottom", r.bottom}}; }
Json Color(face::Rgb c) { return Json::array({c.r, c.g, c.b}); }
Json Place(face::Place p) { return Json::array({p.x, p.y}); }
Json Font(const face::Font& f) { return {{"family", f.family}, {"cellHeight", f.cellHeight}, {"weight", f.weight}}; }

Json Function(const catalogue::Function& f) {
    return {{"id", static_cast<int>(f.id)},
            {"label", std::string(f.label)},
            {"token", std::string(f.token)},
            {"description", std::string(f.description)},
            {"digit", f.digit}};
}

const char* FamilyName(KeyFamily family) {
    switch (family) {
        case KeyFamily::Digit: return "digit";
        case KeyFamily::Shift: return "shift";
        case KeyFamily::Function: break;
    }
    return "function";
}

Json Keys() {
    Json keys = Json::array();
    for (const KeyRow& row : KeyTable()) {
        if (row.code == keys::kUnderEnter) continue;
        const int code = static_cast<int>(row.code);
        const face::KeyColors colors = face::ColorsOf(KeyFamilyOf(code));
        keys.push_back({{"code", code},
                        {"rect", Rect(GetKeyRect(code))},
                        {"family", FamilyName(KeyFamilyOf(code))},
                        {"plain", Function(row.Plain())},
                        {"shifted", Function(row.Shifted())},
                        {"colors", {{"resting", Color(colors.resting)}, {"lit", Color(colors.lit)}, {"text", Color(colors.text)}}}});
    }
    return keys;
}

// Every function of the catalogue, as tabrix-cli --functions prints it, with its id.
Json Functions() {
    Json functions = Json::array();
    for (const catalogue::Function& f : catalogue::All()) {
        if (f.Exists()) functions.push_back(Json::parse(CatalogueJson(f, true)));
    }
    return functions;
}

Json Keyboard() {
    Json standard = Json::array();
    Json laptop = Json::array();
    for (const KeyboardKeyRow& key : KeyboardKeys()) {
        (key.laptop ? laptop : standard).push_back({{"code", key.code}, {"key", key.name}, {"keypad", key.keypad}});
    }
    return {{"standard", standard}, {"laptopExtra", laptop}, {"delete", vk::kDelete}, {"escape", vk::kEscape}};
}

// The session's actions by name, as the page performs them.
Json Actions() {
    Json actions = Json::object();
    for (std::size_t kind = 0; kind < std::size(kActionKindNames); ++kind) actions[kActionKindNames[kind]] = kind;
    return actions;
}

// The LCD of a calculator at its defaults, for the page to show before the
// engine has loaded.
Json FirstDisplay() {
    const CTabrixDoc doc;
    return {{"main", doc.m_strDisplay},
            {"point", PointCellOf(doc)},
            {"stack", {doc.FormatNumber(doc.m_dY), doc.FormatNumber(doc.m_dZ), doc.FormatNumber(doc.m_dT)}},
            {"format", doc.m_strFormat + "." + std::to_string(doc.m_nDigits)},
            {"angle", doc.m_strAngle},
            {"shift", false},
            {"prefix", ""},
            {"statistics", false},
            {"lcd", MainLineAsRead(doc)}};
}

Json Face() {
    using namespace face;
    return {
        {"width", kFaceWidth},
        {"height", kFaceHeight},
        {"bezel", Rect(kBezel)},
        {"lcdWindow", Rect(kLcdWindow)},
        {"colors",
         {{"lcd", Color(kLcd)},
          {"bezel", Color(kBezelColor)},
          {"lcdText", Color(kLcdText)},
          {"lcdStack", Color(kLcdStack)},
          {"shiftedLabel", Color(kShiftedLabel)}}},
        {"fonts",
         {{"mainLine", Font(kMainLineFont)},
          {"stack", Font(kStackFont)},
          {"indicator", Font(kIndicatorFont)},
          {"label",
           {{"family", kLabelFamily}, {"digit", kDigitLabelSize}, {"short", kShortLabelSize}, {"long", kLongLabelSize}}}}},
        {"mainLine",
         {{"left", kMainLineLeft},
          {"step", kMainLineStep},
          {"top", kMainLineTop},
          {"pointOffset", kPointOffset},
          {"minusOffset", kMinusOffset},
          {"cells", kMainLineCells}}},
        {"places",
         {{"stackY", Place(kStackY)},
          {"stackZ", Place(kStackZ)},
          {"stackT", Place(kStackT)},
          {"angle", Place(kAngle)},
          {"format", Place(kFormat)},
          {"shift", Place(kShiftIndicator)},
          {"prefix", Place(kPrefixIndicator)},
          {"statistics", Place(kStatisticsIndicator)}}},
        {"shiftedBand", kShiftedBand},
        {"enterCode", keys::kEnter},
        {"keys", Keys()},
        {"functions", Functions()},
        {"keyboard", Keyboard()},
        {"actions", Actions()},
        {"firstDisplay", FirstDisplay()},
    };
}

}  // namespace
}  // namespace tabrix

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: face_export OUT.json\n");
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << tabrix::Face().dump() << "\n";
    return out ? 0 : 1;
}
