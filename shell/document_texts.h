// The document's own texts that the desktop program shows (messages, file
// dialog titles, file types), in the user's language. The document is plain
// C++ and writes them in English; they are translated where Qt shows them.
#pragma once

#include <QString>
#include <string>

#include "document/notice.h"
#include "document/program.h"

namespace tabrix {

// The translation of one of the document's texts; any other text as it is.
QString DocumentText(const std::string& text);
// A notice's sentences in the user's language, the values put in.
QString TranslatedNotice(const Notice& notice);
// A problem of a program's text: "line 3: no label “loop” in tri".
QString ProblemLine(const ProgramProblem& problem);

}  // namespace tabrix
