// Paste Data: many points at once, from text as a spreadsheet copies it. A
// line holds one number (a column: the point (x, 0)) or two (x and y),
// separated by a tab, a semicolon or a comma; each number is read by Paste
// Number's rules (grouping, currency, signs, the locale's decimal
// separator). Lines that hold no point are skipped, and the reading says
// which and why.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "document/notice.h"
#include "document/number_reading.h"

namespace tabrix {

struct DataPoint {
    double x = 0;
    double y = 0;
};

struct DataReading {
    std::vector<DataPoint> points;
    struct Skipped {
        std::size_t line = 0;  // counted from 1
        enum class Why { NoNumber, TooManyNumbers, NotANumber, OutOfRange } why = Why::NoNumber;
        std::string text;      // the line, or the field that is no number
    };
    std::vector<Skipped> skipped;  // the first kShownSkips of them
    std::size_t skippedLines = 0;  // all of them
};
inline constexpr std::size_t kShownSkips = 3;

// The fields of a line are split by the text's first kind of separator
// among: a tab, a semicolon; else a comma followed by a blank, or (where
// the locale's decimal separator is '.') a comma that does not group three
// digits. Blank lines are no lines to skip.
DataReading ReadData(std::string_view text, char localeDecimal);

// The points as a text that reads back to the same points under any
// locale: "x\ty" lines of exact numbers (what the tape writes).
std::string DataText(const std::vector<DataPoint>& points);

// How a Paste Data is told: how many points were added, which lines were
// skipped and why; or why nothing was added.
Notice DataSentences(const DataReading& reading);

}  // namespace tabrix
