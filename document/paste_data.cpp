#include "document/paste_data.h"

#include <cmath>

#include "engine/number_text.h"

namespace tabrix {

namespace {

constexpr const char* kContext = "PasteData";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\r'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

enum class Split { Tab, Semicolon, Comma };

Split SplitOf(std::string_view text) {
    if (text.find('\t') != std::string_view::npos) return Split::Tab;
    if (text.find(';') != std::string_view::npos) return Split::Semicolon;
    return Split::Comma;
}

// A comma between two fields: one followed by a blank, or, where "." is
// the decimal separator, one that does not stand between a digit and a
// group of exactly three ("1,234" is a number; "10,20" two).
bool SeparatesFields(std::string_view line, std::size_t comma, char localeDecimal) {
    const std::size_t next = comma + 1;
    if (next < line.size() && (line[next] == ' ' || line[next] == '\t')) return true;
    if (localeDecimal != '.') return false;
    std::size_t digits = 0;
    while (next + digits < line.size() && IsDigit(line[next + digits])) ++digits;
    const bool grouping = comma > 0 && IsDigit(line[comma - 1]) && digits == 3;
    return !grouping;
}

std::vector<std::string_view> FieldsOf(std::string_view line, Split split, char localeDecimal) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        bool ends = i == line.size();
        if (!ends) {
            const char c = line[i];
            ends = split == Split::Tab         ? c == '\t'
                   : split == Split::Semicolon ? c == ';'
                                               : c == ',' && SeparatesFields(line, i, localeDecimal);
        }
        if (!ends) continue;
        fields.push_back(Trimmed(line.substr(start, i - start)));
        start = i + 1;
    }
    // A separator at the end of a line (a spreadsheet's empty last column) leaves no field.
    while (!fields.empty() && fields.back().empty()) fields.pop_back();
    return fields;
}

// A plain decimal ("-12.5", "3e-4") read at once, when Paste Number would
// read it the same: not a lone "." before exactly three digits where "." may
// group digits, and a value neither too large nor too small for a double.
std::optional<double> PlainNumber(std::string_view field, char localeDecimal) {
    std::size_t i = 0;
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) ++i;
    std::size_t whole = 0, fraction = 0;
    bool nonzero = false;
    while (i < field.size() && IsDigit(field[i])) nonzero |= field[i++] != '0', ++whole;
    if (i < field.size() && field[i] == '.') {
        ++i;
        while (i < field.size() && IsDigit(field[i])) nonzero |= field[i++] != '0', ++fraction;
        if (fraction == 0 || (fraction == 3 && localeDecimal != '.')) return std::nullopt;
    }
    if (whole == 0) return std::nullopt;
    if (i < field.size() && (field[i] == 'e' || field[i] == 'E')) {
        ++i;
        if (i < field.size() && (field[i] == '-' || field[i] == '+')) ++i;
        std::size_t exponent = 0;
        while (i < field.size() && IsDigit(field[i])) ++i, ++exponent;
        if (exponent == 0) return std::nullopt;
    }
    if (i != field.size()) return std::nullopt;
    const double value = ParseLeadingDouble(field);
    if (!std::isfinite(value) || (value == 0 && nonzero)) return std::nullopt;
    return value;
}

using Why = DataReading::Skipped::Why;

struct Field {
    bool read = false;
    double value = 0;
    Why why = Why::NotANumber;
};

Field ReadField(std::string_view field, char localeDecimal) {
    if (const auto plain = PlainNumber(field, localeDecimal)) return {true, *plain};
    const PastedNumber reading = ReadPastedNumber(field, localeDecimal);
    using Outcome = PastedNumber::Outcome;
    switch (reading.outcome) {
        case Outcome::Read: return {true, reading.value};
        case Outcome::NoNumber: return {false, 0, Why::NoNumber};
        case Outcome::OutOfRange:
        case Outcome::TooSmall: return {false, 0, Why::OutOfRange};
        case Outcome::TwoNumbers:
        case Outcome::NotANotation: break;
    }
    return {false, 0, Why::NotANumber};
}

// The start of a long line, cut between two characters.
std::string Glance(std::string_view text) {
    constexpr std::size_t kLongest = 40;
    if (text.size() <= kLongest) return std::string(text);
    std::size_t cut = kLongest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return std::string(text.substr(0, cut)) + "\u2026";
}

void Skip(DataReading& reading, std::size_t line, Why why, std::string_view text) {
    ++reading.skippedLines;
    if (reading.skipped.size() < kShownSkips) reading.skipped.push_back({line, why, Glance(text)});
}

void ReadLine(DataReading& reading, std::string_view line, std::size_t number, Split split, char localeDecimal) {
    const std::vector<std::string_view> fields = FieldsOf(line, split, localeDecimal);
    if (fields.empty()) return;
    if (fields.size() > 2) return Skip(reading, number, Why::TooManyNumbers, line);
    double values[2] = {0, 0};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const Field field = ReadField(fields[i], localeDecimal);
        if (!field.read) {
            return Skip(reading, number, field.why, field.why == Why::NoNumber ? line : fields[i]);
        }
        values[i] = field.value;
    }
    reading.points.push_back({values[0], values[1]});
}

}  // namespace

DataReading ReadData(std::string_view text, char localeDecimal) {
    DataReading reading;
    const Split split = SplitOf(text);
    std::size_t number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        ++number;
        if (!line.empty()) ReadLine(reading, line, number, split, localeDecimal);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return reading;
}

namespace {

// An exact text that no locale reads otherwise: never a lone "." before
// exactly three digits ("1.234" is written "1.2340").
std::string LocaleFreeText(double v) {
    std::string text = ExactText(v);
    const std::size_t point = text.find('.');
    if (point == std::string::npos) return text;
    std::size_t digits = 0;
    while (point + 1 + digits < text.size() && IsDigit(text[point + 1 + digits])) ++digits;
    if (digits == 3) text.insert(point + 4, 1, '0');
    return text;
}

}  // namespace

std::string DataText(const std::vector<DataPoint>& points) {
    std::string text;
    for (const DataPoint& p : points) {
        text += LocaleFreeText(p.x);
        text += '\t';
        text += LocaleFreeText(p.y);
        text += '\n';
    }
    return text;
}

Notice DataSentences(const DataReading& reading) {
    Notice notice;
    if (reading.points.empty()) {
        notice.push_back({kContext, QT_TRANSLATE_NOOP("PasteData", "No points added: no line holds one or two numbers."), {}});
    } else {
        notice.push_back({kContext, QT_TRANSLATE_NOOP("PasteData", "Added %1 points."), {std::to_string(reading.points.size())}});
    }
    for (const DataReading::Skipped& skip : reading.skipped) {
        const char* text = "";
        switch (skip.why) {
            case Why::NoNumber: text = QT_TRANSLATE_NOOP("PasteData", "Line %1 skipped: “%2” holds no number."); break;
            case Why::TooManyNumbers:
                text = QT_TRANSLATE_NOOP("PasteData", "Line %1 skipped: “%2” holds more than two numbers.");
                break;
            case Why::NotANumber:
                text = QT_TRANSLATE_NOOP("PasteData", "Line %1 skipped: “%2” is not a way of writing a number.");
                break;
            case Why::OutOfRange:
                text = QT_TRANSLATE_NOOP("PasteData", "Line %1 skipped: “%2” is beyond the range of numbers.");
                break;
        }
        notice.push_back({kContext, text, {std::to_string(skip.line), skip.text}});
    }
    if (reading.skippedLines > reading.skipped.size()) {
        notice.push_back({kContext, QT_TRANSLATE_NOOP("PasteData", "%1 more lines skipped."),
                          {std::to_string(reading.skippedLines - reading.skipped.size())}});
    }
    return notice;
}

}  // namespace tabrix
