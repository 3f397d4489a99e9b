// What the statistics say to a person: why a function found no answer, and
// the rows of the Statistics panels (the desktop's window, the page's
// dialog), which both show as they are given here.
#pragma once

#include <string>
#include <vector>

#include "document/notice.h"
#include "engine/function_catalogue.h"
#include "engine/statistics.h"

namespace tabrix {

// "No result from x̄." and the reason, for the notice of a function that
// found none.
Notice FailureSentences(const catalogue::Function& function, StatisticsError error);

// One row of the panel: what it shows ("x̄"), and its value to ten digits
// in the console's notation, or empty with the reason there is none.
struct StatisticsRow {
    std::string name;
    const char* meaning = nullptr;  // what it is, in English (context "Statistics")
    std::string value;
    const char* why = nullptr;  // English, context "Statistics"; null with a value
};
// n, x̄, ȳ, sx, sy, r, a and b, in that order.
std::vector<StatisticsRow> StatisticsRows(const Statistics& stats);

}  // namespace tabrix
