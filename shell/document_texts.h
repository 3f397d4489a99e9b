// The document's own texts that the desktop program shows (messages, file
// dialog titles, file types), in the user's language. The document is plain
// C++ and writes them in English; they are translated where Qt shows them.
#pragma once

#include <QString>
#include <string>


namespace tabrix {

// The translation of one of the document's texts; any other text as it is.
// (Sentences and marked texts: view/translated_text.h.)
QString DocumentText(const std::string& text);

}  // namespace tabrix
