#include "document/tape.h"

#include <algorithm>
#include <charconv>

#include "document/number_reading.h"
#include "engine/key_codes.h"
#include "engine/key_table.h"
#include "engine/keyboard_map.h"
#include "engine/main_line.h"

namespace tabrix {

namespace {

// The column where a script line's "# X" begins, when the tokens leave room.
constexpr std::size_t kCommentColumn = 12;

std::string KeyCodeToken(std::uint32_t code) { return "#" + std::to_string(code); }

// What a shifted function reads as after F: a prefix by its word ("FIX"),
// anything else after an "f" ("f SIN⁻¹").
std::string ShiftedLabel(const KeyFunction& function) {
    return function.IsPrefix() ? std::string(function.label) : "f " + std::string(function.label);
}

}  // namespace

CTape::CTape(const CTabrixDoc& doc, const RandomDraws* draws) : m_doc(doc), m_draws(draws) {}

void CTape::RecordKey(std::uint32_t code, const std::function<void()>& run) {
    const bool shifted = m_doc.m_bShift;
    const std::uint64_t drawsBefore = m_draws != nullptr ? m_draws->Count() : 0;
    run();
    AddKeyItem(code, shifted, drawsBefore);
    EndStep();
}

void CTape::AddKeyItem(std::uint32_t code, bool shifted, std::uint64_t drawsBefore) {
    const KeyFunction& plain = KeyFunctionOf(code, false);
    const KeyFunction& function = KeyFunctionOf(code, shifted);
    // The number RAN# drew goes before the key, so that a replay draws it again.
    const std::string draw =
        m_draws != nullptr && m_draws->Count() != drawsBefore ? "draw:" + std::to_string(m_draws->Last()) + " " : "";
    if (code == keys::kShift) {
        m_open.push_back({shifted ? ItemKind::Idle : ItemKind::Shift, std::string(plain.token), "f"});
    } else if (shifted && !function.token.empty() && !m_open.empty() && m_open.back().kind == ItemKind::Shift) {
        // F and this key are one word: "ASIN" presses both.
        m_open.pop_back();
        m_open.push_back({ItemKind::Key, draw + std::string(function.token), ShiftedLabel(function)});
    } else if (shifted && !function.label.empty()) {
        // The shift was on before the line began (a loaded state): the key alone.
        const std::string token = plain.token.empty() ? KeyCodeToken(code) : std::string(plain.token);
        m_open.push_back({ItemKind::Key, draw + token, ShiftedLabel(function)});
    } else if (plain.token.empty() || shifted) {
        m_open.push_back({ItemKind::Idle, KeyCodeToken(code), KeyCodeToken(code)});
    } else {
        const bool digit = plain.digit >= 0 || code == keys::kPoint;
        m_open.push_back({digit ? ItemKind::Digit : ItemKind::Key, std::string(plain.token), std::string(plain.label)});
    }
}

void CTape::RecordKeyRelease(std::uint32_t virtualKey, const std::function<void()>& run) {
    if (const std::uint32_t code = KeypadKeyOfVirtualKey(virtualKey); code != keys::kNone) {
        RecordKey(code, run);
        return;
    }
    if (virtualKey != vk::kDelete && virtualKey != vk::kEscape) {
        run();  // a key the calculator does not know: it changes nothing
        return;
    }
    run();
    const bool del = virtualKey == vk::kDelete;
    m_open.push_back({ItemKind::Key, del ? "vk:0x2E" : "vk:0x1B", del ? "Del" : "Esc"});
    EndStep();
}

void CTape::RecordCommand(const std::function<std::optional<TapeStep>()>& run) {
    if (std::optional<TapeStep> step = run()) {
        m_open.push_back({ItemKind::Command, std::move(step->tokens), std::move(step->label)});
        m_endLine = step->endsLine;
    }
    EndStep();
    m_endLine = false;
}

std::string CTape::Joined(std::string Item::*part) const {
    // Digits and points typed one after another read as one number: "12.5".
    std::string text;
    for (std::size_t i = 0; i < m_open.size(); ++i) {
        if (i > 0 && !(m_open[i].kind == ItemKind::Digit && m_open[i - 1].kind == ItemKind::Digit)) text += ' ';
        text += m_open[i].*part;
    }
    return text;
}

void CTape::EndStep() {
    if (m_open.empty()) return;
    const std::size_t openLine = m_lines.size();
    const bool pending = !m_endLine && (m_doc.m_bEntering || m_doc.m_bShift || !m_doc.m_strPrefix.empty());
    if (pending) {
        m_openTokens = Joined(&Item::token);
        m_openLabel = Joined(&Item::label);
        m_openShown = MainLineAsRead(m_doc);
        m_openValue = m_doc.m_bEntering ? m_doc.GetEntryValue() : m_doc.m_dX;
        Notify(openLine);
        return;
    }
    // A line of nothing but F and taps beside the keys ("F F", "F #0") did nothing.
    const auto idle = [](const Item& item) { return item.kind == ItemKind::Idle || item.kind == ItemKind::Shift; };
    if (std::all_of(m_open.begin(), m_open.end(), idle)) {
        m_open.clear();
        Notify(openLine);
        return;
    }
    StoreLine(Joined(&Item::token), Joined(&Item::label), MainLineAsRead(m_doc), m_doc.m_dX);
    m_open.clear();
    Notify(openLine);
}

void CTape::StoreLine(std::string_view tokens, std::string_view label, std::string_view shown, double value) {
    m_lines.push_back({value, m_chars.size(), static_cast<std::uint32_t>(tokens.size()),
                       static_cast<std::uint32_t>(label.size()), static_cast<std::uint32_t>(shown.size())});
    m_chars.append(tokens).append(label).append(shown);
}

TapeLine CTape::Line(std::size_t index) const {
    if (index >= m_lines.size()) return {m_openTokens, m_openLabel, m_openShown, m_openValue};
    const Record& r = m_lines[index];
    const std::string_view chars(m_chars);
    return {chars.substr(r.offset, r.tokens), chars.substr(r.offset + r.tokens, r.label),
            chars.substr(r.offset + r.tokens + r.label, r.shown), r.value};
}

void CTape::Clear() {
    m_open.clear();
    m_lines.clear();
    m_chars.clear();
    Notify(0);
}

std::string CTape::ScriptLine(const TapeLine& line) {
    std::string text(line.tokens);
    text.append(text.size() < kCommentColumn ? kCommentColumn - text.size() : 1, ' ');
    text += "# ";
    text += line.shown;
    return text;
}

std::string CTape::Script(std::size_t first, std::size_t count) const {
    std::string script;
    for (std::size_t i = first; i < std::min(Size(), first + count); ++i) script += ScriptLine(Line(i)) + '\n';
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

bool CTape::Load(std::string_view saved) {
    std::vector<std::string_view> fields;
    std::vector<std::pair<std::vector<std::string_view>, double>> lines;
    for (std::size_t start = 0; start < saved.size();) {
        const std::size_t end = std::min(saved.find('\n', start), saved.size());
        const std::string_view text = saved.substr(start, end - start);
        start = end + 1;
        fields.clear();
        for (std::size_t from = 0;;) {
            const std::size_t tab = text.find('\t', from);
            fields.push_back(text.substr(from, tab - from));
            if (tab == std::string_view::npos) break;
            from = tab + 1;
        }
        double value = 0;
        const std::string_view number = fields.back();
        const auto [ptr, error] = std::from_chars(number.data(), number.data() + number.size(), value);
        if (fields.size() != 4 || error != std::errc{} || ptr != number.data() + number.size()) return false;
        lines.push_back({{fields[0], fields[1], fields[2]}, value});
    }
    for (const auto& [parts, value] : lines) StoreLine(parts[0], parts[1], parts[2], value);
    Notify(m_lines.size() - lines.size());
    return true;
}

std::size_t CTape::MemoryBytes() const { return m_chars.capacity() + m_lines.capacity() * sizeof(Record); }

void CTape::Notify(std::size_t firstChanged) {
    if (m_changed) m_changed(firstChanged);
}

}  // namespace tabrix
