#include "document/tape.h"

#include <algorithm>

#include "document/notice.h"
#include "engine/key_codes.h"
#include "engine/key_table.h"
#include "engine/virtual_keys.h"
#include "engine/main_line.h"
#include "engine/number_text.h"

namespace tabrix {

namespace {

// The column where a script line's "# X" begins, when the tokens leave room.
constexpr std::size_t kCommentColumn = 12;

// "#26": a key code as the console takes it.
std::string_view KeyCodeToken(std::uint32_t code, char (&buffer)[16]) {
    buffer[0] = '#';
    const std::string digits = std::to_string(code);
    digits.copy(buffer + 1, sizeof buffer - 1);
    return {buffer, digits.size() + 1};
}

// What a shifted function reads as after F: a prefix by its word ("FIX"),
// anything else after an "f" ("f SIN⁻¹").
std::string ShiftedLabel(const catalogue::Function& function) {
    return function.IsPrefix() ? std::string(function.label) : "f " + std::string(function.label);
}


}  // namespace

CTape::CTape(CTabrixDoc& doc, const RandomDraws* draws) : m_doc(doc), m_draws(draws) {}

void CTape::RecordKey(std::uint32_t code, FunctionRef<void()> run) {
    const bool shifted = m_doc.m_bShift;
    const std::uint64_t drawsBefore = m_draws != nullptr ? m_draws->Count() : 0;
    // A key without a function (a tap beside the keys) is written only when
    // it changed something: it ended a shift or a prefix, or refreshed the
    // main line. Every other key changes something (F the shift, at least).
    std::optional<CalculatorState> before;
    if (code != keys::kShift && KeyFunctionOf(code, shifted, KeyLayerOf(m_doc)).label.empty()) before = WithoutHeldKey(m_doc.State());
    run();
    if (before && *before == WithoutHeldKey(m_doc.State())) return;
    AddKeyItem(code, shifted, drawsBefore);
    EndStep();
}

void CTape::AddItem(ItemKind kind, std::string_view token, std::string_view label) {
    // Digits and points typed one after another read as one number: "12.5".
    const bool joins = !m_open.empty() && !(kind == ItemKind::Digit && m_open.back().kind == ItemKind::Digit);
    m_open.push_back({kind, static_cast<std::uint32_t>(m_openTokens.size()),
                      static_cast<std::uint32_t>(m_openLabel.size())});
    if (joins) {
        m_openTokens += ' ';
        m_openLabel += ' ';
    }
    m_openTokens += token;
    m_openLabel += label;
}

void CTape::DropLastItem() {
    m_openTokens.resize(m_open.back().tokenStart);
    m_openLabel.resize(m_open.back().labelStart);
    m_open.pop_back();
}

std::string CTape::DrawnSince(std::uint64_t drawsBefore) const {
    // The number RAN# drew goes before the key, so that a replay draws it again.
    if (m_draws == nullptr || m_draws->Count() == drawsBefore) return {};
    return "draw:" + std::to_string(m_draws->Last()) + " ";
}

void CTape::RecordFunction(const catalogue::Function& function, std::uint32_t argument, FunctionRef<void()> run) {
    const std::uint64_t drawsBefore = m_draws != nullptr ? m_draws->Count() : 0;
    run();
    AddItem(ItemKind::Key, DrawnSince(drawsBefore) + catalogue::TokenWith(function, argument),
            catalogue::LabelWith(function, argument));
    EndStep();
}

void CTape::AddKeyItem(std::uint32_t code, bool shifted, std::uint64_t drawsBefore) {
    // No key of the top row changes the key layer, so the layer now is the key's.
    const KeyLayer layer = KeyLayerOf(m_doc);
    const catalogue::Function& plain = KeyFunctionOf(code, false, layer);
    const catalogue::Function& function = KeyFunctionOf(code, shifted, layer);
    const std::string draw = DrawnSince(drawsBefore);
    char codeToken[16];
    if (code == keys::kShift) {
        AddItem(shifted ? ItemKind::Key : ItemKind::Shift, plain.token, "f");
    } else if (shifted && !function.token.empty() && !m_open.empty() && m_open.back().kind == ItemKind::Shift) {
        // F and this key are one word: "ASIN" presses both.
        DropLastItem();
        AddItem(ItemKind::Key, draw + std::string(function.token), ShiftedLabel(function));
    } else if (shifted && !function.label.empty()) {
        // The key alone, with the shift already on: its F stands earlier on
        // the line (a command came between them: "f Copy Exact →DEG"), or
        // before the line began (a loaded state, an undo), when the label
        // says "f" itself.
        const std::string_view token = plain.token.empty() ? KeyCodeToken(code, codeToken) : plain.token;
        const bool fOnLine = std::any_of(m_open.begin(), m_open.end(), [](const Item& item) { return item.kind == ItemKind::Shift; });
        const std::string label = fOnLine ? std::string(function.label) : ShiftedLabel(function);
        for (Item& item : m_open) {
            if (item.kind == ItemKind::Shift) item.kind = ItemKind::Key;  // this F is spent
        }
        AddItem(ItemKind::Key, draw + std::string(token), label);
    } else if (plain.token.empty() || shifted) {
        const std::string_view token = KeyCodeToken(code, codeToken);
        AddItem(ItemKind::Key, token, token);
    } else {
        // A hex digit's token is a word of its own ("xA"), never joined to a number.
        const bool digit = (plain.digit >= 0 && plain.digit <= 9) || code == keys::kPoint;
        AddItem(digit ? ItemKind::Digit : ItemKind::Key, plain.token, plain.label);
    }
}

void CTape::RecordKeyRelease(std::uint32_t virtualKey, FunctionRef<void()> run) {
    if (const std::uint32_t code = KeypadKeyOfVirtualKey(virtualKey); code != keys::kNone) {
        RecordKey(code, run);
        return;
    }
    run();
    if (virtualKey != vk::kDelete && virtualKey != vk::kEscape) return;  // a key the calculator does not know
    const bool del = virtualKey == vk::kDelete;
    AddItem(ItemKind::Key, del ? "vk:0x2E" : "vk:0x1B",
            Marked("Tape", del ? QT_TRANSLATE_NOOP("Tape", "Del") : QT_TRANSLATE_NOOP("Tape", "Esc")));
    EndStep();
}

void CTape::RecordCommand(FunctionRef<std::optional<TapeStep>()> run) {
    if (std::optional<TapeStep> step = run()) {
        AddItem(ItemKind::Command, step->tokens, step->label);
        m_endLine = step->endsLine;
    }
    EndStep();
    m_endLine = false;
}

void CTape::AddLineAhead(std::string_view tokens, std::string_view label) {
    StoreLine(tokens, label, std::string_view(), m_doc.m_dX);
    Notify(m_lines.size() - 1);
}

void CTape::BreakOpenLine() {
    if (m_open.empty()) return;
    const std::size_t openLine = m_lines.size();
    StoreLine(m_openTokens, m_openLabel, std::string_view(), m_doc.m_dX);
    m_open.clear();
    m_openTokens.clear();
    m_openLabel.clear();
    m_openStale = false;
    Notify(openLine);
}

void CTape::EndStep() {
    if (m_open.empty()) return;
    const std::size_t openLine = m_lines.size();
    const bool pending = !m_endLine && (m_doc.m_bEntering || m_doc.m_bShift || !m_doc.m_strPrefix.empty());
    if (pending) {
        m_openStale = true;
        Notify(openLine);
        return;
    }
    StoreLine(m_openTokens, m_openLabel, std::nullopt, m_doc.m_dX);
    m_open.clear();
    m_openTokens.clear();
    m_openLabel.clear();
    Notify(openLine);
}

void CTape::StoreLine(std::string_view tokens, std::string_view label, std::optional<std::string_view> shown,
                      double value) {
    const std::size_t offset = m_chars.size();
    const bool sameLabel = label == tokens;
    m_chars.append(tokens);
    if (!sameLabel) m_chars.append(label);
    const std::size_t shownStart = m_chars.size();
    if (shown) {
        m_chars.append(*shown);
    } else {
        m_doc.FlushDisplay();
        AppendMainLineAsRead(m_chars, m_doc);
    }
    m_lines.push_back({value, offset, static_cast<std::uint32_t>(tokens.size()),
                       sameLabel ? kSameAsTokens : static_cast<std::uint32_t>(label.size()),
                       static_cast<std::uint32_t>(m_chars.size() - shownStart)});
}

TapeLine CTape::Line(std::size_t index) const {
    if (index >= m_lines.size()) {
        // The calculator is as the open line left it until the next step.
        if (m_openStale) {
            m_openShown = MainLineAsRead(m_doc);
            m_openValue = m_doc.m_bEntering ? m_doc.GetEntryValue() : m_doc.m_dX;
            m_openStale = false;
        }
        return {m_openTokens, m_openLabel, m_openShown, m_openValue};
    }
    const Record& r = m_lines[index];
    const std::string_view chars(m_chars);
    const std::string_view tokens = chars.substr(r.offset, r.tokens);
    if (r.label == kSameAsTokens) return {tokens, tokens, chars.substr(r.offset + r.tokens, r.shown), r.value};
    return {tokens, chars.substr(r.offset + r.tokens, r.label), chars.substr(r.offset + r.tokens + r.label, r.shown),
            r.value};
}

void CTape::Clear() {
    m_open.clear();
    m_openTokens.clear();
    m_openLabel.clear();
    m_lines.clear();
    m_chars.clear();
    Notify(0);
}

void CTape::AppendScriptLine(std::string& out, const TapeLine& line) {
    out += line.tokens;
    if (line.shown.empty()) return;  // a line that shows nothing (a definition)
    out.append(line.tokens.size() < kCommentColumn ? kCommentColumn - line.tokens.size() : 1, ' ');
    out += "# ";
    out += line.shown;
}

std::string CTape::ScriptLine(const TapeLine& line) {
    std::string text;
    AppendScriptLine(text, line);
    return text;
}

std::string CTape::Script(std::size_t first, std::size_t count) const {
    std::string script;
    for (std::size_t i = first; i < std::min(Size(), first + count); ++i) {
        AppendScriptLine(script, Line(i));
        script += '\n';
    }
    return script;
}

std::string CTape::Save() const {
    std::string saved;
    for (std::size_t i = 0; i < Size(); ++i) {
        const TapeLine line = Line(i);
        saved.append(line.tokens).append(1, '\t').append(line.label).append(1, '\t').append(line.shown);
        saved.append(1, '\t').append(ExactText(line.value)).append(1, '\n');
    }
    return saved;
}

std::size_t CTape::Load(std::string_view saved) {
    const std::size_t before = m_lines.size();
    std::size_t skipped = 0;
    std::string_view fields[4];
    for (std::size_t start = 0; start < saved.size();) {
        const std::size_t end = std::min(saved.find('\n', start), saved.size());
        const std::string_view text = saved.substr(start, end - start);
        start = end + 1;
        std::size_t count = 0;
        for (std::size_t from = 0; count < 5;) {
            const std::size_t tab = text.find('\t', from);
            if (count < 4) fields[count] = text.substr(from, tab - from);
            ++count;
            if (tab == std::string_view::npos) break;
            from = tab + 1;
        }
        const std::optional<double> value = count == 4 ? ReadExactText(fields[3]) : std::nullopt;
        if (!value) {
            ++skipped;
            continue;
        }
        StoreLine(fields[0], fields[1], fields[2], *value);
    }
    if (m_lines.size() != before) Notify(before);
    return skipped;
}

std::size_t CTape::MemoryBytes() const { return m_chars.capacity() + m_lines.capacity() * sizeof(Record); }

void CTape::Notify(std::size_t firstChanged) {
    ++m_revision;
    if (m_changed) m_changed(firstChanged);
}

}  // namespace tabrix
