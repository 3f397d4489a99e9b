// Writes the web page's face.json at build time from the same tables the
// desktop draws with: the keys' rectangles, labels, words, descriptions and
// colours, the LCD's layout and fonts, the default keyboard keys, and the
// numbers of the session's actions. Run under Node: face_export OUT.json
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>

#include "document/session_action.h"
#include "document/state_json.h"
#include "engine/calculator_state.h"
#include "engine/key_codes.h"
#include "engine/key_table.h"
#include "engine/main_line.h"
#include "engine/virtual_keys.h"
#include "view/face_layout.h"
#include "view/key_labels.h"
#include "view/keypad_geometry.h"
#include "view/standard_keys.h"

namespace tabrix {
namespace {

std::string Text(std::string_view text) { return JsonText(std::string(text)); }

std::string Rect(const KeyRect& r) {
    return "{\"left\":" + std::to_string(r.left) + ",\"top\":" + std::to_string(r.top) +
           ",\"right\":" + std::to_string(r.right) + ",\"bottom\":" + std::to_string(r.bottom) + "}";
}

std::string Color(face::Rgb c) {
    return "[" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + "]";
}

std::string Place(face::Place p) { return "[" + std::to_string(p.x) + "," + std::to_string(p.y) + "]"; }

std::string Font(const face::Font& f) {
    return "{\"family\":" + Text(f.family) + ",\"cellHeight\":" + std::to_string(f.cellHeight) +
           ",\"weight\":" + std::to_string(f.weight) + "}";
}

std::string Function(const KeyFunction& f) {
    return "{\"label\":" + Text(f.label) + ",\"token\":" + Text(f.token) + ",\"description\":" + Text(f.description) +
           ",\"digit\":" + std::to_string(f.digit) + "}";
}

const char* FamilyName(KeyFamily family) {
    switch (family) {
        case KeyFamily::Digit: return "digit";
        case KeyFamily::Shift: return "shift";
        case KeyFamily::Function: break;
    }
    return "function";
}

std::string Keys() {
    std::string json = "[";
    for (const KeyRow& row : KeyTable()) {
        const int code = static_cast<int>(row.code);
        if (row.code == keys::kUnderEnter) continue;
        const face::KeyColors colors = face::ColorsOf(KeyFamilyOf(code));
        if (json.size() > 1) json += ',';
        json += "{\"code\":" + std::to_string(code) + ",\"rect\":" + Rect(GetKeyRect(code)) +
                ",\"family\":\"" + FamilyName(KeyFamilyOf(code)) + "\",\"plain\":" + Function(row.plain) +
                ",\"shifted\":" + Function(row.shifted) + ",\"colors\":{\"resting\":" + Color(colors.resting) +
                ",\"lit\":" + Color(colors.lit) + ",\"text\":" + Color(colors.text) + "}}";
    }
    return json + "]";
}

std::string DefaultKeys(std::span<const DefaultKey> list) {
    std::string json = "[";
    for (const DefaultKey& key : list) {
        if (json.size() > 1) json += ',';
        json += "{\"code\":" + std::to_string(key.code) + ",\"key\":" + Text(key.key) +
                ",\"keypad\":" + (key.keypad ? "true" : "false") + "}";
    }
    return json + "]";
}

std::string Actions() {
    using Kind = Action::Kind;
    const std::pair<const char*, Kind> kinds[] = {
        {"Key", Kind::Key},           {"KeyRelease", Kind::KeyRelease},   {"Copy", Kind::Copy},
        {"CopyExact", Kind::CopyExact}, {"Cut", Kind::Cut},               {"Paste", Kind::Paste},
        {"PasteNumber", Kind::PasteNumber}, {"PasteValue", Kind::PasteValue}, {"PutText", Kind::PutText},
        {"EmptyClipboard", Kind::EmptyClipboard}, {"Store", Kind::Store}, {"Recall", Kind::Recall},
        {"Undo", Kind::Undo},         {"Redo", Kind::Redo},               {"Reset", Kind::Reset},
        {"New", Kind::New},           {"Load", Kind::Load},               {"LoadBytes", Kind::LoadBytes},
        {"Save", Kind::Save},
        {"ClearTape", Kind::ClearTape}, {"Draw", Kind::Draw},             {"SetState", Kind::SetState},
        {"Run", Kind::Run},           {"Continue", Kind::Continue},       {"Step", Kind::Step},
        {"Resume", Kind::Resume},     {"Interrupt", Kind::Interrupt},
    };
    std::string json = "{";
    for (const auto& [name, kind] : kinds) {
        if (json.size() > 1) json += ',';
        json += "\"" + std::string(name) + "\":" + std::to_string(static_cast<int>(kind));
    }
    return json + "}";
}

// The LCD of a calculator at its defaults, for the page to show before the
// engine has loaded.
std::string FirstDisplay() {
    const CTabrixDoc doc;
    return "{\"main\":" + Text(doc.m_strDisplay) + ",\"point\":" + std::to_string(PointCellOf(doc)) +
           ",\"stack\":[" + Text(doc.FormatNumber(doc.m_dY)) + "," + Text(doc.FormatNumber(doc.m_dZ)) + "," +
           Text(doc.FormatNumber(doc.m_dT)) + "],\"format\":" + Text(doc.m_strFormat + "." + std::to_string(doc.m_nDigits)) +
           ",\"angle\":" + Text(doc.m_strAngle) + ",\"shift\":false,\"prefix\":\"\",\"lcd\":" +
           Text(MainLineAsRead(doc)) + "}";
}

std::string Face() {
    using namespace face;
    std::string json = "{";
    json += "\"width\":" + std::to_string(kFaceWidth) + ",\"height\":" + std::to_string(kFaceHeight);
    json += ",\"bezel\":" + Rect(kBezel) + ",\"lcdWindow\":" + Rect(kLcdWindow);
    json += ",\"colors\":{\"lcd\":" + Color(kLcd) + ",\"bezel\":" + Color(kBezelColor) + ",\"lcdText\":" +
            Color(kLcdText) + ",\"lcdStack\":" + Color(kLcdStack) + ",\"shiftedLabel\":" + Color(kShiftedLabel) + "}";
    json += ",\"fonts\":{\"mainLine\":" + Font(kMainLineFont) + ",\"stack\":" + Font(kStackFont) +
            ",\"indicator\":" + Font(kIndicatorFont) + ",\"label\":{\"family\":" + Text(kLabelFamily) +
            ",\"digit\":" + std::to_string(kDigitLabelSize) + ",\"short\":" + std::to_string(kShortLabelSize) +
            ",\"long\":" + std::to_string(kLongLabelSize) + "}}";
    json += ",\"mainLine\":{\"left\":" + std::to_string(kMainLineLeft) + ",\"step\":" + std::to_string(kMainLineStep) +
            ",\"top\":" + std::to_string(kMainLineTop) + ",\"pointOffset\":" + std::to_string(kPointOffset) +
            ",\"minusOffset\":" + std::to_string(kMinusOffset) + ",\"cells\":" + std::to_string(kMainLineCells) + "}";
    json += ",\"places\":{\"stackY\":" + Place(kStackY) + ",\"stackZ\":" + Place(kStackZ) +
            ",\"stackT\":" + Place(kStackT) + ",\"angle\":" + Place(kAngle) + ",\"format\":" + Place(kFormat) +
            ",\"shift\":" + Place(kShiftIndicator) + ",\"prefix\":" + Place(kPrefixIndicator) + "}";
    json += ",\"shiftedBand\":" + std::to_string(kShiftedBand);
    json += ",\"enterCode\":" + std::to_string(keys::kEnter);
    json += ",\"keys\":" + Keys();
    json += ",\"keyboard\":{\"standard\":" + DefaultKeys(kStandardKeys) + ",\"laptopExtra\":" +
            DefaultKeys(kLaptopExtraKeys) + ",\"delete\":" + std::to_string(vk::kDelete) +
            ",\"escape\":" + std::to_string(vk::kEscape) + "}";
    json += ",\"actions\":" + Actions();
    json += ",\"firstDisplay\":" + FirstDisplay();
    return json + "}\n";
}

}  // namespace
}  // namespace tabrix

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: face_export OUT.json\n");
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << tabrix::Face();
    return out ? 0 : 1;
}
